#include "app/StandardWindow.h"

#include "app/FullScreen.h"
#include "app/Screen.h"
#include "platform/Colours.h"
#include "platform/Logging.h"
#include "platform/Twips.h"
#include "platform/controls/PictureBox.h"

#include <QGuiApplication>
#include <QScreen>
#include <exception>

namespace {

template <class Step> void skipOnFailure(Step step) {
    try {
        step();
    } catch (const std::exception& error) {
        qCWarning(lcScreens, "window set-up step skipped: %s", error.what());
    }
}

// The busy pointer for the time the window is being placed; normal again on every way out.
class BusyPointer {
public:
    BusyPointer() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyPointer() { QGuiApplication::restoreOverrideCursor(); }
    BusyPointer(const BusyPointer&) = delete;
    BusyPointer& operator=(const BusyPointer&) = delete;
};

} // namespace

QSizeF displaySizeTwips() {
    if (FullScreen::isOn())
        return QSizeF(Twips::fromPixels(FullScreen::area().width()),
                      Twips::fromPixels(FullScreen::area().height()));
    const QScreen* display = QGuiApplication::primaryScreen();
    if (!display)
        return QSizeF(0, 0);
    const QSize pixels = display->geometry().size();
    return QSizeF(Twips::fromPixels(pixels.width()), Twips::fromPixels(pixels.height()));
}

void StandardWindow(Screen& screen) {
    StandardWindow(screen, displaySizeTwips());
}

void StandardWindow(Screen& screen, const QSizeF& displayTwips) {
    screen.setBackColor(Colours::background);
    screen.setCaption(QStringLiteral("The Orvelles"));
    if (auto* picture = screen.findChild<PictureBox*>(QStringLiteral("Picture1")))
        picture->setBackColor(Colours::pictureBox);
    skipOnFailure([&] { screen.setSize(12000, 9000); });
    BusyPointer busy;
    skipOnFailure([&] {
        screen.Move(displayTwips.width() / 2 - screen.Width() / 2,
                    displayTwips.height() / 2 - screen.Height() / 2);
    });
}
