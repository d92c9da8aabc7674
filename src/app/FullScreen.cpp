#include "app/FullScreen.h"

#include "app/Screen.h"
#include "platform/Colours.h"
#include "platform/Fonts.h"
#include "platform/MessageBox.h"
#include "platform/Twips.h"
#include "platform/controls/Control.h"
#include "platform/controls/Line.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCursor>
#include <QKeyEvent>
#include <QPainter>
#include <QPointer>
#include <QScreen>
#include <QWidget>
#include <QWindow>
#include <algorithm>

namespace {

constexpr double layoutWidthPixels = 800.0;
constexpr double layoutHeightPixels = 600.0;

// The rest of the display, in the main menu's colour. Closing it is leaving full screen.
class Backdrop : public QWidget {
public:
    Backdrop() : QWidget(nullptr, Qt::FramelessWindowHint | Qt::WindowStaysOnBottomHint) {
        setObjectName(QStringLiteral("Backdrop"));
        setWindowTitle(QStringLiteral("The Orvelles"));
    }

protected:
    bool event(QEvent* event) override {
        // Clicked, or handed the focus by the window manager when a screen went: keys typed
        // into the backdrop would go nowhere, so the screen in front takes them.
        if (event->type() == QEvent::WindowActivate) {
            QMetaObject::invokeMethod(
                this,
                [this] {
                    if (isActiveWindow())
                        FullScreen::bringFrontForward();
                },
                Qt::QueuedConnection);
        }
        return QWidget::event(event);
    }
    void paintEvent(QPaintEvent*) override { QPainter(this).fillRect(rect(), Colours::background); }
    void closeEvent(QCloseEvent* event) override {
        event->ignore();
        QMetaObject::invokeMethod(
            qApp, [] { FullScreen::leave(); }, Qt::QueuedConnection);
    }
};

struct State {
    bool on = false;
    QRect area;
    double ordinaryTwipsPerPixel = Twips::perPixelAtStandardScale;
    QPointer<Backdrop> backdrop;
};

State& state() {
    static State s;
    return s;
}

std::vector<Screen*> liveScreens() {
    std::vector<Screen*> screens;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        auto* screen = dynamic_cast<Screen*>(window);
        if (screen && !screen->isUnloaded())
            screens.push_back(screen);
    }
    return screens;
}

// Frames on or off. A window on show is told of its new frame in place: Qt would hide it and
// show it again, and some window managers then stack it anew, or lose it.
void setFrameless(Screen& screen, bool frameless) {
    Qt::WindowFlags flags = screen.windowFlags();
    if (flags.testFlag(Qt::FramelessWindowHint) == frameless)
        return;
    flags.setFlag(Qt::FramelessWindowHint, frameless);
    if (QWindow* native = screen.windowHandle(); native && screen.isVisible()) {
        screen.overrideWindowFlags(flags);
        native->setFlags(flags);
    } else {
        screen.setWindowFlags(flags);
    }
}

// The visible screen shown or brought to the front last.
Screen* latestScreen() {
    Screen* front = nullptr;
    for (Screen* screen : liveScreens()) {
        if (screen->isVisible() && (!front || screen->frontSince() > front->frontSince()))
            front = screen;
    }
    return front;
}

// Every live screen at the new scale, the one in front kept in front.
void placeAll(double fromTwipsPerPixel, bool frameless) {
    QWidget* const active = QApplication::activeWindow();
    // Raised again in the order they stood, bottom first: the window system may have stacked
    // them anew as their frames came or went.
    std::vector<Screen*> screens = liveScreens();
    std::sort(screens.begin(), screens.end(),
              [](const Screen* a, const Screen* b) { return a->frontSince() < b->frontSince(); });
    for (Screen* screen : screens) {
        setFrameless(*screen, frameless);
        FullScreen::relayout(*screen, fromTwipsPerPixel);
    }
    // A message box waiting for an answer takes the new scale as well.
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->isVisible() && window->objectName() == QLatin1String("MessageBox"))
            fitMessageBoxToScale(*window);
    }
    // The one in front is the active screen or, when the backdrop was clicked last, the screen
    // that came to the front last.
    auto* front = dynamic_cast<Screen*>(active);
    if (!front || !front->isVisible())
        front = latestScreen();
    for (Screen* screen : screens) {
        if (screen->isVisible() && screen != front)
            screen->raise();
    }
    if (front) {
        front->raise();
        front->activateWindow();
    }
}

