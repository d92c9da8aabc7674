#include "formats/Catalogue.h"
#include "formats/Errors.h"
#include "formats/ItemReader.h"
#include "formats/QuestionFile.h"
#include "support/TempContent.h"

#include <QDir>
#include <QFile>
#include <QTest>
#include <QThread>
#include <atomic>
#include <memory>
#include <sys/stat.h>

namespace {

// Every item up to the end of the file; the read after the last must fail as past the end.
QStringList allItems(ItemReader& reader) {
    QStringList items;
    for (;;) {
        try {
            items << reader.readItem();
        } catch (const ReadPastEndError&) {
            return items;
        }
    }
}

QStringList allLines(ItemReader& reader) {
    QStringList lines;
    while (!reader.atEnd())
        lines << reader.readLine();
    return lines;
}

} // namespace

class TestItemReader : public QObject {
    Q_OBJECT
private slots:
    void items_data();
    void items();
    void lines_data();
    void lines();
    void itemThenLines();
    void atEndOnlyAfterLastLineEnd();
    void openReadsTheFile();
    void openFails_data();
    void openFails();
    void specialFilesRefusedAtOnce_data();
    void specialFilesRefusedAtOnce();
};

void TestItemReader::items_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("empty file") << QByteArray() << QStringList();
    QTest::newRow("CR LF lines") << QByteArray("one\r\ntwo\r\n") << QStringList{"one", "two"};
    QTest::newRow("bare LF lines") << QByteArray("one\ntwo\n") << QStringList{"one", "two"};
    QTest::newRow("last line without end") << QByteArray("one\r\ntwo") << QStringList{"one", "two"};
    QTest::newRow("comma splits, second loses leading blanks")
        << QByteArray("before,   after\r\nnext\r\n") << QStringList{"before", "after", "next"};
    QTest::newRow("comma before line end gives an empty item")
        << QByteArray("a,\r\nb\r\n") << QStringList{"a", "", "b"};
    QTest::newRow("comma at end of file ends the items") << QByteArray("a,") << QStringList{"a"};
    QTest::newRow("leading spaces and tabs skipped") << QByteArray(" \t x\r\n") << QStringList{"x"};
    QTest::newRow("trailing blanks kept") << QByteArray("x \t \r\n") << QStringList{"x \t "};
    QTest::newRow("single space line is empty") << QByteArray(" \r\n") << QStringList{""};
    QTest::newRow("empty line is empty") << QByteArray("\r\n\r\n") << QStringList{"", ""};
    QTest::newRow("blanks at end of file without line end")
        << QByteArray("a\r\n  ") << QStringList{"a", ""};
    QTest::newRow("quoted, rest of line dropped")
        << QByteArray("\"Quoted, text\" lost, too\r\nnext\r\n")
        << QStringList{"Quoted, text", "too", "next"};
    QTest::newRow("quoted after blanks") << QByteArray("   \"q\"\r\n") << QStringList{"q"};
    QTest::newRow("quoted runs across line ends")
        << QByteArray("\"a\r\nb\" x\r\nc\r\n") << QStringList{"a\r\nb", "c"};
    QTest::newRow("quote never closed runs to end of file")
        << QByteArray("\"abc\r\nd\r\n") << QStringList{"abc\r\nd\r\n"};
    QTest::newRow("empty quotes") << QByteArray("\"\"\r\nx\r\n") << QStringList{"", "x"};
    QTest::newRow("quote inside an item is text")
        << QByteArray("say \"hi\"\r\n") << QStringList{"say \"hi\""};
    QTest::newRow("lone CR is text") << QByteArray("a\rb\r\n") << QStringList{"a\rb"};
    QTest::newRow("Windows-1252 text") << QByteArray("caf\xE9 \x80\r\n") << QStringList{"café €"};
    QTest::newRow("UTF-8 after a byte-order mark")
        << QByteArray("\xEF\xBB\xBF\"caf\xC3\xA9, \xE2\x82\xAC\"\r\n\xC5\x81\r\n")
        << QStringList{"café, €", "Ł"};
    QTest::newRow("bare CR lines, no LF anywhere")
        << QByteArray("one\rtwo,three\r\"4\r5\"\r") << QStringList{"one", "two", "three", "4\r5"};
}

void TestItemReader::items() {
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, expected);
    ItemReader reader(bytes);
    QCOMPARE(allItems(reader), expected);
    QVERIFY(reader.atEnd());
}

