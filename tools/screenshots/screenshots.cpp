// Walks through every screen of the program as a pupil and a teacher would, with real mouse
// and key events, and saves a picture of each screen; whatever is printed on the way goes to
// PDF files through the program's own printer surface. Runs headless
// (QT_QPA_PLATFORM=offscreen), in a copy of the content folder, with the output folder as its
// argument.
#include "Shots.h"

#include "screens/Startup.h"
#include "screens/activities/AnswerKeyMenu.h"
#include "screens/activities/Welldone.h"
#include "screens/activities/Wrong.h"
#include "screens/activities/board/BoardPrintMenu.h"
#include "screens/activities/board/DragBoard.h"
#include "screens/activities/multiple.h"
#include "screens/authoring/WizardRules.h"
#include "screens/authoring/wizard.h"
#include "screens/authoring/worksheets.h"
#include "screens/navigation/Titlefrm.h"
#include "screens/navigation/TopicMenu.h"
#include "screens/navigation/intro0.h"
#include "screens/reading/guide.h"
#include "screens/reading/teacher.h"

#include <QApplication>
#include <QTest>

using namespace Shots;

namespace {

// The page viewer's and the guide's entries.
constexpr int Print = 0, Exit = 1, NextPage = 2;

// Pictures and prints every page of the document on the viewer, then leaves it.
template <class Viewer> void readPages(int pages, const QString& name) {
    auto& viewer = screen<Viewer>();
    background(viewer, QPoint(560, 500));
    for (int page = 1; page <= pages; ++page) {
        const QString pageName = name + QLatin1Char('-') + QString::number(page);
        save(viewer, pageName);
        nameNextPrint(pageName);
        click(&viewer.Label3(Print));
        if (page < pages)
            click(&viewer.Label3(NextPage));
    }
    click(&viewer.Label3(Exit));
}

// Answers the quiz's questions, all correctly except question `wrong`.
void answerQuiz(int wrong, const QString& firstPicture) {
    auto& quiz = screen<multiple>();
    for (int q = 1; q <= QuestionCount; ++q) {
        const int right = quiz.worksheet().CorrectAnswer[q].toInt();
        click(&quiz.Option1(q == wrong ? right % 4 + 1 : right));
        if (q == 1 && !firstPicture.isEmpty())
            save(quiz, firstPicture);
        click(&quiz.Label3(1));
    }
    settle(300);
}

// The board on paper, as the right-click menu prints it: the task and the answers.
void printBoard(DragBoard& board, const QString& name) {
    nameNextPrint(name);
    printBoardPaper(board, false);
    nameNextPrint(name + QStringLiteral("-answers"));
    printBoardPaper(board, true);
}

void labellingBoard(const QString& screenName, const QString& name) {
    auto& board = screen<DragBoard>(screenName);
    background(board, QPoint(790, 590));
    save(board, name);
    printBoard(board, name);
    for (int i = 0; i < 3; ++i) {
        const Board::Box target = board.rules().target(i);
        dragLabel(board, i, target.left, target.top, target.width, target.height);
    }
    const Board::Box next = board.rules().target(3);
    saveMidDrag(board, 3, next.left, next.top, name + QStringLiteral("-dragging"));
    click(&board.Label3(0));
}

void orderingBoard(const QString& screenName, const QString& name) {
    auto& board = screen<DragBoard>(screenName);
    background(board, QPoint(790, 590));
    save(board, name);
    printBoard(board, name);
    for (int i = 0; i < 4; ++i) {
        const Board::Box target = board.rules().target(i);
        dragLabel(board, i, target.left, target.top, target.width, target.height);
    }
    save(board, name + QStringLiteral("-placed"));
    click(&board.Label3(0));
}

TopicMenu& topicRoad(intro0& menu, int entry, const QString& name) {
    click(&menu.Label2(entry));
    auto& topic = screen<TopicMenu>(name);
    background(topic);
    save(topic, QStringLiteral("topic-") + name);
    click(&topic.Label3(4));
    readPages<teacher>(2, QStringLiteral("key-facts-") + name);
    click(&topic.Label3(5));
    readPages<teacher>(2, QStringLiteral("teachers-notes-") + name);
    click(&topic.Label3(1));
    labellingBoard(name + QStringLiteral("lab"),
                   QStringLiteral("board-") + name + QStringLiteral("lab"));
    click(&topic.Label3(3));
    orderingBoard(name + QStringLiteral("ord"),
                  QStringLiteral("board-") + name + QStringLiteral("ord"));
    return topic;
}

void quizRoad(TopicMenu& topic) {
    click(&topic.Label3(0));
    answerQuiz(3, QStringLiteral("quiz"));
    auto& results = screen<Welldone>();
    save(results, QStringLiteral("results"));
    click(&results.Label3(0));
    save(screen<Wrong>(), QStringLiteral("wrong-answers"));
    click(&screen<Wrong>().Label3(1));

    click(&topic.Label3(0));
    answerQuiz(0, QString());
    auto& full = screen<Welldone>();
    typeInto(full.Text1, QStringLiteral("Mary Seacombe"));
    save(full, QStringLiteral("results-full-marks"));
    nameNextPrint(QStringLiteral("certificate"));
    click(&full.Label3(0));
    click(&full.Label3(1));
}

void wizardRoad(intro0& menu) {
    click(&menu.Label2(17));
    auto& editor = screen<wizard>();
    background(editor, QPoint(400, 560));
    save(editor, QStringLiteral("wizard"));
    typeInto(editor.Text1, QStringLiteral("Castles and Keeps"));
    for (int q = 1; q <= 10; ++q) {
        typeInto(&editor.Text2(q - 1), QStringLiteral("Who kept castle number %1?").arg(q));
        for (int a = 0; a < 4; ++a)
            typeInto(&editor.Text3(4 * (q - 1) + a), QStringLiteral("Keeper %1").arg(a + 1));
        click(&editor.Check1(4 * (q - 1) + (q - 1) % 4));
    }
    background(editor, QPoint(400, 560));
    save(editor, QStringLiteral("wizard-filled"));
    click(&editor.Label3(1));
    click(&editor.Label3(0));
}

void catalogueRoad(intro0& menu) {
    click(&menu.Label2(18));
    auto& catalogue = screen<worksheets>();
    background(catalogue, QPoint(400, 500));
    save(catalogue, QStringLiteral("worksheet-catalogue"));
    nameNextPrint(QStringLiteral("answer-key"));
    printAnswerKeyOf(WizardRules::questionFile(catalogue.Label2(1).Caption()),
                     QStringLiteral("The Orvelles"));
    click(&catalogue.Label2(1));
    auto& quiz = screen<multiple>();
    background(quiz, QPoint(600, 505));
    save(quiz, QStringLiteral("worksheet-quiz"));
    nameNextPrint(QStringLiteral("worksheet"));
    click(&quiz.Label3(3));
    click(&quiz.Label3(2));
    click(&catalogue.Label2(0));
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    setOutput(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));
    startProgram();
    installSeams();
    settle(300);
    intro0* menu = &screen<intro0>();
    background(*menu);
    QTest::mouseMove(&menu->Label2(15));
    save(*menu, QStringLiteral("main-menu"));

    click(&menu->Label2(20));
    readPages<guide>(4, QStringLiteral("guide"));
    click(&menu->Label2(19));
    settle(400);
    save(screen<teacher>(), QStringLiteral("acknowledgements"));
    settle(260);
    save(screen<teacher>(), QStringLiteral("acknowledgements-logo-moving"));
    nameNextPrint(QStringLiteral("acknowledgements"));
    click(&screen<teacher>().Label3(Print));
    click(&screen<teacher>().Label3(Exit));

    auto& first = topicRoad(*menu, 15, QStringLiteral("orvelles"));
    click(&first.Label3(2));
    auto& second = topicRoad(*menu, 7, QStringLiteral("rich"));
    quizRoad(second);
    click(&second.Label3(2));
    click(&topicRoad(*menu, 5, QStringLiteral("ships")).Label3(2));

    wizardRoad(*menu);
    catalogueRoad(*menu);
    // The catalogue unloaded the main menu and its Exit made a new one.
    menu = &screen<intro0>();
    click(&menu->Label2(16));
    save(screen<Titlefrm>(), QStringLiteral("title"));
    click(screen<Titlefrm>().Command1);
    Screens::unloadAll();
    return 0;
}