class KeyWatcher : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress && watched->isWidgetType()) {
            const auto* key = static_cast<QKeyEvent*>(event);
            if (key->key() == Qt::Key_F11) {
                if (!key->isAutoRepeat())
                    FullScreen::toggle();
                return true;
            }
        }
        return false;
    }
};

} // namespace

namespace FullScreen {

double fittingFactor(const QSize& area) {
    if (area.isEmpty())
        return 1.0;
    return std::min(area.width() / layoutWidthPixels, area.height() / layoutHeightPixels);
}

bool isOn() {
    return state().on;
}

QRect area() {
    return state().area;
}

QWidget* backdrop() {
    return state().backdrop;
}

void enter() {
    // The display the program is on: the one its front window stands on, or, at start, the one
    // the pointer is on.
    const QScreen* display = nullptr;
    if (const QWidget* front = QApplication::activeWindow())
        display = front->screen();
    if (!display)
        display = QGuiApplication::screenAt(QCursor::pos());
    if (!display)
        display = QGuiApplication::primaryScreen();
    if (display)
        enter(display->geometry());
}

void enter(const QRect& area) {
    State& s = state();
    if (s.on || area.isEmpty())
        return;
    s.on = true;
    s.area = area;
    s.ordinaryTwipsPerPixel = Twips::perPixel();
    Twips::setLayoutFactor(fittingFactor(area.size()));
    s.backdrop = new Backdrop;
    s.backdrop->setGeometry(area);
    s.backdrop->show();
    placeAll(s.ordinaryTwipsPerPixel, true);
}

void leave() {
    State& s = state();
    if (!s.on)
        return;
    s.on = false;
    const double from = Twips::perPixel();
    Twips::setPerPixel(s.ordinaryTwipsPerPixel);
    delete s.backdrop;
    placeAll(from, false);
}

void bringFrontForward() {
    if (!isOn())
        return;
    // A message box waiting for an answer stays in front of its screen.
    QWidget* front = QApplication::activeModalWidget();
    if (!front)
        front = latestScreen();
    if (front) {
        front->raise();
        front->activateWindow();
    }
}

void toggle() {
    if (isOn())
        leave();
    else
        enter();
}

void prepare(Screen& screen) {
    if (isOn() && !screen.isVisible())
        screen.setWindowFlag(Qt::FramelessWindowHint, true);
}

void relayout(Screen& screen, double fromTwipsPerPixel) {
    if (screen.testAttribute(Qt::WA_SetFont))
        screen.setFont(Fonts::remade(screen, fromTwipsPerPixel));
    for (QWidget* widget : screen.findChildren<QWidget*>()) {
        if (widget->testAttribute(Qt::WA_SetFont))
            widget->setFont(Fonts::remade(*widget, fromTwipsPerPixel));
        if (auto* placed = dynamic_cast<TwipsGeometry*>(widget))
            placed->applyGeometry();
        else if (auto* line = qobject_cast<Line*>(widget))
            line->applyGeometry();
        widget->update();
    }
    if (screen.Width() <= 0 || screen.Height() <= 0)
        return;
    screen.setSize(screen.Width(), screen.Height());
    // Every screen stands centred on the display, at any scale.
    const QScreen* on = screen.screen() ? screen.screen() : QGuiApplication::primaryScreen();
    const QRect display = isOn() ? area() : on ? on->geometry() : QRect();
    const double left =
        Twips::fromPixels(display.x()) + (Twips::fromPixels(display.width()) - screen.Width()) / 2;
    const double top = Twips::fromPixels(display.y()) +
                       (Twips::fromPixels(display.height()) - screen.Height()) / 2;
    if (isOn()) {
        // Placed by its client area, which is all of it: move() counts the frame as Qt last
        // heard of it, and a frame just taken away is still there for Qt until the window
        // manager's answer comes in, so the screen stood a title bar too low.
        screen.setGeometry(
            QRect(QPoint(Twips::toPixels(left), Twips::toPixels(top)), screen.size()));
    } else {
        screen.Move(left, top);
    }
}

void watchKey() {
    static QPointer<KeyWatcher> watcher;
    if (!watcher) {
        watcher = new KeyWatcher(qApp);
        qApp->installEventFilter(watcher);
    }
}

bool askedFor(const QStringList& arguments) {
    return arguments.mid(1).contains(QStringLiteral("--full-screen"));
}

} // namespace FullScreen
