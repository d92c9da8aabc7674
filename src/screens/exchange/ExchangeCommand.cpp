#include "screens/exchange/ExchangeCommand.h"

#include "app/UserFolder.h"
#include "formats/exchange/Exchange.h"
#include "screens/exchange/Exports.h"

#include <QCoreApplication>
#include <QDir>

#include <QFile>
#include <cstdio>

namespace {

void print(FILE* stream, const QString& text) {
    std::fputs(text.toLocal8Bit().constData(), stream);
}

int exportCommand(const QStringList& args) {
    const std::optional<Exports::Kind> kind = Exports::kindNamed(args.value(0));
    if (args.size() != 3 || !kind) {
        print(stderr, QStringLiteral("usage: orvelles --export gift|aiken|moodle-xml|web "
                                     "WORKSHEET FILE\n"));
        return 2;
    }
    try {
        Exports::exportWorksheet(*kind, args[1], args[2]);
    } catch (const std::exception& error) {
        print(stderr, QStringLiteral("Could not export \"%1\": %2\n")
                          .arg(args[1], QString::fromUtf8(error.what())));
        return 1;
    }
    print(stdout, QStringLiteral("Wrote \"%1\" as %2 to %3\n")
                      .arg(args[1], Exports::kindName(*kind), args[2]));
    return 0;
}

int importCommand(const QStringList& args) {
    if (args.size() != 1) {
        print(stderr, QStringLiteral("usage: orvelles --import FILE\n"));
        return 2;
    }
    QFile file(args[0]);
    if (!file.open(QIODevice::ReadOnly)) {
        print(stderr, QStringLiteral("Could not open %1: %2\n").arg(args[0], file.errorString()));
        return 1;
    }
    try {
        Exchange::checkSize(file.size());
        print(stdout, Exports::report(Exchange::read(file.readAll())));
    } catch (const std::exception& error) {
        print(stderr, QStringLiteral("Could not read %1: %2\n")
                          .arg(args[0], QString::fromUtf8(error.what())));
        return 1;
    }
    return 0;
}

} // namespace

std::optional<int> runExchangeCommand(const QStringList& arguments) {
    const qsizetype exportAt = arguments.indexOf(QStringLiteral("--export"));
    if (exportAt >= 0)
        return exportCommand(arguments.mid(exportAt + 1));
    const qsizetype importAt = arguments.indexOf(QStringLiteral("--import"));
    if (importAt >= 0)
        return importCommand(arguments.mid(importAt + 1));
    return std::nullopt;
}

std::optional<int> runExchangeCommand(int argc, char** argv, const QString& installedContent) {
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    if (!arguments.contains(QStringLiteral("--export")) &&
        !arguments.contains(QStringLiteral("--import")))
        return std::nullopt;
    QCoreApplication app(argc, argv);
    const UserFolder::Place place = UserFolder::settle(
        QDir(QCoreApplication::applicationDirPath()).absoluteFilePath(installedContent),
        QProcessEnvironment::systemEnvironment());
    if (!place.workingFolder.isEmpty())
        QDir::setCurrent(place.workingFolder);
    if (!place.problem.isEmpty())
        print(stderr, place.problem + QLatin1Char('\n'));
    return runExchangeCommand(arguments);
}
