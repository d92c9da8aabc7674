#include "app/Module1.h"
#include "app/Screens.h"
#include "formats/ClassRecord.h"
#include "formats/ItemReader.h"
#include "formats/QuestionFile.h"
#include "screens/activities/ClassMode.h"
#include "screens/activities/ClassResultsView.h"
#include "screens/activities/ClassSummary.h"
#include "screens/activities/Welldone.h"
#include "screens/activities/Wrong.h"
#include "screens/activities/board/DragBoard.h"
#include "screens/activities/multiple.h"
#include "screens/exchange/ExchangeCommand.h"
#include "screens/navigation/TopicMenu.h"
#include "screens/navigation/intro0.h"
#include "support/AppFixture.h"
#include "support/ProjectTopics.h"

#include <QCheckBox>
#include <QLabel>
#include <QTableWidget>
#include <QTest>

namespace {

struct ClassModeOn {
    ClassModeOn() { qputenv("ORVELLES_CLASS_MODE", "1"); }
    ~ClassModeOn() { qunsetenv("ORVELLES_CLASS_MODE"); }
};

void click(QWidget& control) {
    QTest::mouseClick(&control, Qt::LeftButton);
}

QPoint centreOf(const Board::Box& box) {
    return {qRound((box.left + box.width / 2) / 15), qRound((box.top + box.height / 2) / 15)};
}

// Drags label `label` into target box `box` by mouse.
void dragInto(DragBoard& board, int label, int box) {
    QWindow* window = board.windowHandle();
    const QPoint from = centreOf(board.rules().label(label));
    const QPoint to = centreOf(board.rules().target(box));
    QTest::mousePress(window, Qt::LeftButton, {}, from);
    QTest::mouseMove(window, (from + to) / 2);
    QTest::mouseMove(window, to);
    QTest::mouseRelease(window, Qt::LeftButton, {}, to);
}

// The Rich and Poor quiz answered with the right answer except on `wrong`, where the next one
// round is chosen.
void answerRichAndPoor(const QList<int>& wrong, const QuestionTables& key) {
    multiple& quiz = *Screens::find<multiple>();
    for (const int q : quiz.asked()) {
        const int right = correctAnswerNumber(key.CorrectAnswer[q]);
        click(quiz.Option1(wrong.contains(q) ? right % 4 + 1 : right));
        click(quiz.Label3(multiple::Button::Next));
    }
}

// Opens the main menu (Amy signs in when class mode is on) and the Rich and Poor quiz;
// returns the quiz's key.
QuestionTables openRichQuiz(AppFixture& app) {
    app.messages->names = {"Amy"};
    intro0& menu = Screens::open<intro0>();
    menu.Timer1_Timer();
    click(menu.Label2(intro0::Entry::Rich));
    click(Screens::find<TopicMenu>("rich")->Label3(TopicMenu::Entry::Quiz));
    QuestionTables key;
    ItemReader file1 = ItemReader::open(app.content.path() + "/multiple/Rich and Poor.txt");
    LoadQuestionFile(file1, key);
    return key;
}

} // namespace

class TestClassMode : public QObject {
    Q_OBJECT
private slots:
    void offAsksAndKeepsNothing();
    void signedInPupilsWorkIsRecorded();
    void tryTheseAgain();
    void teachersView();
};

void TestClassMode::offAsksAndKeepsNothing() {
    AppFixture app;
    app.content.copyProjectContent();
    const QuestionTables key = openRichQuiz(app);
    QVERIFY(!Screens::find<intro0>()->pupilLine);
    QVERIFY(app.messages->texts.isEmpty());
    answerRichAndPoor({4}, key);
    QVERIFY(!app.content.exists("record"));
    QVERIFY(!Screens::find<Wrong>()->review().again);
    QVERIFY(Screens::find<Wrong>()->review().rightAnswers.isEmpty());
}

