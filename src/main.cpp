#include "app/FullScreen.h"
#include "app/Services.h"
#include "app/UserFolder.h"
#include "platform/MessageBox.h"
#include "screens/Startup.h"
#include "screens/exchange/ExchangeCommand.h"

#include <QApplication>
#include <QDir>

int main(int argc, char** argv) {
    if (const std::optional<int> status =
            runExchangeCommand(argc, argv, QStringLiteral(ORVELLES_INSTALLED_CONTENT)))
        return *status;
    QApplication app(argc, argv);
    // An installed program finds its content beside itself and works in the user's folder;
    // one started from its build tree stays in the working folder it was given.
    const UserFolder::Place place =
        UserFolder::settle(QDir(QCoreApplication::applicationDirPath())
                               .absoluteFilePath(QStringLiteral(ORVELLES_INSTALLED_CONTENT)),
                           QProcessEnvironment::systemEnvironment());
    if (!place.workingFolder.isEmpty())
        QDir::setCurrent(place.workingFolder);
    if (FullScreen::askedFor(QApplication::arguments()))
        FullScreen::enter();
    startProgram();
    if (!place.problem.isEmpty())
        Services::messages().show(place.problem, MessageBox::Buttons::Ok,
                                  QStringLiteral("The Orvelles"));
    const int status = QApplication::exec();
    stopProgram();
    return status;
}
