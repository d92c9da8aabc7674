#include "app/Module1.h"
#include "app/Screens.h"
#include "formats/ItemReader.h"
#include "formats/QuestionFile.h"
#include "screens/activities/Welldone.h"
#include "screens/activities/Wrong.h"
#include "screens/activities/multiple.h"
#include "screens/navigation/TopicMenu.h"
#include "screens/navigation/intro0.h"
#include "support/AppFixture.h"
#include "support/DoubleClick.h"
#include "support/Worksheets.h"

#include <QApplication>
#include <QTest>

namespace {

const QString click = QStringLiteral("wav\\click.wav");
const QString typekey = QStringLiteral("wav\\typekey.wav");

QuestionTables loadWorksheet(const QString& correct = QStringLiteral("2")) {
    ItemReader file1(sampleQuestionFile(QStringLiteral("Kings, queens"), correct));
    QuestionTables worksheet;
    LoadQuestionFile(file1, worksheet);
    return worksheet;
}

multiple& openQuiz(const QuestionTables& worksheet = loadWorksheet()) {
    return multiple::start(worksheet, QStringLiteral("The Orvelles"), Picture());
}

// Answers the questions in turn: a digit chooses that answer, '-' chooses none.
void answer(multiple& quiz, const QString& choices) {
    for (QChar choice : choices) {
        if (choice != QLatin1Char('-'))
            QTest::mouseClick(&quiz.Option1(choice.digitValue()), Qt::LeftButton);
        QTest::mouseClick(&quiz.Label3(multiple::Button::Next), Qt::LeftButton);
    }
}

} // namespace

class TestQuiz : public QObject {
    Q_OBJECT
private slots:
    void startsAtQuestionOne();
    void navigation();
    void goingBackForgetsTheChoice();
    void scoring_data();
    void scoring();
    void correctAnswerOutsideTheFormat();
    void exitScoresNothing();
    void soundOff();
    void roadFromTheTopicMenuAndBack();
};

void TestQuiz::startsAtQuestionOne() {
    AppFixture app;
    multiple& quiz = openQuiz();
    QCOMPARE(quiz.currentQuestion(), 1);
    QCOMPARE(quiz.Label6->Caption(), QStringLiteral("Kings, queens"));
    QCOMPARE(quiz.Label4->Caption(), QStringLiteral("Question 1"));
    QCOMPARE(quiz.Option1(3).Caption(), QStringLiteral("1 C"));
    QVERIFY(!quiz.Label3(multiple::Button::Previous).Visible());
    QCOMPARE(quiz.chosenOption(), 0);
    // No answer holds the focus, so keys choose nothing until the pupil clicks; a double-click
    // on "Next Question >>" moves on once.
    QVERIFY(QTest::qWaitForWindowActive(&quiz));
    for (int n : {1, 2}) {
        QCOMPARE(quiz.currentQuestion(), n);
        QWidget* focused = QApplication::focusWidget();
        QVERIFY(!qobject_cast<OptionButton*>(focused));
        for (Qt::Key key : {Qt::Key_Space, Qt::Key_Down, Qt::Key_Right})
            QTest::keyClick(focused ? focused : &quiz, key);
        QCOMPARE(quiz.chosenOption(), 0);
        doubleClick(&quiz.Label3(multiple::Button::Next));
    }
}

void TestQuiz::navigation() {
    AppFixture app;
    multiple& quiz = openQuiz();
    answer(quiz, QStringLiteral("---------"));
    QCOMPARE(quiz.currentQuestion(), 10);
    QCOMPARE(quiz.Label4->Caption(), QStringLiteral("Question 10"));
    QCOMPARE(quiz.Label3(multiple::Button::Next).Caption(), QStringLiteral("Check Score >>"));
    QVERIFY(quiz.Label3(multiple::Button::Previous).Visible());
    QTest::mouseClick(&quiz.Label3(multiple::Button::Previous), Qt::LeftButton);
    QCOMPARE(quiz.Label4->Caption(), QStringLiteral("Question 9"));
    QCOMPARE(quiz.Label2->Caption(), QStringLiteral("Question text 9"));
    QCOMPARE(quiz.Label3(multiple::Button::Next).Caption(), QStringLiteral("Next Question >>"));
    for (int i = 0; i < 8; ++i)
        QTest::mouseClick(&quiz.Label3(multiple::Button::Previous), Qt::LeftButton);
    QCOMPARE(quiz.currentQuestion(), 1);
    QVERIFY(!quiz.Label3(multiple::Button::Previous).Visible());
}

void TestQuiz::goingBackForgetsTheChoice() {
    AppFixture app;
    multiple& quiz = openQuiz();
    answer(quiz, QStringLiteral("2"));
    QCOMPARE(quiz.pupilAnswer(1), 1);
    QTest::mouseClick(&quiz.Option1(4), Qt::LeftButton);
    QTest::mouseClick(&quiz.Label3(multiple::Button::Previous), Qt::LeftButton);
    QCOMPARE(quiz.chosenOption(), 0);
    QVERIFY(!quiz.focusWidget() || !quiz.focusWidget()->objectName().startsWith("Option1"));
    answer(quiz, QStringLiteral("-"));
    QCOMPARE(quiz.pupilAnswer(1), 0);
}

