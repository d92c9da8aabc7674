#include "formats/Errors.h"
#include "formats/ItemReader.h"
#include "formats/exchange/Exchange.h"
#include "formats/exchange/ExchangeText.h"

#include <QTest>
#include <QXmlStreamReader>

using Exchange::Format;

namespace {

WorksheetContent builtIn(const QString& name) {
    ItemReader reader =
        ItemReader::open(QStringLiteral(ORVELLES_SOURCE_DIR "/content/multiple/") + name + ".txt");
    QuestionTables tables;
    LoadQuestionFile(reader, tables);
    return contentOf(tables);
}

// Every character the formats treat as markup, in questions and answers.
WorksheetContent awkward() {
    WorksheetContent worksheet = builtIn(QStringLiteral("Introduction"));
    worksheet.title = QStringLiteral("Café: {braces} & more");
    worksheet.questions[0].text = QStringLiteral("Is 3 < 5 & 6 > 4? ~tilde =equals #hash {x} a:b");
    worksheet.questions[1].answers[2] = QStringLiteral("£5 \\ back <b>not bold</b> &amp;");
    worksheet.questions[2].text = QStringLiteral("\"Quoted\" it’s — ]]> end");
    // Format markers, weights and matching arrows typed as text, in plain and HTML questions.
    worksheet.questions[3].answers = {QStringLiteral("[html]<b>x</b>"), QStringLiteral("[plain]y"),
                                      QStringLiteral("%5 off"), QStringLiteral("a -> b")};
    worksheet.questions[3].correct = 3;
    worksheet.questions[4].text = QStringLiteral("[markdown] Which one?");
    worksheet.questions[4].answers = {QStringLiteral("[html]x"), QStringLiteral("%50%"),
                                      QStringLiteral("[plain]"), QStringLiteral("[moodle]w")};
    worksheet.questions[4].correct = 2;
    worksheet.questions[5].answers[0] = QStringLiteral("[markdown]*m*");
    worksheet.questions[6].text = QStringLiteral("Which -> one?");
    return worksheet;
}

QByteArray moodleQuestion(const QByteArray& text) {
    QByteArray answers;
    for (const char* fraction : {"100", "0", "0", "0"})
        answers += "<answer fraction=\"" + QByteArray(fraction) + "\"><text>a</text></answer>";
    return "<quiz><question type=\"multichoice\"><questiontext><text>" + text +
           "</text></questiontext>" + answers + "</question></quiz>";
}

} // namespace

class tst_exchange : public QObject {
    Q_OBJECT
private slots:
    void roundTrip_data() {
        QTest::addColumn<int>("format");
        QTest::addColumn<QString>("worksheet");
        for (const Format format : {Format::Gift, Format::Aiken, Format::MoodleXml}) {
            for (const char* name : {"Introduction", "Rich and Poor", "awkward"})
                QTest::addRow("%s %s", qPrintable(Exchange::formatName(format)), name)
                    << int(format) << QString::fromLatin1(name);
        }
    }
    void roundTrip() {
        QFETCH(int, format);
        QFETCH(QString, worksheet);
        const WorksheetContent sent =
            worksheet == QLatin1String("awkward") ? awkward() : builtIn(worksheet);
        const Exchange::Found found = Exchange::read(Exchange::write(Format(format), sent));
        QCOMPARE(int(found.format), format);
        QVERIFY2(found.leftOut.isEmpty(), qPrintable(found.leftOut.value(0).reason));
        QCOMPARE(found.fitting.size(), 10);
        // Aiken has no place for a title.
        if (Format(format) != Format::Aiken)
            QCOMPARE(found.title, sent.title);
        for (int q = 0; q < 10; ++q) {
            QCOMPARE(found.fitting[q].text, sent.questions[q].text);
            QCOMPARE(found.fitting[q].answers, sent.questions[q].answers);
            QCOMPARE(found.fitting[q].correct, sent.questions[q].correct);
        }
    }

