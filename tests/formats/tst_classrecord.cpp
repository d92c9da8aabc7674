#include "formats/ClassRecord.h"
#include "formats/Errors.h"
#include "formats/FileAccess.h"
#include "support/TempContent.h"

#include <QDir>
#include <QFile>
#include <QTest>
#include <atomic>
#include <cerrno>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

using namespace ClassRecord;

namespace {

Entry entry(const QString& machine, int n, const QString& pupil = QStringLiteral("Amy")) {
    Entry e;
    e.id = machine + QStringLiteral("-") + QString::number(n);
    e.when = QDateTime(QDate(2026, 12, 8), QTime(9, 0).addSecs(n * 60), Qt::UTC);
    e.pupil = pupil;
    e.machine = machine;
    e.topic = QStringLiteral("Rich and Poor");
    e.activity = QStringLiteral("Multiple Choice");
    e.score = 7;
    e.outOf = 10;
    e.answers = {{1, "B", "B"}, {2, "", "C"}, {10, "D", "A"}};
    return e;
}

QByteArray bytesOf(const QString& path) {
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    return f.readAll();
}

void overwrite(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    f.open(QIODevice::WriteOnly | QIODevice::Truncate);
    f.write(bytes);
}

// A share that reports an entry's write whole while readers will find something else: half of
// it kept, the file at the path replaced by one without it (the descriptor still seeing what it
// wrote, as a share's cache does), or the write kept but reported failed.
enum class Fault { HalfKept, AnotherFile, KeptReportedFailed };
Fault fault;
QString faultyFile;

qint64 faultyWrite(int fd, const QByteArray& bytes, qint64 offset) {
    if (fault == Fault::HalfKept)
        return ::pwrite(fd, bytes.constData(), size_t(bytes.size() / 2), offset) < 0 ? -1
                                                                                     : bytes.size();
    const QByteArray before = bytesOf(faultyFile);
    const qint64 written = ::pwrite(fd, bytes.constData(), size_t(bytes.size()), offset);
    if (fault == Fault::AnotherFile) {
        QFile::remove(faultyFile);
        overwrite(faultyFile, before);
        return written;
    }
    errno = EIO;
    return -1;
}

} // namespace

class TestClassRecord : public QObject {
    Q_OBJECT
private slots:
    void textsComeBackAsWritten_data();
    void textsComeBackAsWritten();
    void threeMachinesMerged();
    void refusesWhatIsNoFile();
    void pupilRemoved();
    void twoCopiesOnOneComputer();
    void entryReportedFailedUnlessKept_data();
    void entryReportedFailedUnlessKept();
};

void TestClassRecord::textsComeBackAsWritten_data() {
    QTest::addColumn<QString>("pupil");
    QTest::addColumn<QString>("read");
    QTest::newRow("plain") << "Amy"
                           << "Amy";
    QTest::newRow("comma and quotes") << "Jo, \"JJ\""
                                      << "Jo, \"JJ\"";
    QTest::newRow("line end") << "Ann\nBeth"
                              << "Ann Beth";
    QTest::newRow("blanks kept") << " Tom "
                                 << " Tom ";
    QTest::newRow("letters") << "Zoë Ólafsdóttir"
                             << "Zoë Ólafsdóttir";
}

void TestClassRecord::textsComeBackAsWritten() {
    QFETCH(QString, pupil);
    QFETCH(QString, read);
    Entry e = entry("pc1", 1, pupil);
    e.topic = pupil;
    e.wrongBoxes = {2, 5};
    const Read back = parse(header().toUtf8() + '\n' + lineOf(e).toUtf8() + '\n', "pc1.csv");
    QCOMPARE(back.problems, QStringList());
    QCOMPARE(back.entries.size(), 1);
    e.pupil = e.topic = read;
    QCOMPARE(back.entries[0], e);
}

