#include "FileSizeLimit.h"
#include "formats/Errors.h"
#include "formats/ItemReader.h"
#include "formats/QuestionFile.h"
#include "support/TempContent.h"

#include <QDir>
#include <QTest>
#include <unistd.h>

namespace {

using Checks = QList<QPair<QString, QString>>; // "QuestionText 5" -> expected value

// A worksheet whose every field says where it belongs: "Q3", "3B", correct answer 1 + q % 4.
WorksheetContent sampleWorksheet() {
    WorksheetContent worksheet;
    worksheet.title = "Tudor Life";
    for (int q = 1; q <= 10; ++q) {
        QuestionEntry& question = worksheet.questions[q - 1];
        question.text = "Q" + QString::number(q);
        for (int a = 0; a < 4; ++a)
            question.answers[a] = QString::number(q) + QChar('A' + a);
        question.correct = 1 + q % 4;
    }
    return worksheet;
}

QByteArrayList sampleLines() {
    return questionFileBytes(sampleWorksheet()).split('\n');
}

QByteArray joined(const QByteArrayList& lines) {
    return lines.join('\n');
}

// Line n (1-based) of the sample file taken out.
QByteArray withoutLine(int n) {
    QByteArrayList lines = sampleLines();
    lines.removeAt(n - 1);
    return joined(lines);
}

QByteArray withLine(int n, const QByteArray& text) {
    QByteArrayList lines = sampleLines();
    lines[n - 1] = text + '\r';
    return joined(lines);
}

QString& entry(QuestionTables& tables, const QString& field, int q) {
    if (field == "WorksheetTitle")
        return tables.WorksheetTitle;
    const QMap<QString, std::array<QString, 11>*> byName = {
        {"QuestionText", &tables.QuestionText}, {"AnswerA", &tables.AnswerA},
        {"AnswerB", &tables.AnswerB},           {"AnswerC", &tables.AnswerC},
        {"AnswerD", &tables.AnswerD},           {"CorrectAnswer", &tables.CorrectAnswer}};
    return (*byName.value(field))[q];
}

QuestionTables tablesHolding(const QString& value) {
    QuestionTables tables;
    tables.WorksheetTitle = value;
    for (auto* table : {&tables.QuestionText, &tables.AnswerA, &tables.AnswerB, &tables.AnswerC,
                        &tables.AnswerD, &tables.CorrectAnswer})
        table->fill(value);
    return tables;
}

} // namespace

class TestQuestionFile : public QObject {
    Q_OBJECT
private slots:
    void writerLayout();
    void writerEncoding();
    void writerRefuses_data();
    void writerRefuses();
    void roundTrip_data();
    void roundTrip();
    void load_data();
    void load();
    void correctAnswerNumber_data();
    void correctAnswerNumber();
    void writeReplacesWholeFile();
    void failedWriteKeepsEarlierFile();
    void folderInTheWay();
    void readOnlyFolder();
};

void TestQuestionFile::writerLayout() {
    const QByteArray bytes = questionFileBytes(sampleWorksheet());
    QVERIFY(bytes.endsWith("\r\n"));
    const QByteArrayList lines = bytes.chopped(1).split('\n');
    QCOMPARE(lines.size(), 72);
    for (const QByteArray& line : lines)
        QVERIFY2(line.endsWith('\r') && line.count('\r') == 1, line.constData());
    QCOMPARE(lines[0], QByteArray("Tudor Life\r"));
    QCOMPARE(lines[1], QByteArray(" \r"));
    for (int q = 1; q <= 10; ++q) {
        const int first = 3 + 7 * (q - 1) - 1;
        const QByteArray n = QByteArray::number(q);
        QCOMPARE(lines[first], "Q" + n + "\r");
        QCOMPARE(lines[first + 1], n + "A\r");
        QCOMPARE(lines[first + 4], n + "D\r");
        QCOMPARE(lines[first + 5], QByteArray::number(1 + q % 4) + "\r");
        QCOMPARE(lines[first + 6], QByteArray(" \r"));
    }
}

void TestQuestionFile::writerEncoding() {
    WorksheetContent worksheet = sampleWorksheet();
    worksheet.title = "Kings, Queens, and Lords";
    worksheet.questions[0].text = "Who said \u201CAye\u201D & why?";
    worksheet.questions[0].answers[0] = "Caf\u00E9 \u20AC";
    const QByteArrayList lines = questionFileBytes(worksheet).split('\n');
    QCOMPARE(lines[0], QByteArray("Kings& Queens& and Lords\r"));
    QCOMPARE(lines[2], QByteArray("Who said \x93"
                                  "Aye\x94 & why?\r"));
    QCOMPARE(lines[3], QByteArray("Caf\xE9 \x80\r"));
}

void TestQuestionFile::writerRefuses_data() {
    QTest::addColumn<int>("question");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("correct");
    QTest::newRow("no correct answer") << 4 << "fine" << 0;
    QTest::newRow("correct answer 5") << 4 << "fine" << 5;
    QTest::newRow("character outside the code page") << 9 << u"\u0101"_qs << 1;
    QTest::newRow("line break in a question") << 2 << "two\nlines" << 1;
}

