// Adds and removes worksheets in a folder through the program's own saving code, so that
// several copies can be run at once on a shared folder and their work checked afterwards.
//   sharedriver run FOLDER COPY OPERATIONS SEED   logs "begin|done|fail|retry add|del NAME" lines
//   sharedriver check FOLDER LOG...               exits 1 when a name is lost, doubled or torn
//   sharedriver record FOLDER MACHINE ENTRIES [FIRST]  adds class record entries numbered from
//                                                 FIRST, logging "begin|done record ID"
//   sharedriver checkrecord FOLDER LOG...         exits 1 when a done entry is missing or doubled,
//                                                 or one never begun is there
#include "formats/Catalogue.h"
#include "formats/ClassRecord.h"
#include "formats/Errors.h"
#include "formats/ItemReader.h"
#include "formats/QuestionFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QHash>
#include <QRandomGenerator>
#include <QSet>
#include <QTextStream>
#include <QThread>
#include <algorithm>
#include <cstdio>
#include <functional>

namespace {

QString catalogueIn(const QString& folder) {
    return QDir(folder).filePath(QStringLiteral("multiple/track.txt"));
}

QString questionFileIn(const QString& folder, const QString& name) {
    return QDir(folder).filePath(QStringLiteral("multiple/") + name + QStringLiteral(".txt"));
}

// Long enough texts that a save takes more than one write on the wire, so a cut shows.
WorksheetContent worksheetNamed(const QString& name) {
    WorksheetContent worksheet;
    worksheet.title = name;
    for (int q = 0; q < 10; ++q) {
        QuestionEntry& entry = worksheet.questions[size_t(q)];
        entry.text = name + QStringLiteral(" question ") + QString::number(q + 1) +
                     QString(600, QLatin1Char('x'));
        for (int a = 0; a < 4; ++a)
            entry.answers[size_t(a)] = name + QLatin1Char(' ') + QChar(u'A' + a);
        entry.correct = 1 + q % 4;
    }
    return worksheet;
}

void say(const char* what, const QString& op, const QString& name, const QString& why = {}) {
    std::printf("%s %s %s%s%s\n", what, qPrintable(op), qPrintable(name), why.isEmpty() ? "" : " ",
                qPrintable(why));
    std::fflush(stdout);
}

int run(const QString& folder, const QString& copy, int operations, quint32 seed) {
    // A save that fails is tried again, as a teacher would, with pauses that add up to longer
    // than the server's outage and a reconnection.
    constexpr int Tries = 6;
    QRandomGenerator random(seed);
    QStringList mine;
    QElapsedTimer saving;
    qint64 savingNs = 0;
    int saves = 0, failedTries = 0, givenUp = 0;
    for (int i = 0; i < operations; ++i) {
        const bool add = mine.isEmpty() || random.bounded(10) < 6;
        const QString name = add ? copy + QLatin1Char('-') + QString::number(i)
                                 : mine.at(int(random.bounded(qint64(mine.size()))));
        const QString op = add ? QStringLiteral("add") : QStringLiteral("del");
        say("begin", op, name);
        for (int attempt = 1;; ++attempt) {
            saving.start();
            try {
                CatalogueState state;
                if (add) {
                    writeQuestionFile(questionFileIn(folder, name), worksheetNamed(name));
                    trackworksheets(catalogueIn(folder), name, state);
                    mine << name;
                } else {
                    state.SelectedWorksheet = name;
                    delworksheet(catalogueIn(folder), state);
                    mine.removeOne(name);
                }
                savingNs += saving.nsecsElapsed();
                ++saves;
                say("done", op, name);
                break;
            } catch (const FileError& error) {
                ++failedTries;
                say("fail", op, name, QString::fromStdString(error.what()));
                if (attempt == Tries) {
                    ++givenUp;
                    break;
                }
                QThread::msleep(250UL << std::min(attempt - 1, 3));
                say("retry", op, name);
            }
        }
    }
    std::printf("copy %s: %d saves, %d given up, %d tries failed, %.1f ms a save\n",
                qPrintable(copy), saves, givenUp, failedTries,
                saves ? savingNs / 1e6 / saves : 0.0);
    return 0;
}

// Calls `line` with the words of each line of every log, in order; false (said on stderr) when
// a log cannot be read.
bool forEachLogLine(const QStringList& logs, const std::function<void(const QStringList&)>& line) {
    for (const QString& log : logs) {
        QFile file(log);
        if (!file.open(QIODevice::ReadOnly)) {
            std::fprintf(stderr, "cannot read %s\n", qPrintable(log));
            return false;
        }
        QTextStream in(&file);
        while (!in.atEnd())
            line(in.readLine().split(QLatin1Char(' ')));
    }
    return true;
}

int check(const QString& folder, const QStringList& logs) {
    // What each name must be: listed, absent, or either (its last operation did not finish).
    enum class Must { Listed, Absent, Either };
    QHash<QString, Must> must;
    const bool logsRead = forEachLogLine(logs, [&must](const QStringList& words) {
        if (words.size() < 3 || (words[1] != "add" && words[1] != "del"))
            return;
        if (words[0] == "begin" || words[0] == "fail")
            must[words[2]] = Must::Either;
        else if (words[0] == "done")
            must[words[2]] = words[1] == "add" ? Must::Listed : Must::Absent;
    });
    if (!logsRead)
        return 2;
    CatalogueState state;
    ReadCatalogue(catalogueIn(folder), state);
    int faults = 0;
    QSet<QString> listed;
    for (int k = 1; k <= state.WorksheetCount; ++k) {
        const QString name = state.WorksheetNames[size_t(k)];
        if (listed.contains(name))
            ++faults, std::printf("doubled: %s\n", qPrintable(name));
        listed.insert(name);
        if (!must.contains(name) || must[name] == Must::Absent)
            ++faults, std::printf("listed but removed or never added: %s\n", qPrintable(name));
        try {
            ItemReader reader = ItemReader::open(questionFileIn(folder, name));
            QuestionTables tables;
            LoadQuestionFile(reader, tables);
            if (tables.WorksheetTitle != name || !tables.QuestionText[10].startsWith(name))
                ++faults, std::printf("wrong question file: %s\n", qPrintable(name));
        } catch (const FileError& error) {
            ++faults, std::printf("torn or missing question file %s: %s\n", qPrintable(name),
                                  error.what());
        }
    }
    int either = 0;
    for (auto it = must.cbegin(); it != must.cend(); ++it) {
        if (it.value() == Must::Listed && !listed.contains(it.key()))
            ++faults, std::printf("lost: %s\n", qPrintable(it.key()));
        either += it.value() == Must::Either;
    }
    std::printf("checked: %lld names listed, %d unfinished operations, %d faults\n",
                qlonglong(listed.size()), either, faults);
    return faults ? 1 : 0;
}

// Appends `entries` entries as computer `machine` would, trying a failed one again as the
// program does not (it logs and goes on), so that the check can hold every entry to account.
int record(const QString& folder, const QString& machine, int entries, int first) {
    QDir().mkpath(folder);
    const QString file = QDir(folder).filePath(ClassRecord::fileNameFor(machine));
    int failedTries = 0;
    for (int i = first; i < first + entries; ++i) {
        ClassRecord::Entry e;
        e.id = machine + QLatin1Char('-') + QString::number(i);
        e.when = QDateTime::currentDateTime();
        e.pupil = QStringLiteral("Pupil %1").arg(i % 30);
        e.machine = machine;
        e.topic = QStringLiteral("Rich and Poor");
        e.activity = QStringLiteral("Multiple Choice");
        e.outOf = 10;
        for (int q = 1; q <= 10; ++q)
            e.answers.append({q, QString(QChar(u'A' + (i + q) % 4)), QStringLiteral("B")});
        say("begin", QStringLiteral("record"), e.id);
        for (int attempt = 1;; ++attempt) {
            try {
                ClassRecord::append(file, e);
                say("done", QStringLiteral("record"), e.id);
                break;
            } catch (const FileError& error) {
                ++failedTries;
                say("fail", QStringLiteral("record"), e.id, QString::fromStdString(error.what()));
                if (attempt == 6)
                    break;
                QThread::msleep(250UL << std::min(attempt - 1, 3));
            }
        }
    }
    std::printf("record %s: %d entries, %d tries failed\n", qPrintable(machine), entries,
                failedTries);
    return 0;
}

int checkRecord(const QString& folder, const QStringList& logs) {
    QSet<QString> begun, done;
    const bool logsRead = forEachLogLine(logs, [&](const QStringList& words) {
        if (words.size() >= 3 && words[1] == "record") {
            begun.insert(words[2]);
            if (words[0] == "done")
                done.insert(words[2]);
        }
    });
    if (!logsRead)
        return 2;
    // What the teacher's view reads: every file merged, an entry written twice counted once.
    const ClassRecord::Read read = ClassRecord::readFolder(folder);
    int faults = 0, written = 0;
    QSet<QString> seen;
    for (const ClassRecord::Entry& e : read.entries) {
        if (!begun.contains(e.id))
            ++faults, std::printf("never begun: %s\n", qPrintable(e.id));
        seen.insert(e.id);
    }
    for (const QString& id : done)
        if (!seen.contains(id))
            ++faults, std::printf("lost: %s\n", qPrintable(id));
    // Lines on disk, before the merge: a retried write that had gone through shows here.
    for (const QString& name : QDir(folder).entryList({QStringLiteral("*.csv")}, QDir::Files)) {
        QFile f(QDir(folder).filePath(name));
        if (f.open(QIODevice::ReadOnly))
            written += int(ClassRecord::parse(f.readAll(), name).entries.size());
    }
    std::printf("record checked: %lld entries read (%d lines written), %lld done, %lld begun, "
                "%lld damaged lines, %d faults\n",
                qlonglong(read.entries.size()), written, qlonglong(done.size()),
                qlonglong(begun.size()), qlonglong(read.problems.size()), faults);
    for (const QString& problem : read.problems)
        std::printf("  %s\n", qPrintable(problem));
    return faults ? 1 : 0;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    try {
        if (args.size() == 6 && args[1] == "run")
            return run(args[2], args[3], args[4].toInt(), args[5].toUInt());
        if (args.size() >= 3 && args[1] == "check")
            return check(args[2], args.mid(3));
        if ((args.size() == 5 || args.size() == 6) && args[1] == "record")
            return record(args[2], args[3], args[4].toInt(), args.value(5).toInt());
        if (args.size() >= 3 && args[1] == "checkrecord")
            return checkRecord(args[2], args.mid(3));
    } catch (const FileError& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 2;
    }
    std::fprintf(
        stderr,
        "usage: sharedriver run FOLDER COPY OPERATIONS SEED | check FOLDER LOG...\n"
        "       sharedriver record FOLDER MACHINE ENTRIES [FIRST] | checkrecord FOLDER LOG...\n");
    return 2;
}