// Three computers' files: one cut short while written, one with a damaged line, one holding an
// entry written twice (a retry after the share went away). Every whole entry is read once, in
// time order, and each damage is named; the next entry after a torn line stands on its own.
void TestClassRecord::threeMachinesMerged() {
    TempContent folder;
    for (int n = 0; n < 9; ++n) {
        const QString machine = QStringLiteral("pc%1").arg(n % 3);
        append(folder.path() + "/" + fileNameFor(machine), entry(machine, n));
    }
    const QString pc0 = folder.path() + "/pc0.csv";
    overwrite(pc0, bytesOf(pc0).chopped(7));
    const QString pc1 = folder.path() + "/pc1.csv";
    QByteArray damaged = bytesOf(pc1);
    damaged[damaged.indexOf("pc1-4") + 4] = '9';
    overwrite(pc1, damaged);
    const QString pc2 = folder.path() + "/pc2.csv";
    append(pc2, entry("pc2", 5));

    Read read = readFolder(folder.path());
    QStringList ids;
    for (const Entry& e : read.entries)
        ids.append(e.id);
    QCOMPARE(ids, QStringList({"pc0-0", "pc1-1", "pc2-2", "pc0-3", "pc2-5", "pc1-7", "pc2-8"}));
    QCOMPARE(read.problems, QStringList({"pc0.csv, line 4: cut short",
                                         "pc1.csv, line 3: damaged (its check does not match)"}));

    append(pc0, entry("pc0", 9));
    read = readFolder(folder.path());
    QCOMPARE(read.entries.size(), 8);
    QCOMPARE(read.entries.last().id, QStringLiteral("pc0-9"));
    QCOMPARE(read.problems.first(),
             QStringLiteral("pc0.csv, line 4: damaged (its check does not match)"));
}

void TestClassRecord::refusesWhatIsNoFile() {
    TempContent folder;
    const QString fifo = folder.path() + "/pc9.csv";
    QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    QVERIFY_THROWS_EXCEPTION(RefusedFileError, append(fifo, entry("pc9", 1)));
    QFile::link(folder.path() + "/elsewhere.txt", folder.path() + "/pc8.csv");
    FileAccess::guardFolder(folder.path());
    QVERIFY_THROWS_EXCEPTION(RefusedFileError, append(folder.path() + "/pc8.csv", entry("pc8", 1)));
    FileAccess::clearGuardedFolders();
    QVERIFY(!QFile::exists(folder.path() + "/elsewhere.txt"));
    QCOMPARE(readFolder(folder.path()).problems.size(), 2);
}

void TestClassRecord::pupilRemoved() {
    TempContent folder;
    const QString file = folder.path() + "/pc1.csv";
    append(file, entry("pc1", 1, "Amy"));
    append(file, entry("pc1", 2, "Ben"));
    append(file, entry("pc1", 3, "Amy"));
    removePupil(file, "Amy");
    const Read read = readFolder(folder.path());
    QCOMPARE(read.entries.size(), 1);
    QCOMPARE(read.entries[0].pupil, QStringLiteral("Ben"));
    QVERIFY(bytesOf(file).startsWith(header().toUtf8() + '\n'));
}

// Two copies of the program on one computer (a terminal server) add to the same file while a
// teacher removes a pupil: every entry is kept, none fails.
void TestClassRecord::twoCopiesOnOneComputer() {
    TempContent folder;
    const QString file = folder.path() + "/pc1.csv";
    append(file, entry("pc1", 0, "Zed"));
    std::atomic<int> failed = 0;
    const auto copy = [&](const QString& name) {
        for (int n = 1; n <= 100; ++n) {
            try {
                append(file, entry(name, n));
            } catch (const std::exception&) {
                ++failed;
            }
        }
    };
    std::thread a(copy, QStringLiteral("a")), b(copy, QStringLiteral("b"));
    for (int i = 0; i < 20; ++i)
        removePupil(file, "Zed");
    a.join();
    b.join();
    QCOMPARE(failed.load(), 0);
    const Read read = readFolder(folder.path());
    QCOMPARE(read.problems, QStringList());
    QCOMPARE(read.entries.size(), 200);
}

void TestClassRecord::entryReportedFailedUnlessKept_data() {
    QTest::addColumn<Fault>("planted");
    QTest::newRow("half kept") << Fault::HalfKept;
    QTest::newRow("another file") << Fault::AnotherFile;
    QTest::newRow("kept, reported failed") << Fault::KeptReportedFailed;
}

// Whatever the share kept, the entry is reported failed; added again, it is read once.
void TestClassRecord::entryReportedFailedUnlessKept() {
    QFETCH(Fault, planted);
    TempContent folder;
    faultyFile = folder.path() + "/pc1.csv";
    append(faultyFile, entry("pc1", 1));
    fault = planted;
    useWriteStep(faultyWrite);
    bool reportedDone = true;
    try {
        append(faultyFile, entry("pc1", 2));
    } catch (const FileAccessError&) {
        reportedDone = false;
    }
    useWriteStep(nullptr);
    QVERIFY(!reportedDone);
    append(faultyFile, entry("pc1", 2));
    QStringList ids;
    for (const Entry& e : readFolder(folder.path()).entries)
        ids.append(e.id);
    QCOMPARE(ids, QStringList({"pc1-1", "pc1-2"}));
}

QTEST_GUILESS_MAIN(TestClassRecord)
#include "tst_classrecord.moc"