void TestQuestionFile::writerRefuses() {
    QFETCH(int, question);
    QFETCH(QString, text);
    QFETCH(int, correct);
    TempContent content;
    content.write("multiple/Old.txt", "earlier file");
    WorksheetContent worksheet = sampleWorksheet();
    worksheet.questions[question - 1].text = text;
    worksheet.questions[question - 1].correct = correct;
    QVERIFY_THROWS_EXCEPTION(FormatError, writeQuestionFile("multiple/Old.txt", worksheet));
    QCOMPARE(content.read("multiple/Old.txt"), QByteArray("earlier file"));
}

void TestQuestionFile::roundTrip_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("loaded");
    QTest::newRow("plain") << "The Great Hall"
                           << "The Great Hall";
    QTest::newRow("two commas come back") << "Bread, ale, and cheese"
                                          << "Bread, ale, and cheese";
    QTest::newRow("ampersand reads as comma") << "Salt & pepper"
                                              << "Salt , pepper";
    QTest::newRow("leading blanks stay") << "   indented"
                                         << "   indented";
    QTest::newRow("trailing blanks stay") << "spaced   "
                                          << "spaced   ";
    QTest::newRow("Windows-1252 letters")
        << u"Ch\u00E2teau \u2013 \u20AC5"_qs << u"Ch\u00E2teau \u2013 \u20AC5"_qs;
    QTest::newRow("leading quote pair becomes typographic")
        << "\"I came, I saw\" - who said it?" << u"\u201CI came, I saw\u201D - who said it?"_qs;
    QTest::newRow("unclosed leading quote")
        << "\"Who wrote Hamlet?" << u"\u201CWho wrote Hamlet?"_qs;
    QTest::newRow("quote after blanks") << "  \"Veni\"" << u"  \u201CVeni\u201D"_qs;
    QTest::newRow("third quote: blanks cannot be kept")
        << "  \"A\" or \"B\"" << u"\u201CA\u201D or \"B\""_qs;
    QTest::newRow("quote later in the text is kept") << "He said \"yes\""
                                                     << "He said \"yes\"";
    QTest::newRow("only blanks") << "   "
                                 << "   ";
}

void TestQuestionFile::roundTrip() {
    QFETCH(QString, typed);
    QFETCH(QString, loaded);
    TempContent content;
    QDir().mkpath("multiple");
    WorksheetContent worksheet = sampleWorksheet();
    worksheet.title = typed;
    worksheet.questions[4].text = typed;
    worksheet.questions[9].answers[3] = typed;
    writeQuestionFile("multiple/Saved.txt", worksheet);
    ItemReader file1 = ItemReader::open("multiple/Saved.txt");
    QuestionTables tables;
    LoadQuestionFile(file1, tables);
    QCOMPARE(storedForm(typed).replace(QLatin1Char('&'), QLatin1Char(',')), loaded);
    QCOMPARE(tables.WorksheetTitle, loaded);
    QCOMPARE(tables.QuestionText[5], loaded);
    QCOMPARE(tables.AnswerD[10], loaded);
    QCOMPARE(tables.QuestionText[1], u"Q1"_qs);
    QCOMPARE(tables.AnswerC[7], u"7C"_qs);
    QCOMPARE(tables.CorrectAnswer[3], u"4"_qs);
    QVERIFY(file1.atEnd());
}

void TestQuestionFile::load_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("fails");
    QTest::addColumn<Checks>("checks");
    const QByteArray whole = joined(sampleLines());
    const Checks complete = {
        {"WorksheetTitle 0", "Tudor Life"}, {"QuestionText 1", "Q1"}, {"AnswerB 6", "6B"},
        {"CorrectAnswer 10", "3"},          {"AnswerD 10", "10D"},    {"QuestionText 0", "old"}};
    QTest::newRow("whole file") << whole << false << complete;
    QTest::newRow("bare LF line ends")
        << QByteArray(whole).replace("\r\n", "\n") << false << complete;
    QTest::newRow("lines after 72 ignored") << whole + "extra\r\nmore, items\r\n"
                                            << false << complete;
    QTest::newRow("last line without its line end") << whole.chopped(2) << false << complete;
    QTest::newRow("71 lines: everything stored, then fails")
        << withoutLine(72) << true
        << Checks{{"QuestionText 10", "Q10"}, {"AnswerD 10", "10D"}, {"CorrectAnswer 10", "3"}};
    QTest::newRow("empty file stores nothing")
        << QByteArray() << true << Checks{{"WorksheetTitle 0", "old"}, {"QuestionText 1", "old"}};
    QTest::newRow("ends inside question 5: later entries keep old values")
        << sampleLines().mid(0, 31).join('\n') + '\n'
        << true
        << Checks{{"QuestionText 5", "Q5"},
                  {"AnswerA 5", "old"},
                  {"CorrectAnswer 4", "1"},
                  {"QuestionText 6", "old"}};
    QTest::newRow("missing correct-answer line shifts the rest")
        << withoutLine(3 + 7 * 3 + 5) << true
        << Checks{{"AnswerD 4", "4D"},     {"CorrectAnswer 4", ""}, {"QuestionText 5", "5A"},
                  {"AnswerD 5", "2"},      {"CorrectAnswer 5", ""}, {"AnswerD 10", "3"},
                  {"CorrectAnswer 10", ""}};
    QTest::newRow("quoted question keeps the quoted part")
        << withLine(3 + 7 * 2, "\"Who\" was king then?") << false
        << Checks{{"QuestionText 3", "Who"}, {"AnswerA 3", "3A"}};
    QTest::newRow("leading blanks dropped")
        << withLine(3 + 7 * 2 + 1, " \t  indented") << false << Checks{{"AnswerA 3", "indented"}};
    QTest::newRow("ampersand becomes comma, correct answer untranslated")
        << withLine(1, "A&B&C") << false << Checks{{"WorksheetTitle 0", "A,B,C"}};
    QTest::newRow("comma in a line splits it and shifts the rest")
        << withLine(3, "Q1, split") << false
        << Checks{{"QuestionText 1", "Q1"},  {"AnswerA 1", "split"}, {"AnswerB 1", "1A"},
                  {"CorrectAnswer 1", "1D"}, {"QuestionText 2", ""}, {"CorrectAnswer 10", "10D"}};
    QTest::newRow("comma after a closing quote starts the next item")
        << withLine(3, "\"Q1\" dropped, split") << false
        << Checks{{"QuestionText 1", "Q1"}, {"AnswerA 1", "split"}};
}