// A pupil signs in, does a quiz with three wrong and a board with two labels swapped: both are
// in the record, with the chosen and right answers and the wrong boxes as the paper numbers
// them, and the school's script reads them back as CSV.
void TestClassMode::signedInPupilsWorkIsRecorded() {
    ClassModeOn on;
    qputenv("ORVELLES_MACHINE", "room4-pc2");
    AppFixture app;
    app.content.copyProjectContent();
    const QuestionTables key = openRichQuiz(app);
    QCOMPARE(Screens::find<intro0>()->pupilLine->Caption(),
             QStringLiteral("Pupil: Amy   (change pupil)"));
    answerRichAndPoor({2, 5, 9}, key);
    TopicMenu& topic = *Screens::find<TopicMenu>("rich");

    click(topic.Label3(TopicMenu::Entry::Labelling));
    DragBoard& board = *Screens::find<DragBoard>("richlab");
    // Labels 0 and 1 swapped: boxes 0 and 1 (3 and 4 on paper) are wrong.
    for (const int label : {0, 1, 2, 3})
        dragInto(board, label, label < 2 ? 1 - label : label);
    click(board.Label3(DragBoard::Button::CheckScore));

    const ClassRecord::Read read = ClassRecord::readFolder(app.content.path() + "/record");
    QCOMPARE(read.problems, QStringList());
    QCOMPARE(read.entries.size(), 2);
    const ClassRecord::Entry& quiz = read.entries[0];
    QCOMPARE(quiz.pupil, QStringLiteral("Amy"));
    QCOMPARE(quiz.machine, QStringLiteral("room4-pc2"));
    QCOMPARE(quiz.topic, QStringLiteral("Rich and Poor"));
    QCOMPARE(quiz.activity, QStringLiteral("Multiple Choice"));
    QCOMPARE(quiz.score, 7);
    QCOMPARE(quiz.answers.size(), QuestionCount);
    for (const ClassRecord::Answer& a : quiz.answers)
        QCOMPARE(a.chosen == a.right, !QList<int>({2, 5, 9}).contains(a.question));
    const ClassRecord::Entry& labelling = read.entries[1];
    QCOMPARE(labelling.activity, QStringLiteral("Labelling Activity"));
    QCOMPARE(labelling.score, 2);
    QCOMPARE(labelling.outOf, 4);
    QCOMPARE(labelling.wrongBoxes, QList<int>({3, 4}));
    // The pupil can see what belonged in those boxes.
    const QuizReview& review = Screens::find<Wrong>()->review();
    QCOMPARE(review.wrong.size(), 2);
    QVERIFY(review.wrong[0].text.startsWith("Box 3, "));
    QCOMPARE(review.rightAnswers,
             QStringList({board.Label2(0).Caption(), board.Label2(1).Caption()}));

    const QString csv = app.content.path() + "/results.csv";
    QCOMPARE(resultsCommand({"csv", QFile::encodeName(csv)}), 0);
    QCOMPARE(ClassRecord::parse(app.content.read("results.csv").replace("\r\n", "\n"), "x").entries,
             read.entries);
    qunsetenv("ORVELLES_MACHINE");
}

// After three wrong, the review offers the three again; the retry asks them under their own
// numbers, is scored out of three and recorded as a retry, and its review shows the answers.
void TestClassMode::tryTheseAgain() {
    ClassModeOn on;
    AppFixture app;
    app.content.copyProjectContent();
    const QuestionTables key = openRichQuiz(app);
    answerRichAndPoor({2, 5, 9}, key);

    Wrong& wrong = *Screens::find<Wrong>();
    QVERIFY(wrong.review().rightAnswers.isEmpty());
    click(Screens::find<Welldone>()->Label3(Welldone::Button::PrintOrReview));
    QVERIFY(wrong.Label3(Wrong::Button::TryAgain).isVisible());
    click(wrong.Label3(Wrong::Button::TryAgain));
    multiple& quiz = *Screens::find<multiple>();
    QCOMPARE(quiz.asked(), QList<int>({2, 5, 9}));
    QCOMPARE(quiz.Label4->Caption(), QStringLiteral("Question 2"));
    QVERIFY(!quiz.Label3(multiple::Button::Previous).isVisible());
    answerRichAndPoor({5}, key);

    QCOMPARE(Screens::find<Welldone>()->outcome().score, 2);
    QCOMPARE(Screens::find<Welldone>()->outcome().maxScore, 3);
    const Wrong& review = *Screens::find<Wrong>();
    QCOMPARE(review.review().wrong.size(), 1);
    QVERIFY(review.review().wrong[0].text.contains(key.QuestionText[5]));
    const QString right =
        QStringList{key.AnswerA[5], key.AnswerB[5], key.AnswerC[5], key.AnswerD[5]}.value(
            correctAnswerNumber(key.CorrectAnswer[5]) - 1);
    QCOMPARE(review.Label7(0).Caption(), QStringLiteral("Answer: ") + right);
    QVERIFY(!review.review().again);

    const ClassRecord::Read read = ClassRecord::readFolder(app.content.path() + "/record");
    QCOMPARE(read.entries.size(), 2);
    const ClassRecord::Entry& retry = read.entries[1];
    QCOMPARE(retry.activity, ClassRecord::retryActivity);
    QCOMPARE(retry.score, 2);
    QCOMPARE(retry.outOf, 3);
    QCOMPARE(retry.answers.size(), 3);
    QCOMPARE(retry.answers[1].question, 5);
    QVERIFY(retry.answers[1].chosen != retry.answers[1].right);
}

