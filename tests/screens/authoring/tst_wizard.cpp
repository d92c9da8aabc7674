#include "formats/FileSizeLimit.h"

#include "app/Module1.h"
#include "app/Screens.h"
#include "screens/authoring/WizardRules.h"
#include "screens/authoring/wizard.h"
#include "screens/navigation/intro0.h"
#include "support/AppFixture.h"
#include "support/Worksheets.h"

#include <QApplication>
#include <QDir>
#include <QTest>
#include <sys/stat.h>

namespace {

const QString click = QStringLiteral("wav\\click.wav");
const QString saved = QStringLiteral("Your worksheet has been saved.");
const QString problem = QStringLiteral("There was a problem saving your worksheet");
const QByteArray emptyCatalogue = " 0 \r\n";

// Types as a user would; characters outside Latin-1 go as the text of an unnamed key.
void type(TextBox& box, const QString& text) {
    for (QChar c : text) {
        if (c.unicode() < 0x80)
            QTest::keyClick(&box, c.toLatin1());
        else
            QTest::sendKeyEvent(QTest::Click, &box, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

void retype(TextBox& box, const QString& text) {
    box.selectAll();
    QTest::keyClick(&box, Qt::Key_Backspace);
    type(box, text);
}

// Question q as the sample files have it: "Question text q", answers "q A" to "q D".
void typeQuestion(wizard& w, int q) {
    type(w.Text2(q - 1), QStringLiteral("Question text %1").arg(q));
    for (int a = 0; a < 4; ++a)
        type(w.Text3(4 * (q - 1) + a), QStringLiteral("%1 %2").arg(q).arg(QChar('A' + a)));
}

// Every box filled and answer B ticked: the worksheet of sampleQuestionFile(title).
void fillAll(wizard& w, const QString& title) {
    type(*w.Text1, title);
    for (int q = 1; q <= 10; ++q) {
        typeQuestion(w, q);
        QTest::mouseClick(&w.Check1(4 * (q - 1) + 1), Qt::LeftButton);
    }
}

// Steps: "fill", "question q", "tick i", "clear2 i", "set3 i text", "notitle".
void apply(wizard& w, const QString& step) {
    const QStringList words = step.split(QLatin1Char(' '));
    const int n = words.value(1).toInt();
    if (words[0] == "fill")
        fillAll(w, QStringLiteral("Sheet"));
    else if (words[0] == "notitle")
        retype(*w.Text1, QString());
    else if (words[0] == "question")
        typeQuestion(w, n);
    else if (words[0] == "tick")
        QTest::mouseClick(&w.Check1(n), Qt::LeftButton);
    else if (words[0] == "clear2")
        retype(w.Text2(n), QString());
    else if (words[0] == "set3")
        retype(w.Text3(n), step.section(QLatin1Char(' '), 2));
}

wizard& openWizard(AppFixture& app) {
    app.content.write("multiple/track.txt", emptyCatalogue);
    Module1::state.settings.SoundOn = 1;
    return Screens::open<wizard>();
}

void save(wizard& w) {
    QTest::mouseClick(&w.Label3(wizard::Button::Save), Qt::LeftButton);
}

QStringList filesIn(const QString& folder) {
    return QDir(folder).entryList(QDir::Files | QDir::Dirs | QDir::System | QDir::NoDotAndDotDot,
                                  QDir::Name);
}

} // namespace

class TestWizard : public QObject {
    Q_OBJECT
private slots:
    void checksInOrder_data();
    void checksInOrder();
    void savedFileByteForByte_data();
    void savedFileByteForByte();
    void savingTwiceListsOnce();
    void titles_data();
    void titles();
    void failedSave_data();
    void failedSave();
    void boxesTakeWhatTheFileCanStore_data();
    void boxesTakeWhatTheFileCanStore();
    void enterMoves_data();
    void enterMoves();
    void tabOrder();
    void controlsFitWithoutOverlap();
    void openedByTheMainMenuAndLeftByExit();
    void leavingAsksOnlyWithUnsavedTyping_data();
    void leavingAsksOnlyWithUnsavedTyping();
    void titleDifferingInCaseAsksBeforeReplacing_data();
    void titleDifferingInCaseAsksBeforeReplacing();
};

void TestWizard::checksInOrder_data() {
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("message");
    const QString completed = QStringLiteral("You have not completed Question");
    QTest::newRow("nothing typed")
        << QStringList{} << "You have not chosen a title for your worksheet";
    QTest::newRow("all but the title")
        << QStringList{"fill", "notitle"} << "You have not chosen a title for your worksheet";
    QTest::newRow("1 unticked, 2 empty") << QStringList{"fill", "tick 1", "clear2 1", "set3 5 "}
                                         << "You have not ticked the correct answer for Question 1";
    QTest::newRow("empty answer, ticked") << QStringList{"fill", "set3 5 "} << completed + " 2";
    QTest::newRow("other answer empty") << QStringList{"fill", "set3 6 "} << completed + " 2";
    QTest::newRow("question text empty") << QStringList{"fill", "clear2 4"} << completed + " 5";
    QTest::newRow("no tick") << QStringList{"fill", "tick 25"}
                             << "You have not ticked the correct answer for Question 7";
    QTest::newRow("two ticks") << QStringList{"fill", "tick 36"}
                               << "You have ticked more than one correct answer for Question 10";
    QTest::newRow("first failure wins")
        << QStringList{"fill", "set3 39 ", "tick 0"}
        << "You have ticked more than one correct answer for Question 1";
    QTest::newRow("blanks are filled") << QStringList{"fill", "set3 3  "} << saved;
}

void TestWizard::checksInOrder() {
    QFETCH(QStringList, steps);
    QFETCH(QString, message);
    AppFixture app;
    wizard& w = openWizard(app);
    for (const QString& step : steps)
        apply(w, step);
    qsizetype soundsAtMessage = -1;
    app.messages->onShow = [&] { soundsAtMessage = app.sound->played.size(); };
    save(w);
    QCOMPARE(app.messages->texts, QStringList{message});
    QCOMPARE(app.messages->shown.first().caption, QStringLiteral("The Orvelles"));
    QCOMPARE(app.messages->shown.first().buttons, MessageBox::Buttons::Ok);
    QCOMPARE(soundsAtMessage, 0);
    QCOMPARE(app.sound->played, QStringList{click});
    QCOMPARE(app.content.exists("multiple/Sheet.txt"), message == saved);
    QVERIFY(w.isVisible());
}

void TestWizard::savedFileByteForByte_data() {
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("question3");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("plain") << "Sheet" << QString() << "multiple/Sheet.txt"
                           << sampleQuestionFile("Sheet");
    QTest::newRow("comma in the title")
        << "Kings, Queens" << QString() << "multiple/Kings, Queens.txt"
        << sampleQuestionFile("Kings, Queens");
    QByteArray withComma = sampleQuestionFile("Sheet");
    withComma.replace("Question text 3\r\n", "Who& what & why\r\n");
    QTest::newRow("comma and ampersand in a question") << "Sheet"
                                                       << "Who, what & why"
                                                       << "multiple/Sheet.txt" << withComma;
    QByteArray withQuote = sampleQuestionFile("Sheet");
    withQuote.replace("Question text 3\r\n", "\x93Who wrote Hamlet?\r\n");
    QTest::newRow("opening quote without its close") << "Sheet"
                                                     << "\"Who wrote Hamlet?"
                                                     << "multiple/Sheet.txt" << withQuote;
}

void TestWizard::savedFileByteForByte() {
    QFETCH(QString, title);
    QFETCH(QString, question3);
    QFETCH(QString, file);
    QFETCH(QByteArray, bytes);
    AppFixture app;
    wizard& w = openWizard(app);
    fillAll(w, title);
    // A teacher who keeps the "&" when "and" is offered gets what the file format makes of it.
    const bool ampersand = question3.contains('&');
    if (ampersand)
        app.messages->answers = {MessageBox::Answer::No};
    if (!question3.isEmpty())
        retype(w.Text2(2), question3);
    save(w);
    QCOMPARE(app.messages->texts.size(), ampersand ? 2 : 1);
    QCOMPARE(app.messages->texts.last(), saved);
    const QByteArray written = app.content.read(file);
    QCOMPARE(written.count("\r\n"), 72);
    QCOMPARE(written.count('\n'), 72);
    QCOMPARE(written, bytes);
    QCOMPARE(app.content.read("multiple/track.txt"), " 1 \r\n" + title.toLatin1() + "\r\n");
    QCOMPARE(w.Text1->Text(), title);
}

void TestWizard::savingTwiceListsOnce() {
    AppFixture app;
    wizard& w = openWizard(app);
    fillAll(w, QStringLiteral("Sheet"));
    save(w);
    retype(w.Text2(0), QStringLiteral("Changed"));
    save(w);
    QCOMPARE(app.messages->texts, (QStringList{saved, saved}));
    QVERIFY(app.content.read("multiple/Sheet.txt").startsWith("Sheet\r\n \r\nChanged\r\n"));
    QCOMPARE(app.content.read("multiple/track.txt"), QByteArray(" 1 \r\nSheet\r\n"));
    // Worksheet files are found without regard to case: "sheet" is the same worksheet.
    retype(*w.Text1, QStringLiteral("sheet"));
    save(w);
    QCOMPARE(app.content.read("multiple/track.txt"), QByteArray(" 1 \r\nSheet\r\n"));
    QVERIFY(app.content.read("multiple/Sheet.txt").startsWith("sheet\r\n"));
    QCOMPARE(filesIn(app.content.path() + "/multiple"), (QStringList{"Sheet.txt", "track.txt"}));
}

void TestWizard::titles_data() {
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("file");
    for (const char* title : {"a/b", "a\\b", "../up", "a:b", "a*", "why?", "\"q", "<x", "x>", "a|b",
                              "tab\tin", "bell\a", ".", "..", " . ", "CON", "com1", "Lpt9", "nul."})
        QTest::newRow(title) << title << problem << QString();
    for (const char* title :
         {"track", "TRACK", "Introduction", "introduction", "rich and POOR", "Ships and explorers"})
        QTest::newRow(title) << title << WizardRules::reservedTitleMessage << QString();
    QTest::newRow("trailing dot") << "Dot." << saved << "multiple/Dot..txt";
    QTest::newRow("trailing space") << "Space " << saved << "multiple/Space .txt";
    QTest::newRow("near a reserved name") << "Tracks" << saved << "multiple/Tracks.txt";
    QTest::newRow("near a device name") << "con man" << saved << "multiple/con man.txt";
}

void TestWizard::titles() {
    QFETCH(QString, title);
    QFETCH(QString, message);
    QFETCH(QString, file);
    AppFixture app;
    wizard& w = openWizard(app);
    const QByteArray builtIn = sampleQuestionFile("Introduction");
    app.content.write("multiple/Introduction.txt", builtIn);
    app.content.write("multiple/Rich and Poor.txt", builtIn);
    fillAll(w, QStringLiteral("x"));
    w.Text1->setText(title);
    save(w);
    QCOMPARE(app.messages->texts, QStringList{message});
    QCOMPARE(app.content.read("multiple/Introduction.txt"), builtIn);
    QCOMPARE(app.content.read("multiple/Rich and Poor.txt"), builtIn);
    QStringList expected = {"Introduction.txt", "Rich and Poor.txt", "track.txt"};
    if (!file.isEmpty())
        expected << file.mid(9);
    expected.sort();
    QCOMPARE(filesIn(app.content.path() + "/multiple"), expected);
    QCOMPARE(filesIn(app.content.path()), (QStringList{"multiple", "topics"}));
    const QByteArray track =
        file.isEmpty() ? emptyCatalogue : " 1 \r\n" + title.toLatin1() + "\r\n";
    QCOMPARE(app.content.read("multiple/track.txt"), track);
}

void TestWizard::failedSave_data() {
    QTest::addColumn<QString>("trouble");
    QTest::addColumn<QByteArray>("sheetAfter");
    QTest::addColumn<QStringList>("filesAfter");
    const QByteArray earlier = sampleQuestionFile("Sheet", "1");
    QTest::newRow("folder in the way")
        << "folder" << QByteArray() << QStringList{"Sheet.txt", "track.txt"};
    QTest::newRow("FIFO in the way")
        << "fifo" << QByteArray() << QStringList{"Sheet.txt", "track.txt"};
    QTest::newRow("disk full") << "full" << earlier << QStringList{"Sheet.txt", "track.txt"};
    QTest::newRow("no catalogue") << "nocatalogue" << sampleQuestionFile("Sheet")
                                  << QStringList{"Sheet.txt"};
}

void TestWizard::failedSave() {
    QFETCH(QString, trouble);
    QFETCH(QByteArray, sheetAfter);
    QFETCH(QStringList, filesAfter);
    AppFixture app;
    wizard& w = openWizard(app);
    fillAll(w, QStringLiteral("Sheet"));
    if (trouble == "folder")
        QDir(app.content.path()).mkpath("multiple/Sheet.txt");
    if (trouble == "fifo")
        QCOMPARE(::mkfifo(QFile::encodeName(app.content.path() + "/multiple/Sheet.txt"), 0600), 0);
    if (trouble == "full")
        app.content.write("multiple/Sheet.txt", sampleQuestionFile("Sheet", "1"));
    if (trouble == "nocatalogue")
        QFile::remove(app.content.path() + "/multiple/track.txt");
    {
        FileSizeLimit diskFull(trouble == "full" ? 200 : RLIM_INFINITY);
        save(w);
    }
    // A node in the way is named, so that someone can take it away.
    const QString named = trouble == "folder" ? "\" is a folder, not a file"
                          : trouble == "fifo" ? "\" is a pipe (FIFO), not a file"
                                              : QString();
    QCOMPARE(app.messages->texts.size(), 1);
    QCOMPARE(app.messages->texts[0].section("\n\n", 0, 0), problem);
    QCOMPARE(app.messages->texts[0].contains("Sheet.txt" + named), !named.isEmpty());
    if (trouble != "fifo")
        QCOMPARE(app.content.read("multiple/Sheet.txt"), sheetAfter);
    QCOMPARE(filesIn(app.content.path() + "/multiple"), filesAfter);
    if (trouble != "nocatalogue")
        QCOMPARE(app.content.read("multiple/track.txt"), emptyCatalogue);
    // The teacher can put things right and save again.
    if (trouble == "full") {
        save(w);
        QCOMPARE(app.content.read("multiple/Sheet.txt"), sampleQuestionFile("Sheet"));
    }
}

void TestWizard::boxesTakeWhatTheFileCanStore_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("kept");
    QTest::newRow("title limit") << "Text1" << QString(30, 'x') << QString(25, 'x');
    QTest::newRow("question limit") << "Text2_9" << QString(65, 'q') << QString(60, 'q');
    QTest::newRow("answer limit") << "Text3_39" << QString(35, 'a') << QString(30, 'a');
    QTest::newRow("8-bit") << "Text3_0" << QString::fromUtf8("Café €5 ✓ ā—ok")
                           << QString::fromUtf8("Café €5  —ok");
    QTest::newRow("8-bit title") << "Text1" << QString::fromUtf8("Ωmega Ælfred")
                                 << QString::fromUtf8("mega Ælfred");
    // An "&" is offered as "and" (the teacher answers Yes), since the file reads it as a comma;
    // the title is a file name and keeps it.
    QTest::newRow("& in a question") << "Text2_0"
                                     << "Fish & chips?"
                                     << "Fish and chips?";
    QTest::newRow("& in an answer") << "Text3_0"
                                    << "R&D"
                                    << "R and D";
    QTest::newRow("& with no room for and")
        << "Text3_1" << QString(28, 'x') + "&" << QString(28, 'x') + "&";
    QTest::newRow("& in the title") << "Text1"
                                    << "Fish & chips"
                                    << "Fish & chips";
}

void TestWizard::boxesTakeWhatTheFileCanStore() {
    QFETCH(QString, box);
    QFETCH(QString, typed);
    QFETCH(QString, kept);
    AppFixture app;
    wizard& w = openWizard(app);
    auto* target = w.findChild<TextBox*>(box);
    QVERIFY(target);
    type(*target, typed);
    QCOMPARE(target->Text(), kept);
}

void TestWizard::enterMoves_data() {
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::newRow("title") << "Text1"
                           << "Text2_0";
    QTest::newRow("question 4") << "Text2_3"
                                << "Text3_12";
    QTest::newRow("answer A") << "Text3_4"
                              << "Text3_5";
    QTest::newRow("answer C") << "Text3_38"
                              << "Text3_39";
    QTest::newRow("answer D") << "Text3_7"
                              << "Text2_2";
    QTest::newRow("answer D, question 9") << "Text3_35"
                                          << "Text2_9";
    QTest::newRow("last answer") << "Text3_39"
                                 << "Text3_39";
}

void TestWizard::enterMoves() {
    QFETCH(QString, from);
    QFETCH(QString, to);
    AppFixture app;
    wizard& w = openWizard(app);
    auto* box = w.findChild<TextBox*>(from);
    type(*box, QStringLiteral("x"));
    box->setFocus();
    QTest::keyClick(box, Qt::Key_Return);
    QCOMPARE(w.focusWidget()->objectName(), to);
    QCOMPARE(box->Text(), QStringLiteral("x"));
}

void TestWizard::tabOrder() {
    AppFixture app;
    wizard& w = openWizard(app);
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QStringList expected;
    for (int i = 0; i < 10; ++i) {
        expected << QStringLiteral("Text2_%1").arg(i);
        for (int a = 0; a < 4; ++a)
            expected << QStringLiteral("Text3_%1").arg(4 * i + a);
    }
    for (int i = 0; i < 40; ++i)
        expected << QStringLiteral("Check1_%1").arg(i);
    // The entries follow the fields, so the whole screen is reachable by keyboard.
    expected << "Label3_1"
             << "Label3_0"
             << "Text1";
    w.Text1->setFocus();
    QStringList visited;
    for (int step = 0; step < expected.size(); ++step) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(visited, expected);
}

void TestWizard::controlsFitWithoutOverlap() {
    AppFixture app;
    wizard& w = openWizard(app);
    QList<QWidget*> boxes;
    w.Text2.forEach([&](int, TextBox& box) { boxes << &box; });
    w.Text3.forEach([&](int, TextBox& box) { boxes << &box; });
    w.Check1.forEach([&](int, CheckBox& tick) { boxes << &tick; });
    QCOMPARE(boxes.size(), 90);
    const QRect window(QPoint(0, 0), w.size());
    // The design lets each tick box of answers A and C run one pixel into its answer box.
    const auto inner = [](QWidget* box) { return box->geometry().adjusted(1, 0, 0, 0); };
    for (qsizetype i = 0; i < boxes.size(); ++i) {
        QVERIFY2(window.contains(boxes[i]->geometry()), qPrintable(boxes[i]->objectName()));
        for (qsizetype j = i + 1; j < boxes.size(); ++j)
            QVERIFY2(!inner(boxes[i]).intersects(inner(boxes[j])),
                     qPrintable(boxes[i]->objectName() + " " + boxes[j]->objectName()));
    }
    // Question 8's answer D and question 5's tick B, placed from their column and row.
    QCOMPARE(
        QRectF(w.Text3(31).Left(), w.Text3(31).Top(), w.Text3(31).Width(), w.Text3(31).Height()),
        QRectF(9480, 4440, 2295, 330));
    QCOMPARE(QRectF(w.Check1(17).Left(), w.Check1(17).Top(), w.Check1(17).Width(),
                    w.Check1(17).Height()),
             QRectF(3330, 6990, 255, 315));
    QCOMPARE(w.Check1(17).BackColor(), QColor(0, 78, 152));
}

void TestWizard::openedByTheMainMenuAndLeftByExit() {
    AppFixture app;
    intro0& menu = Screens::open<intro0>();
    QTest::mouseClick(&menu.Label2(intro0::Entry::Wizard), Qt::LeftButton);
    wizard* w = Screens::find<wizard>();
    QVERIFY(w && w->isVisible());
    QVERIFY(menu.isVisible());
    QCOMPARE(w->Text1->Text(), QString());
    type(*w->Text1, QStringLiteral("Half done"));
    QTest::mouseClick(&w->Label3(wizard::Button::Exit), Qt::LeftButton);
    AppFixture::settle();
    QCOMPARE(Screens::find<wizard>(), nullptr);
    QCOMPARE(app.sound->played, (QStringList{click, click}));
    QTest::mouseClick(&menu.Label2(intro0::Entry::Wizard), Qt::LeftButton);
    QCOMPARE(Screens::find<wizard>()->Text1->Text(), QString());
}

void TestWizard::leavingAsksOnlyWithUnsavedTyping_data() {
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("way");
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("asked");
    QTest::addColumn<bool>("left");
    const int yes = int(MessageBox::Answer::Yes);
    const int no = int(MessageBox::Answer::No);
    QTest::newRow("nothing typed, Escape") << QStringList{} << "escape" << no << false << true;
    QTest::newRow("typed, Escape on a tick box, No")
        << QStringList{"title", "question 1"} << "escape" << no << true << false;
    QTest::newRow("typed, Escape on a tick box, Yes")
        << QStringList{"title", "question 1"} << "escape" << yes << true << true;
    QTest::newRow("a tick only, frame closed, No")
        << QStringList{"tick 3"} << "close" << no << true << false;
    QTest::newRow("saved, Escape")
        << QStringList{"fill", "save"} << "escape" << no << false << true;
    QTest::newRow("filled by the catalogue's edit path, Escape")
        << QStringList{"edit"} << "escape" << no << false << true;
    QTest::newRow("changed after saving, Escape")
        << QStringList{"fill", "save", "tick 0"} << "escape" << no << true << false;
    QTest::newRow("typed, Exit") << QStringList{"title"} << "exit" << no << false << true;
}

void TestWizard::leavingAsksOnlyWithUnsavedTyping() {
    QFETCH(QStringList, steps);
    QFETCH(QString, way);
    QFETCH(int, answer);
    QFETCH(bool, asked);
    QFETCH(bool, left);
    AppFixture app;
    // The catalogue's edit path fills the boxes before the wizard is shown.
    wizard& w = steps.contains("edit") ? Screens::touch<wizard>() : openWizard(app);
    if (steps.contains("edit")) {
        w.Text1->setText(QStringLiteral("Kings"));
        w.Check1(1).setValue(true);
        Screens::open(w);
    }
    for (const QString& step : steps) {
        if (step == "edit")
            continue;
        if (step == "title")
            type(*w.Text1, QStringLiteral("Rivers"));
        else if (step == "save")
            save(w);
        else
            apply(w, step);
    }
    app.messages->texts.clear();
    app.messages->answers = {MessageBox::Answer(answer)};
    w.Check1(0).setFocus();
    if (way == "escape")
        QTest::keyClick(&w.Check1(0), Qt::Key_Escape);
    else if (way == "close")
        w.close();
    else
        QTest::mouseClick(&w.Label3(wizard::Button::Exit), Qt::LeftButton);
    AppFixture::settle();
    QCOMPARE(app.messages->texts,
             asked ? QStringList{WizardRules::leaveUnsavedQuestion} : QStringList{});
    if (asked)
        QCOMPARE(app.messages->shown.constLast().buttons, MessageBox::Buttons::YesNo);
    QCOMPARE(Screens::find<wizard>() == nullptr, left);
    // Kept open, the wizard still holds what was typed.
    if (!left)
        QVERIFY(w.isVisible() && w.draft() != WorksheetDraft());
}

void TestWizard::titleDifferingInCaseAsksBeforeReplacing_data() {
    QTest::addColumn<QString>("title");
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("asked");
    QTest::addColumn<bool>("replaced");
    const int yes = int(MessageBox::Answer::Yes);
    const int no = int(MessageBox::Answer::No);
    QTest::newRow("the same name") << "Alpha" << no << false << true;
    QTest::newRow("in capitals, No") << "ALPHA" << no << true << false;
    QTest::newRow("in capitals, Yes") << "ALPHA" << yes << true << true;
    QTest::newRow("another name") << "Beta" << no << false << false;
}

void TestWizard::titleDifferingInCaseAsksBeforeReplacing() {
    QFETCH(QString, title);
    QFETCH(int, answer);
    QFETCH(bool, asked);
    QFETCH(bool, replaced);
    AppFixture app;
    wizard& w = openWizard(app);
    const QByteArray alpha = sampleQuestionFile(QStringLiteral("Alpha"), QStringLiteral("3"));
    app.content.write("multiple/Alpha.txt", alpha);
    app.content.write("multiple/track.txt", " 1 \r\nAlpha\r\n");
    fillAll(w, title);
    app.messages->answers = {MessageBox::Answer(answer)};
    save(w);
    const QString question = WizardRules::replaceQuestion(QStringLiteral("Alpha"));
    QCOMPARE(app.messages->texts.contains(question), asked);
    QCOMPARE(app.messages->texts.contains(saved), !asked || replaced);
    QCOMPARE(app.content.read("multiple/Alpha.txt") != alpha, replaced);
    QCOMPARE(app.content.read("multiple/track.txt").count("\r\n"), title == "Beta" ? 3 : 2);
}

QTEST_MAIN(TestWizard)
#include "tst_wizard.moc"
