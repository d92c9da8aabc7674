#include "app/Screens.h"
#include "formats/ItemReader.h"
#include "screens/authoring/WizardRules.h"
#include "screens/authoring/wizard.h"
#include "screens/exchange/CatalogueMenu.h"
#include "screens/exchange/ExchangeCommand.h"
#include "screens/exchange/ExchangeDialogs.h"
#include "screens/exchange/QuizPage.h"
#include "screens/exchange/WizardImport.h"
#include "support/AppFixture.h"
#include "support/Worksheets.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMenu>
#include <QTest>

namespace {

// Answers the dialogs as a test tells it, and counts the lists shown.
class ScriptedDialogs : public ExchangeDialogs {
public:
    QString file;
    QList<int> picks;
    int picksShown = 0;
    QString saveFile(QWidget*, const QString&, const QString&, const QString&) override {
        return file;
    }
    QString openFile(QWidget*, const QString&, const QString&) override { return file; }
    QList<int> pick(QWidget*, const Exchange::Found&) override {
        ++picksShown;
        return picks;
    }
    // What the review was shown, and what the teacher does there: "cancel", "out N" (leave
    // question N out) or a text put in place of every text too long.
    QList<ImportFit::Text> reviewed;
    QString teacher;
    bool review(QWidget*, QList<ImportFit::Text>& texts, QList<int>& leftOut) override {
        reviewed = texts;
        if (teacher == "cancel")
            return false;
        if (teacher.startsWith("out "))
            leftOut << teacher.mid(4).toInt();
        for (ImportFit::Text& text : texts) {
            if (text.tooLong() && !teacher.startsWith("out "))
                text.text = teacher;
        }
        return true;
    }
};

QString lastMessage(const AppFixture& app) {
    return app.messages->shown.isEmpty() ? QString() : app.messages->shown.last().text;
}

} // namespace

class tst_exchangescreens : public QObject {
    Q_OBJECT
    ScriptedDialogs dialogs_;
private slots:
    void init() {
        dialogs_ = ScriptedDialogs();
        ExchangeDialogs::setCurrent(&dialogs_);
    }
    void cleanup() { ExchangeDialogs::setCurrent(nullptr); }

    // Each entry of the catalogue's menu writes a file that reads back as the worksheet.
    void catalogueMenu_data() {
        QTest::addColumn<int>("entry");
        for (int entry = 0; entry < 4; ++entry)
            QTest::addRow("%d", entry) << entry;
    }
    void catalogueMenu() {
        QFETCH(int, entry);
        AppFixture app;
        app.content.copyProjectContent();
        dialogs_.file = app.content.path() + "/out";
        QMenu menu;
        CatalogueMenu::addExports(menu, nullptr, QStringLiteral("Rich and Poor"));
        QCOMPARE(menu.actions().size(), 4);
        menu.actions()[entry]->trigger();
        QCOMPARE(lastMessage(app), QStringLiteral("The worksheet has been exported."));
        const QByteArray written = app.content.read("out");
        const WorksheetContent sent = Exports::loadWorksheet(QStringLiteral("Rich and Poor"));
        if (Exports::Kind(entry) == Exports::Kind::WebPage) {
            QVERIFY(written.contains("data:image/jpeg;base64,/9j/"));
            QVERIFY(!written.contains("://"));
            QVERIFY(written.contains("Excellent work. You have scored 10 out of 10."));
            QVERIFY(written.contains(sent.questions[9].text.toUtf8()));
            return;
        }
        const Exchange::Found found = Exchange::read(written);
        QCOMPARE(found.fitting.size(), 10);
        QCOMPARE(found.fitting[4].answers, sent.questions[4].answers);
    }