// Amy's two quizzes and a retry, and Ben's one: latest, best by share and tries for each, the
// questions ordered by how often they were wrong; removing Amy leaves Ben.
void TestClassMode::teachersView() {
    AppFixture app;
    const auto entry = [&app](const QString& pupil, const QString& activity, int minute, int score,
                              int outOf, const QList<ClassRecord::Answer>& answers) {
        ClassRecord::Entry e{pupil + QString::number(minute),
                             QDateTime(QDate(2026, 12, 1), QTime(9, minute)),
                             pupil,
                             "pc1",
                             "Kings",
                             activity,
                             score,
                             outOf,
                             answers,
                             {}};
        ClassRecord::append(app.content.path() + "/record/pc1.csv", e);
    };
    QDir().mkpath(app.content.path() + "/record");
    entry("Amy", "Multiple Choice", 1, 5, 10, {{1, "A", "B"}, {2, "C", "C"}, {3, "", "D"}});
    entry("Amy", "Multiple Choice", 2, 4, 10, {{1, "A", "B"}, {2, "D", "C"}, {3, "D", "D"}});
    entry("Amy", "Try these again", 3, 2, 3, {{1, "A", "B"}, {2, "C", "C"}, {3, "D", "D"}});
    entry("Ben", "Multiple Choice", 4, 8, 10, {{1, "C", "B"}, {2, "C", "C"}, {3, "D", "D"}});

    ClassResultsView view(nullptr);
    const auto row = [](QTableWidget* t, int r) {
        QStringList cells;
        for (int c = 0; c < t->columnCount(); ++c)
            cells.append(t->item(r, c)->text());
        return cells.mid(0, 6).join('|');
    };
    QCOMPARE(view.pupils->rowCount(), 3);
    QCOMPARE(row(view.pupils, 0), QStringLiteral("Amy|Kings|Multiple Choice|4 of 10|5 of 10|2"));
    QCOMPARE(row(view.pupils, 1), QStringLiteral("Amy|Kings|Try these again|2 of 3|2 of 3|1"));
    QCOMPARE(row(view.questions, 0).left(18), QStringLiteral("Kings|1|3|3|A (2)"));
    QCOMPARE(row(view.questions, 1).left(18), QStringLiteral("Kings|2|1|3|D (1)"));
    QVERIFY(!view.classMode->isChecked());

    QStringList printed;
    AppFixture::recordPrintsInto(printed);
    view.printReport();
    QVERIFY(printed.contains("printText |Ben - Kings, Multiple Choice: latest 8 out of 10, best "
                             "8 out of 10, 1 try, last on " +
                             QLocale().toString(QDate(2026, 12, 1), QLocale::ShortFormat) + "|"));

    app.messages->names = {"Amy"};
    app.messages->answers = {MessageBox::Answer::Yes};
    view.removePupil();
    QCOMPARE(view.pupils->rowCount(), 1);
    QVERIFY(row(view.pupils, 0).startsWith("Ben|"));
    QCOMPARE(app.messages->offeredNames, QStringList({"Amy", "Ben"}));

    view.classMode->setChecked(true);
    QVERIFY(ClassMode::isOn());
}

QTEST_MAIN(TestClassMode)
#include "tst_classmode.moc"
