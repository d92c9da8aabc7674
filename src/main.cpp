#include "app/CommandLine.h"
#include "app/FullScreen.h"
#include "app/Services.h"
#include "app/UserFolder.h"
#include "formats/FileAccess.h"
#include "platform/MessageBox.h"
#include "screens/Startup.h"
#include "screens/exchange/ExchangeCommand.h"

#include <QApplication>
#include <QDir>
#include <cstdio>

int main(int argc, char** argv) {
    QByteArrayList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QByteArray(argv[i]);
    const CommandLine::Request request = CommandLine::parse(arguments);
    switch (request.action) {
    case CommandLine::Action::Help:
        std::fputs(CommandLine::usage().toUtf8().constData(), stdout);
        return 0;
    case CommandLine::Action::Version:
        std::fputs("orvelles " ORVELLES_VERSION "\n", stdout);
        return 0;
    case CommandLine::Action::Wrong:
        std::fprintf(stderr, "orvelles: %s\n%s", request.problem.toUtf8().constData(),
                     CommandLine::usage().toUtf8().constData());
        return 2;
    case CommandLine::Action::Export:
    case CommandLine::Action::Import:
        return runExchangeCommand(request.action == CommandLine::Action::Export, request.operands,
                                  argc, argv, QStringLiteral(ORVELLES_INSTALLED_CONTENT));
    case CommandLine::Action::Results:
        return runResultsCommand(request.operands, argc, argv,
                                 QStringLiteral(ORVELLES_INSTALLED_CONTENT));
    case CommandLine::Action::Start:
        break;
    }
    QApplication app(argc, argv);
    // An installed program finds its content beside itself and works in the user's folder;
    // one started from its build tree stays in the working folder it was given.
    const UserFolder::Place place =
        UserFolder::settle(QDir(QCoreApplication::applicationDirPath())
                               .absoluteFilePath(QStringLiteral(ORVELLES_INSTALLED_CONTENT)),
                           QProcessEnvironment::systemEnvironment());
    if (!place.workingFolder.isEmpty())
        QDir::setCurrent(place.workingFolder);
    FileAccess::guardFolder(QDir::currentPath());
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
