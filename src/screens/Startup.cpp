#include "screens/Startup.h"

#include "app/FullScreen.h"
#include "app/Screens.h"
#include "app/Services.h"
#include "platform/Fonts.h"
#include "platform/MessageBox.h"
#include "platform/QtPrinterSurface.h"
#include "platform/QtSoundPlayer.h"
#include "screens/navigation/intro0.h"
#include "screens/reading/guide.h"

#include <QApplication>

void startProgram() {
    QApplication::setApplicationName(QStringLiteral("The Orvelles"));
    // The program ends only through the title screen's Exit.
    QApplication::setQuitOnLastWindowClosed(false);
    Fonts::registerDesignFaces();
    FullScreen::watchKey();
    guide::useForHelpKey();
    Services::setSound(std::make_unique<QtSoundPlayer>());
    Services::setMessages(std::make_unique<QtMessageBox>());
    Services::setPrinterFactory(&QtPrinterSurface::defaultPrinter);
    Screens::open<intro0>();
}

void stopProgram() {
    Screens::unloadAll();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    Services::reset();
}
