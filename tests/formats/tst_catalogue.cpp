#include "FileSizeLimit.h"
#include "formats/Catalogue.h"
#include "formats/Errors.h"
#include "formats/SafeFile.h"

#include "support/TempContent.h"

#include <QDir>
#include <QLockFile>
#include <QProcess>
#include <QTest>
#include <functional>

namespace {

enum Failure { None, Access, PastEnd, Format };

Failure failureOf(const std::function<void()>& operation) {
    try {
        operation();
        return None;
    } catch (const ReadPastEndError&) {
        return PastEnd;
    } catch (const FormatError&) {
        return Format;
    } catch (const FileAccessError&) {
        return Access;
    }
}

const QString Track = QStringLiteral("multiple/track.txt");

QStringList sheets(int n, const QString& prefix = QStringLiteral("Sheet ")) {
    QStringList names;
    for (int k = 1; k <= n; ++k)
        names << prefix + QString::number(k);
    return names;
}

QByteArray catalogueFile(const QStringList& names, qsizetype count = -1) {
    QByteArray bytes = " " + QByteArray::number(count < 0 ? names.size() : count) + " \r\n";
    for (const QString& name : names)
        bytes += name.toLatin1() + "\r\n";
    return bytes;
}

CatalogueState staleState() {
    CatalogueState state;
    state.WorksheetCount = 7;
    state.WorksheetNames.fill(QStringLiteral("old"));
    return state;
}

QStringList listed(const CatalogueState& state) {
    QStringList names;
    for (int k = 1; k <= state.WorksheetCount; ++k)
        names << state.WorksheetNames[k];
    return names;
}

// A null `bytes` leaves the catalogue file out.
void setUpCatalogue(const TempContent& content, const QByteArray& bytes) {
    QDir().mkpath("multiple");
    if (!bytes.isNull())
        content.write(Track, bytes);
}

// Run as a separate copy of the program: adds prefix1..prefixN, then removes the odd ones.
int runWorker(const QString& trackPath, const QString& prefix, int n) {
    try {
        CatalogueState state;
        for (const QString& name : sheets(n, prefix))
            trackworksheets(trackPath, name, state);
        for (int i = 1; i <= n; i += 2) {
            state.SelectedWorksheet = prefix + QString::number(i);
            delworksheet(trackPath, state);
        }
        return 0;
    } catch (const FileError& error) {
        qWarning("worker %s: %s", qPrintable(prefix), error.what());
        return 1;
    }
}

} // namespace

class TestCatalogue : public QObject {
    Q_OBJECT
private slots:
    void read_data();
    void read();
    void add_data();
    void add();
    void remove_data();
    void remove();
    void awkwardNamesReadBackExactly();
    void nameAtStaysInsideTheTable();
    void failedRewriteKeepsCatalogue_data();
    void failedRewriteKeepsCatalogue();
    void heldLockIsWaitedForThenRefused();
    void lockLeftByDeadCopyIsTakenOver();
    void concurrentCopiesLoseNoName();
};

