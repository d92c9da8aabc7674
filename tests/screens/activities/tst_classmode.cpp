#include "app/Module1.h"
#include "app/Screens.h"
#include "formats/ClassRecord.h"
#include "formats/ItemReader.h"
#include "formats/QuestionFile.h"
#include "screens/activities/ClassMode.h"
#include "screens/activities/board/DragBoard.h"
#include "screens/activities/multiple.h"
#include "screens/exchange/ExchangeCommand.h"
#include "screens/navigation/TopicMenu.h"
#include "screens/navigation/intro0.h"
#include "support/AppFixture.h"
#include "support/ProjectTopics.h"

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
    for (int q = 1; q <= QuestionCount; ++q) {
        const int right = correctAnswerNumber(key.CorrectAnswer[q]);
        click(quiz.Option1(wrong.contains(q) ? right % 4 + 1 : right));
        click(quiz.Label3(multiple::Button::Next));
    }
}

} // namespace

class TestClassMode : public QObject {
    Q_OBJECT
private slots:
    void offAsksAndKeepsNothing();
    void signedInPupilsWorkIsRecorded();
};

void TestClassMode::offAsksAndKeepsNothing() {
    AppFixture app;
    app.content.copyProjectContent();
    app.messages->names = {"Amy"};
    intro0& menu = Screens::open<intro0>();
    menu.Timer1_Timer();
    QVERIFY(!menu.pupilLine);
    QVERIFY(app.messages->texts.isEmpty());
    click(menu.Label2(intro0::Entry::Rich));
    click(Screens::find<TopicMenu>("rich")->Label3(TopicMenu::Entry::Quiz));
    QuestionTables key;
    ItemReader file1 = ItemReader::open(app.content.path() + "/multiple/Rich and Poor.txt");
    LoadQuestionFile(file1, key);
    answerRichAndPoor({}, key);
    QVERIFY(!app.content.exists("record"));
}

// A pupil signs in, does a quiz with three wrong and a board with two labels swapped: both are
// in the record, with the chosen and right answers and the wrong boxes as the paper numbers
// them, and the school's script reads them back as CSV.
void TestClassMode::signedInPupilsWorkIsRecorded() {
    ClassModeOn on;
    qputenv("ORVELLES_MACHINE", "room4-pc2");
    AppFixture app;
    app.content.copyProjectContent();
    app.messages->names = {"Amy"};
    intro0& menu = Screens::open<intro0>();
    menu.Timer1_Timer();
    QCOMPARE(menu.pupilLine->Caption(), QStringLiteral("Pupil: Amy   (change pupil)"));

    click(menu.Label2(intro0::Entry::Rich));
    TopicMenu& topic = *Screens::find<TopicMenu>("rich");
    click(topic.Label3(TopicMenu::Entry::Quiz));
    QuestionTables key;
    ItemReader file1 = ItemReader::open(app.content.path() + "/multiple/Rich and Poor.txt");
    LoadQuestionFile(file1, key);
    answerRichAndPoor({2, 5, 9}, key);

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

    const QString csv = app.content.path() + "/results.csv";
    QCOMPARE(resultsCommand({"csv", QFile::encodeName(csv)}), 0);
    QCOMPARE(ClassRecord::parse(app.content.read("results.csv").replace("\r\n", "\n"), "x").entries,
             read.entries);
    qunsetenv("ORVELLES_MACHINE");
}

QTEST_MAIN(TestClassMode)
#include "tst_classmode.moc"
