#include "screens/exchange/ExchangeCommand.h"

#include "app/CommandLine.h"
#include "app/UserFolder.h"
#include "formats/ClassRecord.h"
#include "formats/Errors.h"
#include "formats/FileAccess.h"
#include "formats/SafeFile.h"
#include "formats/exchange/Exchange.h"
#include "platform/ContentPath.h"
#include "screens/activities/ClassMode.h"
#include "screens/exchange/Exports.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <cstdio>
#include <unistd.h>

namespace {

void print(FILE* stream, const QString& text) {
    std::fputs(CommandLine::forTerminal(text).toUtf8().constData(), stream);
}

QString shown(const QByteArray& path) {
    return FileAccess::displayName(path);
}

QByteArray absolute(const QByteArray& path) {
    if (path.startsWith('/'))
        return path;
    char here[4096];
    return ::getcwd(here, sizeof here) ? QByteArray(here) + '/' + path : path;
}

} // namespace

int exportCommand(const QByteArrayList& operands) {
    const std::optional<Exports::Kind> kind =
        Exports::kindNamed(QString::fromUtf8(operands.value(0)));
    if (operands.size() != 3 || !kind) {
        print(stderr, QStringLiteral("usage: orvelles --export gift|aiken|moodle-xml|web "
                                     "WORKSHEET FILE\n"));
        return 2;
    }
    const QString name = QString::fromUtf8(operands[1]);
    try {
        replaceFileNative(operands[2], Exports::bytes(*kind, Exports::loadWorksheet(name)));
    } catch (const std::exception& error) {
        print(stderr, QStringLiteral("Could not export \"%1\": %2\n")
                          .arg(name, QString::fromUtf8(error.what())));
        return 1;
    }
    print(stdout, QStringLiteral("Wrote \"%1\" as %2 to %3\n")
                      .arg(name, Exports::kindName(*kind), shown(operands[2])));
    return 0;
}

int importCommand(const QByteArrayList& operands) {
    if (operands.size() != 1) {
        print(stderr, QStringLiteral("usage: orvelles --import FILE\n"));
        return 2;
    }
    try {
        const QByteArray bytes = FileAccess::readNative(operands[0], FileAccess::Kind::Import);
        print(stdout, Exports::report(Exchange::read(bytes)));
    } catch (const FileAccessError& error) {
        // It names the file already.
        print(stderr,
              QStringLiteral("Could not import: %1\n").arg(QString::fromUtf8(error.what())));
        return 1;
    } catch (const std::exception& error) {
        print(stderr, QStringLiteral("Could not read %1: %2\n")
                          .arg(shown(operands[0]), QString::fromUtf8(error.what())));
        return 1;
    }
    return 0;
}

std::optional<int> runExchangeCommand(const QStringList& arguments) {
    QByteArrayList bytes;
    for (const QString& argument : arguments)
        bytes << QFile::encodeName(argument);
    const qsizetype exportAt = bytes.indexOf("--export");
    if (exportAt >= 0)
        return exportCommand(bytes.mid(exportAt + 1));
    const qsizetype importAt = bytes.indexOf("--import");
    if (importAt >= 0)
        return importCommand(bytes.mid(importAt + 1));
    return std::nullopt;
}

int resultsCommand(const QByteArrayList& operands) {
    if (operands.size() != 2 || operands[0] != "csv") {
        print(stderr, QStringLiteral("usage: orvelles --results csv FILE\n"));
        return 2;
    }
    const ClassRecord::Read read =
        ClassRecord::readFolder(ContentPath::resolve(ClassMode::recordFolder));
    for (const QString& problem : read.problems)
        print(stderr, QStringLiteral("Left out: %1\n").arg(problem));
    try {
        replaceFileNative(operands[1], ClassRecord::exportCsv(read.entries));
    } catch (const std::exception& error) {
        print(stderr, QStringLiteral("Could not write the results: %1\n")
                          .arg(QString::fromUtf8(error.what())));
        return 1;
    }
    print(stdout, QStringLiteral("Wrote %1 entries to %2\n")
                      .arg(read.entries.size())
                      .arg(FileAccess::displayName(operands[1])));
    return 0;
}

namespace {

// Runs `command` on `operands` in the working folder the program would use, with the last
// operand, a file the script named, taken from where the script runs.
int inWorkingFolder(QByteArrayList operands, int argc, char** argv, const QString& installedContent,
                    int (*command)(const QByteArrayList&)) {
    if (!operands.isEmpty())
        operands.last() = absolute(operands.last());
    QCoreApplication app(argc, argv);
    const UserFolder::Place place = UserFolder::settle(
        QDir(QCoreApplication::applicationDirPath()).absoluteFilePath(installedContent),
        QProcessEnvironment::systemEnvironment());
    if (!place.workingFolder.isEmpty())
        QDir::setCurrent(place.workingFolder);
    FileAccess::guardFolder(QDir::currentPath());
    if (!place.problem.isEmpty())
        print(stderr, place.problem + QLatin1Char('\n'));
    return command(operands);
}

} // namespace

int runExchangeCommand(bool exporting, QByteArrayList operands, int argc, char** argv,
                       const QString& installedContent) {
    return inWorkingFolder(std::move(operands), argc, argv, installedContent,
                           exporting ? &exportCommand : &importCommand);
}

int runResultsCommand(QByteArrayList operands, int argc, char** argv,
                      const QString& installedContent) {
    return inWorkingFolder(std::move(operands), argc, argv, installedContent, &resultsCommand);
}