    // The page's data block reads back as the worksheet whatever its texts hold: none may end
    // the block or open a comment that swallows it, and each question keeps its own answer.
    void webPageData_data() {
        QTest::addColumn<QString>("text");
        QTest::newRow("comment then script") << "Is <!-- <script> hidden?";
        QTest::newRow("end of script") << "Ends </script> here?";
        QTest::newRow("end in capitals") << "</SCRIPT ><b>&amp; -->";
        QTest::newRow("plain") << "Plain words";
    }
    void webPageData() {
        QFETCH(QString, text);
        ItemReader reader = ItemReader::open(
            QStringLiteral(ORVELLES_SOURCE_DIR "/content/multiple/Rich and Poor.txt"));
        QuestionTables tables;
        LoadQuestionFile(reader, tables);
        WorksheetContent sheet = contentOf(tables);
        sheet.questions[1].text = text;
        sheet.questions[2].answers[3] = text;
        const QString page = QString::fromUtf8(QuizPage::page(sheet, {}, QStringLiteral("S")));
        const QString open = QStringLiteral("<script id=\"data\" type=\"application/json\">");
        const qsizetype from = page.indexOf(open) + open.size();
        QVERIFY(from >= open.size());
        // A browser ends the block at the first "</script", in any case.
        const QString block = page.mid(
            from, page.indexOf(QStringLiteral("</script"), from, Qt::CaseInsensitive) - from);
        QVERIFY(!block.contains(QStringLiteral("<!--")));
        const QJsonArray questions =
            QJsonDocument::fromJson(block.toUtf8()).object()[QStringLiteral("questions")].toArray();
        QCOMPARE(questions.size(), 10);
        for (int q = 0; q < 10; ++q) {
            const QJsonObject question = questions[q].toObject();
            QCOMPARE(question[QStringLiteral("text")].toString(), sheet.questions[q].text);
            QCOMPARE(
                question[QStringLiteral("answers")].toArray().toVariantList().value(3).toString(),
                sheet.questions[q].answers[3]);
            QCOMPARE(question[QStringLiteral("correct")].toInt(), sheet.questions[q].correct);
        }
    }

    void exportCancelledOrFailing() {
        AppFixture app;
        app.content.copyProjectContent();
        CatalogueMenu::exportWorksheet(nullptr, Exports::Kind::Gift,
                                       QStringLiteral("Introduction"));
        QVERIFY(app.messages->shown.isEmpty());
        dialogs_.file = app.content.path() + "/out.txt";
        CatalogueMenu::exportWorksheet(nullptr, Exports::Kind::Gift, QStringLiteral("Missing"));
        QVERIFY(lastMessage(app).startsWith("The worksheet could not be exported"));
        QVERIFY(!app.content.exists("out.txt"));
    }