void TestItemReader::lines_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("empty file") << QByteArray() << QStringList();
    QTest::newRow("everything kept")
        << QByteArray("Smith, John\r\n\"Quoted\" name\r\n  leading\r\ntrailing  \r\n")
        << QStringList{"Smith, John", "\"Quoted\" name", "  leading", "trailing  "};
    QTest::newRow("bare LF") << QByteArray("a\nb\n") << QStringList{"a", "b"};
    QTest::newRow("empty lines") << QByteArray("\r\n\r\nx\r\n") << QStringList{"", "", "x"};
    QTest::newRow("last line without end") << QByteArray("a\r\nb") << QStringList{"a", "b"};
}

void TestItemReader::lines() {
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, expected);
    ItemReader reader(bytes);
    QCOMPARE(allLines(reader), expected);
    QVERIFY_THROWS_EXCEPTION(ReadPastEndError, reader.readLine());
}

void TestItemReader::itemThenLines() {
    ItemReader reader(" 2 \r\nFirst, second\r\n\"Third\"\r\n");
    QCOMPARE(reader.readItem(), u"2 "_qs);
    QCOMPARE(reader.readLine(), u"First, second"_qs);
    QCOMPARE(reader.readLine(), u"\"Third\""_qs);
    QVERIFY(reader.atEnd());
}

void TestItemReader::atEndOnlyAfterLastLineEnd() {
    ItemReader reader("a\r\n");
    QVERIFY(!reader.atEnd());
    reader.readItem();
    QVERIFY(reader.atEnd());
    QVERIFY(ItemReader(QByteArray()).atEnd());
}

void TestItemReader::openReadsTheFile() {
    TempContent content;
    content.write("multiple/x.txt", "Title\r\n \r\n");
    ItemReader reader = ItemReader::open("multiple/x.txt");
    QCOMPARE(allItems(reader), (QStringList{"Title", ""}));
}

void TestItemReader::openFails_data() {
    QTest::addColumn<QString>("path");
    QTest::newRow("missing file") << "multiple/missing.txt";
    QTest::newRow("missing folder") << "nowhere/x.txt";
    QTest::newRow("a folder") << "multiple";
    QTest::newRow("a file too large") << "multiple/huge.txt";
}

void TestItemReader::openFails() {
    QFETCH(QString, path);
    TempContent content;
    content.write("multiple/x.txt", "x\r\n");
    // Sparse: a file just over the limit costs no disk.
    QFile huge(content.path() + "/multiple/huge.txt");
    QVERIFY(huge.open(QIODevice::WriteOnly));
    QVERIFY(huge.resize(ItemReader::MaxFileBytes + 1));
    huge.close();
    QVERIFY_THROWS_EXCEPTION(FileAccessError, ItemReader::open(path));
}

void TestItemReader::specialFilesRefusedAtOnce_data() {
    QTest::addColumn<QString>("linkTo"); // empty: a FIFO
    QTest::addColumn<bool>("catalogue");
    QTest::newRow("question file: FIFO") << QString() << false;
    QTest::newRow("question file: link to /dev/zero") << "/dev/zero" << false;
    QTest::newRow("catalogue: FIFO") << QString() << true;
    QTest::newRow("catalogue: link to /dev/zero") << "/dev/zero" << true;
}

// The read runs on a thread of its own so that one that blocks or never ends fails the test
// instead of hanging it; such a thread is left behind.
void TestItemReader::specialFilesRefusedAtOnce() {
    QFETCH(QString, linkTo);
    QFETCH(bool, catalogue);
    TempContent content;
    QVERIFY(QDir().mkpath("multiple"));
    const QString path = content.path() + "/multiple/track.txt";
    if (linkTo.isEmpty())
        QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    else
        QVERIFY(QFile::link(linkTo, path));
    auto refused = std::make_shared<std::atomic<bool>>(false);
    QThread* reading = QThread::create([=] {
        try {
            if (catalogue) {
                auto state = std::make_unique<CatalogueState>();
                ReadCatalogue(path, *state);
            } else {
                ItemReader file1 = ItemReader::open(path);
                QuestionTables tables;
                LoadQuestionFile(file1, tables);
            }
        } catch (const FileAccessError&) {
            *refused = true;
        } catch (const FileError&) {
        }
    });
    reading->start();
    QVERIFY2(reading->wait(QDeadlineTimer(5000)), "the read is still going after 5 s");
    delete reading;
    QVERIFY(*refused);
}

QTEST_GUILESS_MAIN(TestItemReader)
#include "tst_itemreader.moc"