void TestCatalogue::read_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("failure");
    QTest::addColumn<int>("count");
    QTest::addColumn<QStringList>("names");
    QTest::newRow("missing file") << QByteArray() << int(Access) << 7 << QStringList();
    QTest::newRow("empty catalogue") << QByteArray(" 0 \r\n") << int(None) << 0 << QStringList();
    QTest::newRow("three names") << QByteArray(" 3 \r\nA\r\nB\r\nC\r\n") << int(None) << 3
                                 << QStringList{"A", "B", "C"};
    QTest::newRow("bare LF, no final line end")
        << QByteArray("2\nA\nB") << int(None) << 2 << QStringList{"A", "B"};
    QTest::newRow("names read as whole lines")
        << QByteArray(" 5 \r\nSmith, John\r\n\"Quoted\" tail\r\n  leading\r\ntrailing  \r\n\r\n")
        << int(None) << 5
        << QStringList{"Smith, John", "\"Quoted\" tail", "  leading", "trailing  ", ""};
    QTest::newRow("Windows-1252 name") << QByteArray(" 1 \r\nCh\xE2teau \x80\r\n") << int(None) << 1
                                       << QStringList{u"Ch\u00E2teau \u20AC"_qs};
    QTest::newRow("UTF-8 with a byte-order mark")
        << QByteArray("\xEF\xBB\xBF 2 \r\nCaf\xC3\xA9\r\n\xC5\x81\xC3\xB3"
                      "d\xC5\xBA\r\n")
        << int(None) << 2 << QStringList{u"Caf\u00E9"_qs, u"\u0141\u00F3d\u017A"_qs};
    QTest::newRow("bare CR line ends")
        << QByteArray(" 2 \rA\rB\r") << int(None) << 2 << QStringList{"A", "B"};
    QTest::newRow("count larger than names: names read so far stay")
        << QByteArray(" 3 \r\nA\r\nB\r\n") << int(PastEnd) << 3 << QStringList{"A", "B"};
    QTest::newRow("count smaller than names")
        << QByteArray(" 2 \r\nA\r\nB\r\nC\r\n") << int(None) << 2 << QStringList{"A", "B"};
    QTest::newRow("0 bytes") << QByteArray("") << int(PastEnd) << 7 << QStringList();
    QTest::newRow("count not a number")
        << QByteArray("three\r\nA\r\n") << int(Format) << 7 << QStringList();
    QTest::newRow("count with a fraction")
        << QByteArray(" 2.5 \r\nA\r\nB\r\n") << int(Format) << 7 << QStringList();
    QTest::newRow("empty count line")
        << QByteArray("\r\nA\r\n") << int(Format) << 7 << QStringList();
    QTest::newRow("negative count")
        << QByteArray(" -2 \r\nA\r\n") << int(Format) << 7 << QStringList();
    QTest::newRow("1000 names") << catalogueFile(sheets(1000)) << int(None) << 1000 << sheets(1000);
    QTest::newRow("1001 names: first 1000 kept")
        << catalogueFile(sheets(1001)) << int(Format) << 1000 << sheets(1000);
    QTest::newRow("count far past the table")
        << catalogueFile(sheets(1000), 99999) << int(Format) << 1000 << sheets(1000);
}

void TestCatalogue::read() {
    QFETCH(QByteArray, bytes);
    QFETCH(int, failure);
    QFETCH(int, count);
    QFETCH(QStringList, names);
    TempContent content;
    setUpCatalogue(content, bytes);
    CatalogueState state = staleState();
    QCOMPARE(failureOf([&] { ReadCatalogue(Track, state); }), Failure(failure));
    QCOMPARE(state.WorksheetCount, count);
    for (int k = 1; k <= names.size(); ++k)
        QCOMPARE(state.WorksheetNames[k], names[k - 1]);
    if (names.size() < CatalogueState::MaxNames)
        QCOMPARE(state.WorksheetNames[names.size() + 1], u"old"_qs);
}

