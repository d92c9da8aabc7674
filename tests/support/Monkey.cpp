#include "support/Monkey.h"

#include "app/Screen.h"

#include <QApplication>
#include <QTest>

namespace {

const Qt::Key keys[] = {Qt::Key_Return, Qt::Key_Enter,     Qt::Key_Tab,    Qt::Key_Backtab,
                        Qt::Key_Escape, Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Left,
                        Qt::Key_Right,  Qt::Key_Up,        Qt::Key_Down,   Qt::Key_Home,
                        Qt::Key_End,    Qt::Key_Space,     Qt::Key_F1,     Qt::Key_F4};

// Text a pupil or teacher might type, and some that the files cannot hold.
const char16_t* const texts[] = {u"a", u"Z",      u"7",      u",",      u"\"",
                                 u"&", u"\u00E9", u"\u20AC", u"\u0101", u"\u2713",
                                 u"/", u"\\",     u"?",      u".",      u" "};

} // namespace

QWidget* Monkey::visibleWindow() {
    QList<QWidget*> windows;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        auto* screen = dynamic_cast<Screen*>(w);
        if (w->isVisible() && !(screen && screen->isUnloaded()))
            windows << w;
    }
    return windows.isEmpty() ? nullptr : windows[below(int(windows.size()))];
}

QWidget* Monkey::targetIn(QWidget* window) {
    QList<QWidget*> widgets{window};
    for (QWidget* child : window->findChildren<QWidget*>())
        if (child->isVisible())
            widgets << child;
    return widgets[below(int(widgets.size()))];
}

QPoint Monkey::pointIn(const QWidget* widget) {
    return QPoint(below(qMax(1, widget->width())), below(qMax(1, widget->height())));
}

void Monkey::click(QWidget* target) {
    const Qt::MouseButton button = below(5) == 0 ? Qt::RightButton : Qt::LeftButton;
    const QPoint at = pointIn(target);
    last_ = QStringLiteral("click %1 on %2").arg(int(button)).arg(target->objectName());
    if (below(8) == 0)
        QTest::mouseDClick(target, button, Qt::NoModifier, at);
    else
        QTest::mouseClick(target, button, Qt::NoModifier, at);
}

void Monkey::drag(QWidget* target) {
    const Qt::MouseButton button = below(3) == 0 ? Qt::RightButton : Qt::LeftButton;
    last_ = QStringLiteral("drag %1 from %2").arg(int(button)).arg(target->objectName());
    QPointer<QWidget> pressed(target);
    QPoint at = pointIn(target);
    QTest::mousePress(target, button, Qt::NoModifier, at);
    // The pointer is held by the pressed control and may wander far outside it.
    for (int steps = 1 + below(6); steps > 0 && pressed; --steps) {
        at += QPoint(below(401) - 200, below(301) - 150);
        QMouseEvent moved(QEvent::MouseMove, at, pressed->mapToGlobal(at), Qt::NoButton, button,
                          Qt::NoModifier);
        QApplication::sendEvent(pressed, &moved);
    }
    if (pressed)
        QTest::mouseRelease(pressed, button, Qt::NoModifier, at);
}

void Monkey::move(QWidget* target) {
    last_ = QStringLiteral("move over %1").arg(target->objectName());
    QMouseEvent moved(QEvent::MouseMove, pointIn(target), target->mapToGlobal(pointIn(target)),
                      Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(target, &moved);
}

void Monkey::key(QWidget* window) {
    QWidget* target = QApplication::focusWidget();
    if (!target || target->window() != window || below(3) == 0)
        target = targetIn(window);
    if (below(2) == 0) {
        const Qt::Key k = keys[below(int(std::size(keys)))];
        last_ = QStringLiteral("key %1 to %2").arg(int(k)).arg(target->objectName());
        QTest::keyClick(target, k);
    } else {
        const QString text = QString::fromUtf16(texts[below(int(std::size(texts)))]);
        last_ = QStringLiteral("type %1 to %2").arg(text, target->objectName());
        QTest::sendKeyEvent(QTest::Click, target, Qt::Key_unknown, text, Qt::NoModifier);
    }
}

bool Monkey::act() {
    QWidget* window = visibleWindow();
    if (!window)
        return false;
    visited_.insert(window->objectName());
    const int choice = below(100);
    if (choice < 45)
        click(targetIn(window));
    else if (choice < 60)
        drag(targetIn(window));
    else if (choice < 78)
        move(targetIn(window));
    else if (choice < 99)
        key(window);
    else {
        last_ = QStringLiteral("close %1").arg(window->objectName());
        window->close();
    }
    return true;
}