    // Bad files leave the wizard as it was; a good one fills it in the order ticked.
    void wizardImport_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("message");
        QByteArray gift;
        for (int q = 1; q <= 12; ++q)
            gift += QStringLiteral("Q%1? {~a%1 ~b%1 =c%1 ~d%1}\n\n").arg(q).toUtf8();
        QTest::newRow("gift") << gift + "TF {T}\n" << QString();
        QTest::newRow("broken braces")
            << QByteArray("Q {=a ~b ~c ~d") << "question 1 (line 1): a '{' that is never closed";
        QTest::newRow("nothing fits") << QByteArray("Q {T}\n\nR {=a ~b}") << "None of the 2";
        QTest::newRow("nul") << QByteArray("Q\0", 2) << "NUL";
        // Chosen in the file dialog: a device is refused before any of it is read.
        QTest::newRow("/dev/zero") << QByteArray("/dev/zero") << "is a device, not a file";
    }
    void wizardImport() {
        QFETCH(QByteArray, file);
        QFETCH(QString, message);
        AppFixture app;
        app.content.write("in.txt", file);
        dialogs_.file =
            file.startsWith("/dev/") ? QString::fromLatin1(file) : app.content.path() + "/in.txt";
        dialogs_.picks = {11, 0, 5};
        wizard& editor = Screens::touch<wizard>();
        editor.Text2(3).setText(QStringLiteral("kept"));
        Screens::open(editor);
        QVERIFY(QTest::qWaitForWindowActive(&editor));
        QTest::keyClick(&editor, Qt::Key_I, Qt::ControlModifier);
        const WorksheetDraft draft = editor.draft();
        QCOMPARE(draft.questions[3].text, QStringLiteral("kept"));
        if (!message.isEmpty()) {
            QVERIFY2(lastMessage(app).contains(message), qPrintable(lastMessage(app)));
            QCOMPARE(dialogs_.picksShown, 0);
            QCOMPARE(draft.questions[0].text, QString());
            return;
        }
        QCOMPARE(draft.questions[0].text, QStringLiteral("Q12?"));
        QCOMPARE(draft.questions[1].answers[2], QStringLiteral("c1"));
        QCOMPARE(draft.questions[2].ticked, (std::array<bool, 4>{false, false, true, false}));
    }

    // Nothing goes in cut or changed unseen: a text too long for its box and an "&" are shown
    // first, and what the teacher does there is what goes in.
    void importReview_data() {
        QTest::addColumn<QByteArray>("first");
        QTest::addColumn<QString>("teacher");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("question1");
        QTest::addColumn<QString>("answer1A");
        const QString frost = "In which year did the royal family first walk across the frozen "
                              "river to the Frost Fair?";
        QTest::newRow("fits: nothing shown") << QByteArray("Short? {=a ~b ~c ~d}") << ""
                                             << ""
                                             << "Short?"
                                             << "a";
        QTest::newRow("long question shortened")
            << (frost.toUtf8() + " {=1684 ~1066 ~1815 ~1940}") << "Which year was the Frost Fair?"
            << "question 1:" + frost << "Which year was the Frost Fair?"
            << "1684";
        QTest::newRow("long answer, its question left out")
            << QByteArray("Q? {=An answer far too long to fit in a box ~b ~c ~d}") << "out 0"
            << "question 1, answer A:An answer far too long to fit in a box"
            << "Second?"
            << "s";
        QTest::newRow("cancelled") << (frost.toUtf8() + " {=a ~b ~c ~d}") << "cancel"
                                   << "question 1:" + frost << ""
                                   << "";
        QTest::newRow("ampersand made and") << QByteArray("Fish & chips? {=R&D ~b ~c ~d}") << ""
                                            << "question 1:Fish and chips?"
                                            << "Fish and chips?"
                                            << "R and D";
    }
    void importReview() {
        QFETCH(QByteArray, first);
        QFETCH(QString, teacher);
        QFETCH(QString, shown);
        QFETCH(QString, question1);
        QFETCH(QString, answer1A);
        AppFixture app;
        app.content.write("in.gift", first + "\n\nSecond? {=s ~t ~u ~v}\n");
        dialogs_.file = app.content.path() + "/in.gift";
        dialogs_.picks = {0, 1};
        dialogs_.teacher = teacher;
        wizard& editor = Screens::touch<wizard>();
        Screens::open(editor);
        WizardImport::run(editor);
        QStringList seen;
        for (const ImportFit::Text& text : dialogs_.reviewed) {
            if (text.tooLong() || text.ampersand)
                seen << ImportFit::placeOf(text) + ':' + text.text;
        }
        QCOMPARE(seen.value(0), shown);
        const WorksheetDraft draft = editor.draft();
        QCOMPARE(draft.questions[0].text, question1);
        QCOMPARE(draft.questions[0].answers[0], answer1A);
    }

    void commandLine() {
        AppFixture app;
        app.content.copyProjectContent();
        const QString out = app.content.path() + "/sheet.xml";
        QCOMPARE(runExchangeCommand({"--export", "moodle-xml", "Introduction", out}), 0);
        QVERIFY(app.content.read("sheet.xml").contains("<question type=\"multichoice\">"));
        QCOMPARE(runExchangeCommand({"--import", out}), 0);
        QCOMPARE(runExchangeCommand({"--export", "pdf", "Introduction", out + "2"}), 2);
        app.content.write("bad.txt", "Dear parents,\nthe trip is on Friday.\n");
        QCOMPARE(runExchangeCommand({"--import", app.content.path() + "/bad.txt"}), 1);
        QCOMPARE(runExchangeCommand({"--full-screen"}), std::nullopt);
        QVERIFY(!app.content.exists("sheet.xml2"));
        // What a format cannot carry fails the export, and nothing is written.
        app.content.write("multiple/Control.txt",
                          sampleQuestionFile("Control").replace("text 3", "text\x01 3"));
        QCOMPARE(runExchangeCommand({"--export", "moodle-xml", "Control", out + "3"}), 1);
        QVERIFY(!app.content.exists("sheet.xml3"));
    }
};

QTEST_MAIN(tst_exchangescreens)
#include "tst_exchangescreens.moc"