void TestCatalogue::add_data() {
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QString>("title");
    QTest::addColumn<int>("failure");
    QTest::addColumn<QByteArray>("after");
    QTest::addColumn<int>("count");
    const QByteArray ab(" 2 \r\nA\r\nB\r\n");
    QTest::newRow("first name") << QByteArray(" 0 \r\n") << "Tudors" << int(None)
                                << QByteArray(" 1 \r\nTudors\r\n") << 0;
    QTest::newRow("added last") << ab << "C" << int(None) << QByteArray(" 3 \r\nA\r\nB\r\nC\r\n")
                                << 2;
    QTest::newRow("already listed: file untouched")
        << QByteArray("2\nA\nB\n") << "B" << int(None) << QByteArray("2\nA\nB\n") << 2;
    QTest::newRow("differs in case: the same worksheet, file untouched")
        << ab << "b" << int(None) << ab << 2;
    QTest::newRow("stored exactly as typed")
        << ab << " \"Kings\", Queens & " << int(None)
        << QByteArray(" 3 \r\nA\r\nB\r\n \"Kings\", Queens & \r\n") << 2;
    QTest::newRow("Windows-1252 title")
        << ab << u"Caf\u00E9"_qs << int(None) << QByteArray(" 3 \r\nA\r\nB\r\nCaf\xE9\r\n") << 2;
    QTest::newRow("LF file rewritten with CR LF")
        << QByteArray("2\nA\nB\n") << "C" << int(None) << QByteArray(" 3 \r\nA\r\nB\r\nC\r\n") << 2;
    QTest::newRow("lines past the count dropped")
        << QByteArray(" 2 \r\nA\r\nB\r\nstray\r\n") << "C" << int(None)
        << QByteArray(" 3 \r\nA\r\nB\r\nC\r\n") << 2;
    QTest::newRow("lone CR in a listed name")
        << QByteArray(" 2 \r\nA\rB\r\nC\r\n") << "D" << int(None)
        << QByteArray(" 3 \r\nA\rB\r\nC\r\nD\r\n") << 2;
    QTest::newRow("byte-order mark: names kept, saved in the code page")
        << QByteArray("\xEF\xBB\xBF 2 \r\nCaf\xC3\xA9\r\nB\r\n") << "C" << int(None)
        << QByteArray(" 3 \r\nCaf\xE9\r\nB\r\nC\r\n") << 2;
    QTest::newRow("byte-order mark, a name outside the code page: stays UTF-8")
        << QByteArray("\xEF\xBB\xBF 1 \r\n\xC5\x81\xC3\xB3"
                      "d\xC5\xBA\r\n")
        << "C" << int(None)
        << QByteArray("\xEF\xBB\xBF 2 \r\n\xC5\x81\xC3\xB3"
                      "d\xC5\xBA\r\nC\r\n")
        << 1;
    QTest::newRow("bare CR line ends: rewritten with CR LF")
        << QByteArray(" 2 \rA\rB\r") << "C" << int(None) << QByteArray(" 3 \r\nA\r\nB\r\nC\r\n")
        << 2;
    QTest::newRow("999 names: 1000th added") << catalogueFile(sheets(999)) << "Sheet 1000"
                                             << int(None) << catalogueFile(sheets(1000)) << 999;
    QTest::newRow("missing file") << QByteArray() << "C" << int(Access) << QByteArray() << 7;
    QTest::newRow("count larger than names")
        << QByteArray(" 3 \r\nA\r\nB\r\n") << "C" << int(PastEnd) << QByteArray(" 3 \r\nA\r\nB\r\n")
        << 3;
    QTest::newRow("count not a number")
        << QByteArray("x\r\nA\r\n") << "C" << int(Format) << QByteArray("x\r\nA\r\n") << 7;
    QTest::newRow("1000 names: full") << catalogueFile(sheets(1000)) << "New" << int(Format)
                                      << catalogueFile(sheets(1000)) << 1000;
    QTest::newRow("title outside the code page") << ab << u"\u0101"_qs << int(Format) << ab << 7;
    QTest::newRow("title with a line break") << ab << "X\r\nY" << int(Format) << ab << 7;
}

void TestCatalogue::add() {
    QFETCH(QByteArray, before);
    QFETCH(QString, title);
    QFETCH(int, failure);
    QFETCH(QByteArray, after);
    QFETCH(int, count);
    TempContent content;
    setUpCatalogue(content, before);
    CatalogueState state = staleState();
    QCOMPARE(failureOf([&] { trackworksheets(Track, title, state); }), Failure(failure));
    QCOMPARE(content.read(Track), after);
    QCOMPARE(content.exists(Track), !before.isNull());
    QCOMPARE(state.WorksheetCount, count);
    if (failure == None && after != before)
        QCOMPARE(state.WorksheetNames[count + 1], title);
    else if (count < CatalogueState::MaxNames)
        QVERIFY(state.WorksheetNames[count + 1] != title);
    QVERIFY(!content.exists(Track + ".lock"));
}