void TestQuiz::scoring_data() {
    QTest::addColumn<QString>("choices");
    QTest::addColumn<int>("score");
    QTest::addColumn<QList<int>>("wrongQuestions");
    QTest::newRow("all right") << "2222222222" << 10 << QList<int>{};
    QTest::newRow("2, 5 and 9 wrong") << "2122322242" << 7 << QList<int>{2, 5, 9};
    QTest::newRow("none chosen") << "----------" << 0 << QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    QTest::newRow("last one wrong") << "222222222-" << 9 << QList<int>{10};
}

void TestQuiz::scoring() {
    QFETCH(QString, choices);
    QFETCH(int, score);
    QFETCH(QList<int>, wrongQuestions);
    AppFixture app;
    Module1::state.settings.SoundOn = 1;
    multiple& quiz = openQuiz();
    answer(quiz, choices);
    QCOMPARE(Screens::find<multiple>(), nullptr);
    QCOMPARE(Module1::state.run.QuizSubject, QStringLiteral("The Orvelles"));

    Wrong* review = Screens::find<Wrong>();
    QVERIFY(review);
    QVERIFY(!review->isVisible());
    QCOMPARE(review->Label6->Caption(), QStringLiteral("Kings, queens"));
    for (int k = 0; k < 10; ++k) {
        const bool used = k < wrongQuestions.size();
        QCOMPARE(review->Label2(k).Visible(), used);
        if (used) {
            const QString n = QString::number(wrongQuestions[k]);
            QCOMPARE(review->Label2(k).Caption(), " " + n + ". Question text " + n);
        }
    }
    Welldone* results = Screens::find<Welldone>();
    QVERIFY(results && results->isVisible());
    QCOMPARE(results->outcome().score, score);
    QCOMPARE(results->outcome().maxScore, 10);
    QCOMPARE(results->outcome().subject, QStringLiteral("The Orvelles"));
    QVERIFY(!results->Label6->Visible());
    QVERIFY(results->Label5->Visible());
    QVERIFY(results->Label3(Welldone::Button::PrintOrReview).Visible());
    QCOMPARE(app.sound->played.last(), click);
}

void TestQuiz::correctAnswerOutsideTheFormat() {
    AppFixture app;
    multiple& quiz = openQuiz(loadWorksheet(QStringLiteral("7")));
    answer(quiz, QStringLiteral("1234123412"));
    QVERIFY(Screens::find<Welldone>());
    QCOMPARE(Screens::find<Welldone>()->outcome().score, 0);
}

void TestQuiz::exitScoresNothing() {
    AppFixture app;
    multiple& quiz = openQuiz();
    answer(quiz, QStringLiteral("22"));
    QTest::mouseClick(&quiz.Label3(multiple::Button::Exit), Qt::LeftButton);
    QCOMPARE(Screens::find<multiple>(), nullptr);
    QCOMPARE(Screens::find<Welldone>(), nullptr);
    QCOMPARE(Module1::state.run.QuizSubject, QString());
}

void TestQuiz::soundOff() {
    AppFixture app;
    Module1::state.settings.SoundOn = 1;
    multiple& quiz = openQuiz();
    answer(quiz, QStringLiteral("2"));
    QCOMPARE(app.sound->played, QStringList({typekey, click}));
    Module1::state.settings.SoundOn = 0;
    app.sound->played.clear();
    answer(quiz, QStringLiteral("222222222"));
    QVERIFY(app.sound->played.isEmpty());
}

void TestQuiz::roadFromTheTopicMenuAndBack() {
    AppFixture app;
    Module1::state.settings.SoundOn = 1;
    app.content.write("multiple/Rich and Poor.txt", sampleQuestionFile(QStringLiteral("Homes")));
    intro0& menu = Screens::open<intro0>();
    QTest::mouseClick(&menu.Label2(intro0::Entry::Rich), Qt::LeftButton);
    TopicMenu& topic = *Screens::find<TopicMenu>(QStringLiteral("rich"));
    QTest::mouseClick(&topic.Label3(TopicMenu::Entry::Quiz), Qt::LeftButton);
    multiple& quiz = *Screens::find<multiple>();
    answer(quiz, QStringLiteral("2222-22222"));
    Welldone& results = *Screens::find<Welldone>();
    QCOMPARE(results.Label1->Caption(), QStringLiteral("Good work. You have scored 9 out of 10."));
    QTRY_VERIFY(app.sound->played.contains("wav\\crowd.wav") ||
                app.sound->played.contains("wav\\cheer2.wav") ||
                app.sound->played.contains("wav\\klaxon.wav"));
    QTest::mouseClick(&results.Label3(Welldone::Button::PrintOrReview), Qt::LeftButton);
    Wrong& review = *Screens::find<Wrong>();
    QVERIFY(review.isVisible());
    QCOMPARE(review.Label2(0).Caption(), QStringLiteral(" 5. Question text 5"));
    QVERIFY(!review.Label2(1).Visible());
    QTest::mouseClick(&review.Label3(Wrong::Button::Exit), Qt::LeftButton);
    QCOMPARE(Screens::find<Wrong>(), nullptr);
    QCOMPARE(Screens::find<Welldone>(), nullptr);
    QCOMPARE(Screens::find<multiple>(), nullptr);
    QVERIFY(topic.isVisible());
}

QTEST_MAIN(TestQuiz)
#include "tst_quiz.moc"