void TestQuestionFile::load() {
    QFETCH(QByteArray, bytes);
    QFETCH(bool, fails);
    QFETCH(Checks, checks);
    ItemReader file1(bytes);
    QuestionTables tables = tablesHolding("old");
    bool failed = false;
    try {
        LoadQuestionFile(file1, tables);
    } catch (const ReadPastEndError&) {
        failed = true;
    }
    QCOMPARE(failed, fails);
    for (const auto& [where, expected] : checks) {
        const QStringList parts = where.split(' ');
        QCOMPARE(entry(tables, parts[0], parts[1].toInt()), expected);
    }
}

void TestQuestionFile::correctAnswerNumber_data() {
    QTest::addColumn<QString>("line");
    QTest::addColumn<int>("number");
    QTest::newRow("1") << "1" << 1;
    QTest::newRow("4") << "4" << 4;
    QTest::newRow("blanks around") << " 2 " << 2;
    QTest::newRow("0") << "0" << 0;
    QTest::newRow("5") << "5" << 0;
    QTest::newRow("empty") << "" << 0;
    QTest::newRow("letter") << "A" << 0;
    QTest::newRow("two digits") << "12" << 0;
    QTest::newRow("sign") << "-1" << 0;
}

void TestQuestionFile::correctAnswerNumber() {
    QFETCH(QString, line);
    QFETCH(int, number);
    QCOMPARE(::correctAnswerNumber(line), number);
}

void TestQuestionFile::writeReplacesWholeFile() {
    TempContent content;
    content.write("multiple/Tudor Life.txt", QByteArray(5000, 'x'));
    writeQuestionFile("multiple/Tudor Life.txt", sampleWorksheet());
    QCOMPARE(content.read("multiple/Tudor Life.txt"), questionFileBytes(sampleWorksheet()));
    QCOMPARE(QDir("multiple").entryList(QDir::Files), QStringList{"Tudor Life.txt"});
}

void TestQuestionFile::failedWriteKeepsEarlierFile() {
    TempContent content;
    content.write("multiple/Tudor Life.txt", "earlier");
    {
        FileSizeLimit diskFull(100);
        QVERIFY_THROWS_EXCEPTION(FileAccessError,
                                 writeQuestionFile("multiple/Tudor Life.txt", sampleWorksheet()));
    }
    QCOMPARE(content.read("multiple/Tudor Life.txt"), QByteArray("earlier"));
    QCOMPARE(QDir("multiple").entryList(QDir::Files), QStringList{"Tudor Life.txt"});
}

void TestQuestionFile::folderInTheWay() {
    TempContent content;
    content.write("multiple/Tudor Life.txt/inside.txt", "kept");
    QVERIFY_THROWS_EXCEPTION(FileAccessError,
                             writeQuestionFile("multiple/Tudor Life.txt", sampleWorksheet()));
    QCOMPARE(content.read("multiple/Tudor Life.txt/inside.txt"), QByteArray("kept"));
}

void TestQuestionFile::readOnlyFolder() {
    TempContent content;
    content.write("multiple/Tudor Life.txt", "earlier");
    QFile::setPermissions("multiple", QFile::ReadOwner | QFile::ExeOwner);
    if (geteuid() == 0) {
        QFile::setPermissions("multiple", QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QSKIP("permissions do not stop root");
    }
    QVERIFY_THROWS_EXCEPTION(FileAccessError,
                             writeQuestionFile("multiple/Tudor Life.txt", sampleWorksheet()));
    QFile::setPermissions("multiple", QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QCOMPARE(content.read("multiple/Tudor Life.txt"), QByteArray("earlier"));
}

QTEST_GUILESS_MAIN(TestQuestionFile)
#include "tst_questionfile.moc"