void TestCatalogue::remove_data() {
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QString>("selected");
    QTest::addColumn<int>("failure");
    QTest::addColumn<QByteArray>("after");
    QTest::addColumn<QStringList>("names");
    const QByteArray abc(" 3 \r\nA\r\nB\r\nC\r\n");
    QTest::newRow("only name") << QByteArray(" 1 \r\nA\r\n") << "A" << int(None)
                               << QByteArray(" 0 \r\n") << QStringList();
    QTest::newRow("middle") << abc << "B" << int(None) << QByteArray(" 2 \r\nA\r\nC\r\n")
                            << QStringList{"A", "C"};
    QTest::newRow("first") << abc << "A" << int(None) << QByteArray(" 2 \r\nB\r\nC\r\n")
                           << QStringList{"B", "C"};
    QTest::newRow("last") << abc << "C" << int(None) << QByteArray(" 2 \r\nA\r\nB\r\n")
                          << QStringList{"A", "B"};
    QTest::newRow("listed twice: last one goes")
        << QByteArray(" 3 \r\nA\r\nB\r\nA\r\n") << "A" << int(None)
        << QByteArray(" 2 \r\nA\r\nB\r\n") << QStringList{"A", "B"};
    QTest::newRow("not listed: nothing changes")
        << abc << "D" << int(None) << abc << QStringList{"A", "B", "C"};
    QTest::newRow("differs in case: nothing changes")
        << abc << "b" << int(None) << abc << QStringList{"A", "B", "C"};
    QTest::newRow("name with a comma")
        << QByteArray(" 2 \r\nSmith, John\r\nB\r\n") << "Smith, John" << int(None)
        << QByteArray(" 1 \r\nB\r\n") << QStringList{"B"};
    // A name spoilt by a lone CR, from a file damaged or edited elsewhere, goes back as read
    // rather than stopping every later change to the catalogue.
    QTest::newRow("lone CR in another name")
        << QByteArray(" 3 \r\nCh\xE2u\rae\r\nB\r\nx\r\r\n") << "B" << int(None)
        << QByteArray(" 2 \r\nCh\xE2u\rae\r\nx\r\r\n") << QStringList{u"Ch\u00E2u\rae"_qs, "x\r"};
    QTest::newRow("missing file") << QByteArray() << "A" << int(Access) << QByteArray()
                                  << QStringList();
    QTest::newRow("count larger than names")
        << QByteArray(" 3 \r\nA\r\nB\r\n") << "A" << int(PastEnd) << QByteArray(" 3 \r\nA\r\nB\r\n")
        << QStringList();
}

void TestCatalogue::remove() {
    QFETCH(QByteArray, before);
    QFETCH(QString, selected);
    QFETCH(int, failure);
    QFETCH(QByteArray, after);
    QFETCH(QStringList, names);
    TempContent content;
    setUpCatalogue(content, before);
    CatalogueState state = staleState();
    state.SelectedWorksheet = selected;
    QCOMPARE(failureOf([&] { delworksheet(Track, state); }), Failure(failure));
    QCOMPARE(content.read(Track), after);
    if (failure == None)
        QCOMPARE(listed(state), names);
    QVERIFY(!content.exists(Track + ".lock"));
}

void TestCatalogue::awkwardNamesReadBackExactly() {
    TempContent content;
    setUpCatalogue(content, " 0 \r\n");
    const QStringList names = {"Smith, John",
                               "\"Quoted\" title",
                               "   leading blanks",
                               "trailing blanks   ",
                               "Salt & Pepper",
                               ",",
                               "\"",
                               "3"};
    CatalogueState state;
    for (const QString& name : names)
        trackworksheets(Track, name, state);
    ReadCatalogue(Track, state);
    QCOMPARE(listed(state), names);
}

void TestCatalogue::nameAtStaysInsideTheTable() {
    CatalogueState state;
    state.WorksheetNames[1] = "first";
    state.WorksheetNames[1000] = "last";
    QCOMPARE(state.nameAt(1), u"first"_qs);
    QCOMPARE(state.nameAt(1000), u"last"_qs);
    for (int k : {0, -1, 1001, -2147483647 - 1, 2147483647})
        QVERIFY(state.nameAt(k).isEmpty());
}