    void reading_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("firstFitting");
        QTest::addColumn<QStringList>("leftOut");
        const QByteArray four = "{=a ~b ~c ~d}";
        QTest::newRow("gift escapes")
            << QByteArray("::n::Is 1\\=1 \\{ok\\} \\~ \\# a\\:b? {~x =y\\~z ~w ~v}")
            << "Is 1=1 {ok} ~ # a:b?" << QStringList();
        QTest::newRow("gift html")
            << QByteArray("[html]<p>Fish &amp; <b>chips</b>&nbsp;&#233;</p> " + four)
            << QString::fromUtf8("Fish & chips é") << QStringList();
        QTest::newRow("gift feedback, weights, comment")
            << QByteArray(
                   "// note\nQ {=a#good ~%0%b ~c#no ~d}\n\nR {=a =b ~c ~d}\n\nS {~%50%a =b ~c ~d}")
            << "Q" << QStringList{"several right answers", "an answer worth part marks"};
        QTest::newRow("gift other kinds")
            << QByteArray("T {T}\n\nE {}\n\nN {#3:1}\n\nM {=a->1 =b->2 =c->3}\n\nS {=yes =ok}\n\nD "
                          "just words\n\n"
                          "Three {=a ~b ~c}\n\nFive {=a ~b ~c ~d ~e}\n\nNone {~a ~b ~c ~d}")
            << QString()
            << QStringList{"not multiple choice (true/false)",
                           "not multiple choice (essay)",
                           "not multiple choice (numerical)",
                           "not multiple choice (matching)",
                           "not multiple choice (short answer)",
                           "not multiple choice (description)",
                           "3 choices, not four",
                           "5 choices, not four",
                           "no right answer"};
        QTest::newRow("aiken")
            << QByteArray("Which?\nA) one\nB. two\nC) three\nD) four\nANSWER: C\n\n"
                          "Two?\nA) x\nB) y\nANSWER: A\n\nBad?\nA) x\nB) y\nC) z\nD) w\nANSWER: E\n"
                          "Lost?\nA) x\nB) y\nC) z\nD) w\n")
            << "Which?"
            << QStringList{"2 choices, not four", "ANSWER E names none of its choices",
                           "no ANSWER line"};
        QByteArray aikenTwenty = "Twenty?\n";
        for (char letter = 'A'; letter < 'U'; ++letter)
            aikenTwenty += QByteArray(1, letter) + ") x\n";
        QTest::newRow("gift twenty choices") << "Q {=a" + QByteArray(" ~b").repeated(19) + "}"
                                             << QString() << QStringList{"20 choices, not four"};
        QTest::newRow("aiken twenty choices") << aikenTwenty + "ANSWER: T\n"
                                              << QString() << QStringList{"20 choices, not four"};
        QTest::newRow("aiken question opening like xml")
            << QByteArray("<quiz> or <test>?\nA) a\nB) b\nC) c\nD) d\nANSWER: B\n")
            << "<quiz> or <test>?" << QStringList();
        QTest::newRow("aiken windows-1252")
            << QByteArray("Caf\xe9 \x80?\nA) a\nB) b\nC) c\nD) d\nANSWER: A\n")
            << QString::fromUtf8("Café €?") << QStringList();
        QTest::newRow("aiken utf-8 bom")
            << QByteArray("\xEF\xBB\xBF"
                          "Caf\xc3\xa9?\nA) a\nB) b\nC) c\nD) d\nANSWER: A\n")
            << QString::fromUtf8("Café?") << QStringList();
        QTest::newRow("moodle xml")
            << QByteArray(
                   "<?xml version=\"1.0\"?><quiz><question "
                   "type=\"truefalse\"><questiontext><text>T</text></questiontext></question>"
                   "<question type=\"multichoice\"><questiontext "
                   "format=\"html\"><text><![CDATA[<div><p>Deep "
                   "<i><b>nest</b></i></p></div>]]></text></questiontext>"
                   "<answer "
                   "fraction=\"100\"><text>a</text><feedback><text>fb</text></feedback></"
                   "answer><answer fraction=\"0\"><text>b</text></answer>"
                   "<answer fraction=\"0\"><text>c</text></answer><answer "
                   "fraction=\"0\"><text>&amp;lt;d&amp;gt;</text></answer></question>"
                   "<question "
                   "type=\"multichoice\"><single>false</single><questiontext><text>M</text></"
                   "questiontext>"
                   "<answer fraction=\"50\"><text>a</text></answer><answer "
                   "fraction=\"50\"><text>b</text></answer>"
                   "<answer fraction=\"0\"><text>c</text></answer><answer "
                   "fraction=\"0\"><text>d</text></answer></question>"
                   "<question type=\"ddwtos\"/></quiz>")
            << "Deep nest"
            << QStringList{"not multiple choice (truefalse)",
                           "it lets the pupil tick several answers",
                           "not multiple choice (ddwtos)"};
    }
    void reading() {
        QFETCH(QByteArray, file);
        QFETCH(QString, firstFitting);
        QFETCH(QStringList, leftOut);
        const Exchange::Found found = Exchange::read(file);
        QCOMPARE(found.fitting.value(0).text, firstFitting);
        if (found.format == Format::MoodleXml)
            QCOMPARE(found.fitting[0].answers[3], QStringLiteral("<d>"));
        QStringList reasons;
        for (const Exchange::LeftOut& question : found.leftOut)
            reasons << question.reason;
        QCOMPARE(reasons, leftOut);
    }

    void badInput_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("message");
        QTest::newRow("empty") << QByteArray() << "empty";
        QTest::newRow("blank") << QByteArray(" \r\n\n") << "blank lines";
        QTest::newRow("other kind")
            << QByteArray("Dear parents,\nthe trip is on Friday.\n") << "not a question file";
        QTest::newRow("picture") << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16) << "NUL";
        QTest::newRow("50 MB") << QByteArray(50 * 1024 * 1024, 'a') << "50 MB";
        QTest::newRow("nul") << QByteArray("Q {=a ~b\0 ~c ~d}", 17) << "NUL";
        QTest::newRow("utf-16") << QByteArray("\xFF\xFEQ\0") << "UTF-16";
        QTest::newRow("invalid utf-8 with bom")
            << QByteArray("\xEF\xBB\xBFQ\xC3 {=a ~b ~c ~d}") << "not valid UTF-8";
        QTest::newRow("invalid utf-8 mixed")
            << QByteArray("Caf\xC3\xA9 \xC3 {=a ~b ~c ~d}") << "not valid UTF-8";
        QTest::newRow("xml not quiz")
            << QByteArray("<?xml version=\"1.0\"?><html/>") << "not a quiz";
        QTest::newRow("xml broken")
            << QByteArray("<quiz><question type=\"multichoice\"><questiontext>") << "damaged";
        QTest::newRow("xml dtd")
            << QByteArray("<?xml version=\"1.0\"?><!DOCTYPE quiz [<!ENTITY a \"aaaa\">]><quiz/>")
            << "document type";
        QTest::newRow("xml deep") << QByteArray("<quiz>" + QByteArray("<a>").repeated(100))
                                  << "too deeply";
        QByteArray attributes;
        for (int i = 0; i < 65; ++i)
            attributes += " a" + QByteArray::number(i) + "=\"=>\"";
        QTest::newRow("xml many attributes") << "<quiz><question" + attributes + "/></quiz>"
                                             << "more than 64 attributes";
        QTest::newRow("xml deep in text") << moodleQuestion("<a>" + QByteArray("<a>").repeated(20) +
                                                            QByteArray("</a>").repeated(21))
                                          << "too deeply";
        QTest::newRow("gift unknown only") << QByteArray("$CATEGORY: x\n") << "no questions";
    }
    void badInput() {
        QFETCH(QByteArray, file);
        QFETCH(QString, message);
        try {
            Exchange::read(file);
            QFAIL("read a bad file");
        } catch (const FormatError& error) {
            QVERIFY2(QString::fromUtf8(error.what()).contains(message), error.what());
        }
    }

    // Markup scanned once: a text of many '<' with no '>', or '&' with no ';', must not be
    // searched again from each of them. The work is counted, not timed.
    void linearWork_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("text");
        const qsizetype n = 64 * 1024;
        for (const char* unit : {"<", "&", "<a ", "&#"}) {
            const QByteArray run = QByteArray(unit).repeated(n / qstrlen(unit));
            QTest::addRow("gift %s", unit) << "[html]Q " + run + " {=a ~b ~c ~d}"
                                           << ("Q " + QString::fromLatin1(run)).trimmed();
        }
        QTest::newRow("moodle cdata <")
            << moodleQuestion("<![CDATA[" + QByteArray(n, '<') + "]]>") << QString(n, u'<');
        QTest::newRow("moodle escaped &")
            << moodleQuestion(QByteArray("&amp;").repeated(n)) << QString(n, u'&');
    }
    void linearWork() {
        QFETCH(QByteArray, file);
        QFETCH(QString, text);
        const qint64 before = ExchangeText::scanSteps();
        const Exchange::Found found = Exchange::read(file);
        QCOMPARE(found.fitting.value(0).text, text);
        const qint64 steps = ExchangeText::scanSteps() - before;
        QVERIFY2(steps < 32 * file.size(), qPrintable(QString::number(steps)));
    }

    // What a format cannot carry is refused, naming the question, never written to be lost or
    // to make a file the platform cannot read; a tab is carried.
    void badExport_data() {
        QTest::addColumn<int>("format");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("message");
        for (const Format format : {Format::Gift, Format::Aiken, Format::MoodleXml})
            QTest::addRow("%s blanks only", qPrintable(Exchange::formatName(format)))
                << int(format) << "  "
                << "Question 4 has a text or an answer of blanks only";
        const auto xml = [](const char* name, const QString& text, const char* message) {
            QTest::newRow(name) << int(Format::MoodleXml) << text << message;
        };
        xml("xml tab", QStringLiteral("a\tb"), "");
        xml("xml U+FFFF", QStringLiteral("a\uFFFF"),
            "Question 4 holds a character that Moodle XML cannot carry (U+FFFF)");
        xml("xml U+FFFE", QStringLiteral("\uFFFEa"), "(U+FFFE)");
        xml("xml U+FDD0", QStringLiteral("\uFDD0"), "(U+FDD0)");
        xml("xml U+1FFFF", QString::fromUcs4(U"a\U0001FFFF"), "(U+1FFFF)");
        xml("xml lone surrogate", QString(QChar(0xD800)) + "a", "(U+D800)");
        xml("xml control", QStringLiteral("a\x01"), "(U+0001)");
        xml("xml escape", QStringLiteral("\x1b[31m"), "(U+001B)");
    }
    void badExport() {
        QFETCH(int, format);
        QFETCH(QString, text);
        QFETCH(QString, message);
        WorksheetContent sheet = builtIn(QStringLiteral("Introduction"));
        sheet.questions[3].text = text;
        sheet.questions[3].answers[1] = text;
        QByteArray written;
        try {
            written = Exchange::write(Format(format), sheet);
            QVERIFY2(message.isEmpty(), "wrote what it cannot carry");
        } catch (const FormatError& error) {
            QVERIFY2(!message.isEmpty() && QString::fromUtf8(error.what()).contains(message),
                     error.what());
            return;
        }
        QXmlStreamReader xml(written);
        while (!xml.atEnd())
            xml.readNext();
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
        QCOMPARE(Exchange::read(written).fitting.value(3).answers[1], QStringLiteral("a b"));
    }

    void unstorableMarked() {
        QCOMPARE(Exchange::unstorableMarked(QStringLiteral("Café €")), QString());
        QCOMPARE(Exchange::unstorableMarked(QString::fromUtf8("π ≈ 3 😀")),
                 QString::fromUtf8("⟦π⟧ ⟦≈⟧ 3 ⟦😀⟧"));
    }
};

QTEST_APPLESS_MAIN(tst_exchange)
#include "tst_exchange.moc"