void TestCatalogue::failedRewriteKeepsCatalogue_data() {
    QTest::addColumn<bool>("adding");
    QTest::newRow("add") << true;
    QTest::newRow("remove") << false;
}

// The disk fills while the catalogue is being rewritten: the old catalogue must survive whole.
void TestCatalogue::failedRewriteKeepsCatalogue() {
    QFETCH(bool, adding);
    TempContent content;
    const QStringList names = sheets(5, QString(60, 'w'));
    const QByteArray before = catalogueFile(names);
    setUpCatalogue(content, before);
    CatalogueState state;
    state.SelectedWorksheet = names[0];
    Failure failure;
    {
        FileSizeLimit diskFull(adding ? before.size() + 20 : 200);
        failure = failureOf([&] {
            adding ? trackworksheets(Track, QString(60, 'n'), state) : delworksheet(Track, state);
        });
    }
    QCOMPARE(failure, Access);
    QCOMPARE(content.read(Track), before);
    QCOMPARE(listed(state), names);
    QCOMPARE(state.WorksheetNames[6], QString());
    QCOMPARE(QDir("multiple").entryList(QDir::Files), QStringList{"track.txt"});
}

void TestCatalogue::heldLockIsWaitedForThenRefused() {
    TempContent content;
    setUpCatalogue(content, " 0 \r\n");
    QLockFile other(Track + ".lock");
    QVERIFY(other.tryLock(0));
    QVERIFY_THROWS_EXCEPTION(FileAccessError, FileLock(Track, std::chrono::milliseconds(50)));
    other.unlock();
    FileLock mine(Track, std::chrono::milliseconds(50));
    QVERIFY(content.exists(Track + ".lock"));
}

void TestCatalogue::lockLeftByDeadCopyIsTakenOver() {
    TempContent content;
    setUpCatalogue(content, " 0 \r\n");
    content.write(Track + ".lock", "4242\nOrvelles\nanother-machine\n");
    QFile lock(Track + ".lock");
    QVERIFY(lock.open(QIODevice::ReadWrite));
    QVERIFY(lock.setFileTime(QDateTime::currentDateTime().addSecs(-3600),
                             QFileDevice::FileModificationTime));
    lock.close();
    CatalogueState state;
    trackworksheets(Track, "After the crash", state);
    QCOMPARE(content.read(Track), QByteArray(" 1 \r\nAfter the crash\r\n"));
    QVERIFY(!content.exists(Track + ".lock"));
}

// Three copies of the program add and remove names on one folder at the same time.
void TestCatalogue::concurrentCopiesLoseNoName() {
    TempContent content;
    setUpCatalogue(content, " 0 \r\n");
    const QString path = QDir(content.path()).filePath(Track);
    const int perCopy = 30;
    QList<QProcess*> copies;
    QStringList expected;
    for (const QString prefix : {"red ", "green ", "blue "}) {
        auto* copy = new QProcess(this);
        copy->setProcessChannelMode(QProcess::ForwardedChannels);
        copy->start(QCoreApplication::applicationFilePath(),
                    {"--catalogue-worker", path, prefix, QString::number(perCopy)});
        copies << copy;
        for (int i = 2; i <= perCopy; i += 2)
            expected << prefix + QString::number(i);
    }
    for (QProcess* copy : copies) {
        QVERIFY(copy->waitForFinished(240000));
        QCOMPARE(copy->exitStatus(), QProcess::NormalExit);
        QCOMPARE(copy->exitCode(), 0);
    }
    CatalogueState state;
    ReadCatalogue(Track, state);
    QStringList names = listed(state);
    names.sort();
    expected.sort();
    QCOMPARE(names, expected);
}

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 5 && args[1] == "--catalogue-worker")
        return runWorker(args[2], args[3], args[4].toInt());
    TestCatalogue test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_catalogue.moc"
