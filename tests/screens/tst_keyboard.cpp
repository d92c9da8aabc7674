#include "app/FullScreen.h"
#include "app/Module1.h"
#include "app/Screens.h"
#include "formats/ItemReader.h"
#include "formats/QuestionFile.h"
#include "platform/Twips.h"
#include "platform/controls/AccessibleControls.h"
#include "screens/activities/Welldone.h"
#include "screens/activities/Wrong.h"
#include "screens/activities/board/DragBoard.h"
#include "screens/activities/multiple.h"
#include "screens/authoring/wizard.h"
#include "screens/authoring/worksheets.h"
#include "screens/navigation/Titlefrm.h"
#include "screens/navigation/TopicMenu.h"
#include "screens/navigation/intro0.h"
#include "screens/reading/guide.h"
#include "support/AppFixture.h"
#include "support/ProjectTopics.h"
#include "support/Worksheets.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QTest>
#include <QTimer>

namespace {

const QString click = QStringLiteral("wav\\click.wav");
const QString thud = QStringLiteral("wav\\thud3.wav");

Screen& openScreen(const QString& name) {
    if (name == "multiple") {
        ItemReader file(sampleQuestionFile(QStringLiteral("Kings"), QStringLiteral("2")));
        QuestionTables worksheet;
        LoadQuestionFile(file, worksheet);
        return multiple::start(worksheet, QString(), Picture());
    }
    if (name == "orvelles")
        return ProjectTopics::openMenu(QStringLiteral("orvelles"));
    if (name == "orvelleslab")
        return ProjectTopics::openBoard(QStringLiteral("orvelleslab"));
    if (name == "richord" || name == "richlab")
        return ProjectTopics::openBoard(name);
    if (name == "worksheets")
        return Screens::open<worksheets>();
    if (name.startsWith("Wrong")) {
        Wrong& review = Screens::touch<Wrong>();
        QuizReview shown{QStringLiteral("Kings"), {{1, " 2. Two"}, {4, " 5. Five"}}};
        if (name == "WrongAgain")
            shown.again = QuizAgain{{}, {}, {}, {2, 5}};
        review.showReview(shown);
        Screens::open(review);
        return review;
    }
    if (name == "wizard")
        return Screens::open<wizard>();
    if (name == "Titlefrm")
        return Screens::open<Titlefrm>();
    return Screens::open<intro0>();
}

QString focusedName() {
    QWidget* focused = QApplication::focusWidget();
    return focused ? focused->objectName() : QString();
}

// Tabs from the bare window and names every stop until the first comes round again.
QStringList tabStops(Screen& screen) {
    screen.setFocus();
    QStringList stops;
    for (int i = 0; i < 60; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        if (!stops.isEmpty() && focusedName() == stops.first())
            break;
        stops << focusedName();
    }
    return stops;
}

void tabTo(QWidget& target) {
    for (int i = 0; i < 60 && !target.hasFocus(); ++i)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QVERIFY(target.hasFocus());
}

// Where every label stands, what was heard and whether the board offers its score.
struct BoardOutcome {
    QList<QPointF> places;
    QStringList sounds;
    bool checkScore;
    int score;
    bool operator==(const BoardOutcome&) const = default;
};

BoardOutcome outcomeOf(AppFixture& app, DragBoard& board) {
    BoardOutcome outcome{{},
                         app.sound->played,
                         board.Label3(DragBoard::Button::CheckScore).Visible(),
                         board.rules().score()};
    for (int i = 0; i < board.rules().count(); ++i)
        outcome.places << QPointF(board.rules().label(i).left, board.rules().label(i).top);
    return outcome;
}

QPoint centreOf(const Board::Box& box) {
    return Twips::toPixels(QRectF(box.left, box.top, box.width, box.height)).center();
}

} // namespace

class TestKeyboard : public QObject {
    Q_OBJECT
private slots:
    void focusOrder_data();
    void focusOrder();
    void keys_data();
    void keys();
    void quizAnswersByArrows();
    void keyboardDropIsADrag_data();
    void keyboardDropIsADrag();
    void clickThenClick();
    void boardSpeaks_data();
    void boardSpeaks();
    void lastDropLeadsToTheScore();
    void menuKeys_data();
    void menuKeys();
    void entriesAreButtonsToAScreenReader();
    void picturesAndPagesSayWhatTheyShow();
    void screensAreNamedWindows_data();
    void screensAreNamedWindows();
    void eachQuestionComesWithTheFocusAtItsAnswers();
    void escapeAsksBeforeWorkIsLost_data();
    void escapeAsksBeforeWorkIsLost();
    void heldF11TogglesOnce();
    void f1OpensTheKeysPage();
};

QStringList visibleScreens() {
    QStringList names;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (dynamic_cast<Screen*>(window) && window->isVisible())
            names << window->objectName();
    }
    return names;
}

void TestKeyboard::focusOrder_data() {
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QStringList>("stops");
    // The greyed topics are passed by; one stop for each group of option buttons.
    QTest::newRow("main menu") << "intro0" << QStringList{"Option1",   "Label2_20", "Label2_15",
                                                          "Label2_5",  "Label2_7",  "Label2_17",
                                                          "Label2_18", "Label2_19", "Label2_16"};
    QTest::newRow("topic menu") << "orvelles" << QStringList{"Label3_4", "Label3_5", "Label3_0",
                                                             "Label3_1", "Label3_3", "Label3_2"};
    QTest::newRow("quiz") << "multiple"
                          << QStringList{"Label3_3", "Option1_1", "Label3_1", "Label3_2"};
    // "Check Score" is not offered yet; the boxes are reached only with a label lifted.
    QTest::newRow("labelling board")
        << "orvelleslab" << QStringList{"Label2_1", "Label2_2", "Label2_0", "Label2_4",
                                        "Label2_3", "Label3_1", "Label3_0"};
    QTest::newRow("ordering board")
        << "richord" << QStringList{"Label2_3", "Label2_2", "Label2_4", "Label2_6", "Label2_7",
                                    "Label2_0", "Label2_1", "Label2_5", "Label3_1", "Label3_0"};
    QTest::newRow("catalogue") << "worksheets" << QStringList{"Check1", "Check2", "Label2_0"};
    // The review is read a line at a time.
    QTest::newRow("review") << "Wrong" << QStringList{"Label2_1", "Label2_4", "Label3_1"};
    QTest::newRow("review offering another go")
        << "WrongAgain" << QStringList{"Label3_0", "Label2_1", "Label2_4", "Label3_1"};
}

void TestKeyboard::focusOrder() {
    QFETCH(QString, screen);
    QFETCH(QStringList, stops);
    AppFixture app;
    Screen& shown = openScreen(screen);
    QVERIFY(QTest::qWaitForWindowActive(&shown));
    QCOMPARE(tabStops(shown), stops);
}

void TestKeyboard::keys_data() {
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("stop");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("shownAfter");
    QTest::newRow("Enter on a topic") << "intro0"
                                      << "Label2_15" << int(Qt::Key_Return) << "orvelles";
    QTest::newRow("Space on a topic") << "intro0"
                                      << "Label2_15" << int(Qt::Key_Space) << "orvelles";
    QTest::newRow("Enter on Exit") << "orvelles"
                                   << "Label3_2" << int(Qt::Key_Return) << "intro0";
    QTest::newRow("Escape on a topic menu") << "orvelles"
                                            << "" << int(Qt::Key_Escape) << "intro0";
    QTest::newRow("Escape on the quiz") << "multiple"
                                        << "" << int(Qt::Key_Escape) << "";
    QTest::newRow("Escape on a board") << "richord"
                                       << "" << int(Qt::Key_Escape) << "";
    QTest::newRow("Escape on the title screen is its Cancel")
        << "Titlefrm"
        << "" << int(Qt::Key_Escape) << "intro0";
}

// A key does what a click on the same entry does: the same screen follows, the same sound.
void TestKeyboard::keys() {
    QFETCH(QString, screen);
    QFETCH(QString, stop);
    QFETCH(int, key);
    QFETCH(QString, shownAfter);
    AppFixture app;
    Screen& shown = openScreen(screen);
    QVERIFY(QTest::qWaitForWindowActive(&shown));
    shown.setFocus();
    if (!stop.isEmpty())
        tabTo(*shown.findChild<QWidget*>(stop));
    Module1::state.settings.SoundOn = 1;
    app.sound->played.clear();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
    QCOMPARE(app.sound->played, QStringList{click});
    if (shownAfter.isEmpty())
        QVERIFY(!visibleScreens().contains(screen));
    else
        QVERIFY(visibleScreens().contains(shownAfter));
}

void TestKeyboard::quizAnswersByArrows() {
    AppFixture app;
    auto& quiz = static_cast<multiple&>(openScreen("multiple"));
    QVERIFY(QTest::qWaitForWindowActive(&quiz));
    tabTo(quiz.Option1(1));
    QCOMPARE(quiz.chosenOption(), 0);
    QTest::keyClick(&quiz.Option1(1), Qt::Key_Down);
    QTest::keyClick(&quiz.Option1(2), Qt::Key_Down);
    QCOMPARE(quiz.chosenOption(), 3);
    QTest::keyClick(&quiz.Option1(3), Qt::Key_Up);
    QCOMPARE(quiz.chosenOption(), 2);
    // Tab leaves the group at once, and comes back to the answer chosen.
    QTest::keyClick(&quiz.Option1(2), Qt::Key_Tab);
    QVERIFY(!qobject_cast<OptionButton*>(QApplication::focusWidget()));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    QVERIFY(quiz.Option1(2).hasFocus());
    QTest::keyClick(&quiz.Option1(2), Qt::Key_Return);
    QCOMPARE(quiz.currentQuestion(), 2);
    QCOMPARE(quiz.pupilAnswer(1), 1);
}

void TestKeyboard::keyboardDropIsADrag_data() {
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QList<int>>("boxes"); // where labels 0, 1, ... are put in turn
    QTest::newRow("labelling, each right") << "orvelleslab" << QList<int>{0, 1, 2, 3, 4};
    QTest::newRow("labelling, swapped") << "orvelleslab" << QList<int>{1, 0, 2};
    QTest::newRow("labelling, one box twice") << "orvelleslab" << QList<int>{3, 3};
    QTest::newRow("ordering, reversed") << "richord" << QList<int>{5, 4, 3, 2, 1, 0};
}

// Dropping by keyboard lands, sounds and scores exactly as dragging to the same box.
void TestKeyboard::keyboardDropIsADrag() {
    QFETCH(QString, screen);
    QFETCH(QList<int>, boxes);
    BoardOutcome dragged, dropped;
    {
        AppFixture app;
        auto& board = static_cast<DragBoard&>(openScreen(screen));
        QVERIFY(QTest::qWaitForWindowExposed(&board));
        QVERIFY(boxes.size() <= board.rules().count());
        for (int label = 0; label < boxes.size(); ++label) {
            QWindow* window = board.windowHandle();
            const QPoint from = centreOf(board.rules().label(label));
            const QPoint to = centreOf(board.rules().target(boxes[label]));
            QTest::mousePress(window, Qt::LeftButton, {}, from);
            QTest::mouseMove(window, (from + to) / 2);
            QTest::mouseMove(window, to);
            QTest::mouseRelease(window, Qt::LeftButton, {}, to);
        }
        dragged = outcomeOf(app, board);
    }
    {
        AppFixture app;
        auto& board = static_cast<DragBoard&>(openScreen(screen));
        QVERIFY(QTest::qWaitForWindowActive(&board));
        for (int label = 0; label < boxes.size(); ++label) {
            Label& lifted = board.Label2(label);
            lifted.setFocus();
            QTest::keyClick(&lifted, Qt::Key_Space);
            QCOMPARE(board.liftedLabel(), label);
            for (int i = 0; i < board.rules().count() && board.pickedBox() != boxes[label]; ++i)
                QTest::keyClick(&lifted, i % 2 ? Qt::Key_Tab : Qt::Key_Right);
            QCOMPARE(board.pickedBox(), boxes[label]);
            QTest::keyClick(&lifted, Qt::Key_Return);
            QCOMPARE(board.liftedLabel(), -1);
        }
        dropped = outcomeOf(app, board);
    }
    QCOMPARE(dropped.places, dragged.places);
    QCOMPARE(dropped.sounds, dragged.sounds);
    QCOMPARE(dropped.checkScore, dragged.checkScore);
    QCOMPARE(dropped.score, dragged.score);
}

// Click a label, then a box; Escape before the drop leaves everything where it was.
void TestKeyboard::clickThenClick() {
    AppFixture app;
    auto& board = static_cast<DragBoard&>(openScreen("orvelleslab"));
    QVERIFY(QTest::qWaitForWindowActive(&board));
    const Board::Box home = board.rules().label(2);
    board.Label2(2).setFocus();
    QTest::keyClick(&board.Label2(2), Qt::Key_Enter);
    QTest::keyClick(&board.Label2(2), Qt::Key_Down);
    QTest::keyClick(&board.Label2(2), Qt::Key_Escape);
    QVERIFY(board.isVisible());
    QCOMPARE(board.liftedLabel(), -1);
    QCOMPARE(board.rules().label(2).left, home.left);
    QTest::mouseClick(&board.Label2(2), Qt::LeftButton);
    QCOMPARE(board.liftedLabel(), 2);
    QTest::mouseClick(&board.Label1(2), Qt::LeftButton);
    QVERIFY(board.rules().standsIn(2, board.rules().target(2)));
    QVERIFY(board.Label2(2).takesKeys());
}

void TestKeyboard::boardSpeaks_data() {
    QTest::addColumn<QString>("screen");
    QTest::addColumn<int>("label");
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<QStringList>("spoken"); // after each key
    QTest::addColumn<QString>("place");      // a box or home slot, and its name at the end
    QTest::addColumn<QString>("named");
    // The boxes go left to right, whatever their height in the row.
    QTest::newRow("labelling: along the row and back")
        << "orvelleslab" << 1
        << QList<int>{Qt::Key_Space, Qt::Key_Right, Qt::Key_Right, Qt::Key_Left, Qt::Key_Return}
        << QStringList{"Queen Elspeth lifted",
                       "box 1 of 5, under the lady in green, far left, empty",
                       "box 2 of 5, under the boy in blue, beside the dog, empty",
                       "box 1 of 5, under the lady in green, far left, empty", "placed in box 1"}
        << "Label1_0"
        << "box 1 of 5, under the lady in green, far left, holds Queen Elspeth";
    QTest::newRow("ordering: Down goes on like Right")
        << "richord" << 4 << QList<int>{Qt::Key_Return, Qt::Key_Down, Qt::Key_Down, Qt::Key_Return}
        << QStringList{"Life was very hard for poor Orvelle people lifted",
                       "box 1 of 8, in the True column, first from the top, empty",
                       "box 2 of 8, in the False column, first from the top, empty",
                       "placed in box 2"}
        << "Label1_2"
        << "box 2 of 8, in the False column, first from the top, holds Life was very hard for "
           "poor Orvelle people";
    // Back from nothing picked is the last place: the home slots follow the boxes.
    QTest::newRow("ordering: Up goes back, Escape puts back")
        << "richord" << 4 << QList<int>{Qt::Key_Return, Qt::Key_Up, Qt::Key_Up, Qt::Key_Escape}
        << QStringList{"Life was very hard for poor Orvelle people lifted",
                       "home place 8 of 8, holds Rich people lived the longest in Orvelle times",
                       "home place 7 of 8, holds Poor people lived the longest in Orvelle times",
                       "put back, in home place 3 of 8"}
        << "Label4_4"
        << "home place 3 of 8, holds Life was very hard for poor Orvelle people";
}

// What a screen reader hears of a label while it is lifted, moved and dropped, and of a place.
void TestKeyboard::boardSpeaks() {
    QFETCH(QString, screen);
    QFETCH(int, label);
    QFETCH(QList<int>, keys);
    QFETCH(QStringList, spoken);
    QFETCH(QString, place);
    QFETCH(QString, named);
    AppFixture app;
    auto& board = static_cast<DragBoard&>(openScreen(screen));
    QVERIFY(QTest::qWaitForWindowActive(&board));
    Label& lifted = board.Label2(label);
    lifted.setFocus(Qt::TabFocusReason);
    QStringList heard;
    for (int key : keys) {
        QTest::keyClick(&lifted, Qt::Key(key));
        heard << AccessibleControls::announced(&board);
    }
    QCOMPARE(heard, spoken);
    auto* shown = board.findChild<QWidget*>(place);
    QCOMPARE(QAccessible::queryAccessibleInterface(shown)->text(QAccessible::Name), named);
}

// Placed by keys, the last label hands the focus to Check Score; a placed label is lifted again.
void TestKeyboard::lastDropLeadsToTheScore() {
    AppFixture app;
    auto& board = static_cast<DragBoard&>(openScreen("richlab"));
    QVERIFY(QTest::qWaitForWindowActive(&board));
    for (int label = 0; label < board.rules().count(); ++label) {
        Label& lifted = board.Label2(label);
        lifted.setFocus(Qt::TabFocusReason);
        QTest::keyClick(&lifted, Qt::Key_Space);
        while (board.pickedBox() != label)
            QTest::keyClick(&lifted, Qt::Key_Right);
        QTest::keyClick(&lifted, Qt::Key_Return);
    }
    QCOMPARE(focusedName(), QStringLiteral("Label3_2"));
    tabTo(board.Label2(0));
    QTest::keyClick(&board.Label2(0), Qt::Key_Space);
    QCOMPARE(board.liftedLabel(), 0);
}

void TestKeyboard::menuKeys_data() {
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("stop");
    QTest::addColumn<bool>("shift"); // Shift+F10, else the Menu key
    QTest::addColumn<QString>("firstEntry");
    QTest::newRow("topic menu, quiz") << "orvelles"
                                      << "Label3_0" << false << "Print the answer key";
    QTest::newRow("topic menu, key facts: none") << "orvelles"
                                                 << "Label3_4" << true << "";
    QTest::newRow("board, from a label") << "richord"
                                         << "Label2_3" << true << "Print this activity";
    QTest::newRow("catalogue, a name") << "worksheets"
                                       << "Label2_1" << false << "Print the answer key";
    QTest::newRow("wizard, a tick box") << "wizard"
                                        << "Check1_0" << true << "Import questions…";
}

// The Menu key and Shift+F10 open the menu a right-click on the focused control opens.
void TestKeyboard::menuKeys() {
    QFETCH(QString, screen);
    QFETCH(QString, stop);
    QFETCH(bool, shift);
    QFETCH(QString, firstEntry);
    AppFixture app;
    app.content.write("multiple/track.txt", " 1 \r\nKings\r\n");
    app.content.write("multiple/Kings.txt", sampleQuestionFile(QStringLiteral("Kings")));
    Screen& shown = openScreen(screen);
    QVERIFY(QTest::qWaitForWindowActive(&shown));
    auto* control = shown.findChild<QWidget*>(stop);
    QVERIFY(control);
    control->setFocus(Qt::TabFocusReason);
    QString opened;
    QPoint at;
    QTimer::singleShot(0, [&] {
        if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
            opened = menu->actions().first()->text();
            at = menu->pos();
            menu->close();
        }
    });
    QTest::keyClick(control, shift ? Qt::Key_F10 : Qt::Key_Menu,
                    shift ? Qt::ShiftModifier : Qt::NoModifier);
    QCOMPARE(opened, firstEntry);
    if (!opened.isEmpty())
        QCOMPARE(at, control->mapToGlobal(control->rect().center()));
}

void TestKeyboard::entriesAreButtonsToAScreenReader() {
    AppFixture app;
    auto& menu = static_cast<intro0&>(openScreen("intro0"));
    QAccessibleInterface* entry = QAccessible::queryAccessibleInterface(&menu.Label2(15));
    QCOMPARE(entry->role(), QAccessible::Button);
    QCOMPARE(entry->text(QAccessible::Name), menu.Label2(15).Caption());
    QVERIFY(entry->state().focusable);
    QVERIFY(QAccessible::queryAccessibleInterface(&menu.Label2(0))->state().disabled);
    // Greyed, as when its topic's folder is missing: the screen reader cannot press it.
    menu.Label2(15).setEnabled(false);
    entry->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(visibleScreens(), QStringList{"intro0"});
    menu.Label2(15).setEnabled(true);
    QCOMPARE(QAccessible::queryAccessibleInterface(menu.Label1)->role(), QAccessible::StaticText);
    QCOMPARE(QAccessible::queryAccessibleInterface(menu.Image1)->role(), QAccessible::Graphic);
    app.sound->played.clear();
    entry->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(app.sound->played, QStringList{click});
    QVERIFY(visibleScreens().contains("orvelles"));
}

void TestKeyboard::picturesAndPagesSayWhatTheyShow() {
    AppFixture app;
    app.content.copyProjectContent();
    auto& menu = static_cast<intro0&>(openScreen("intro0"));
    const QString globe =
        QAccessible::queryAccessibleInterface(menu.Image1)->text(QAccessible::Name);
    QVERIFY2(globe.startsWith(QStringLiteral("A globe")), qPrintable(globe));
    // The guide's first page reads as its text, heading first.
    QTest::mouseClick(&menu.Label2(intro0::Entry::Guide), Qt::LeftButton);
    auto* pages = Screens::find<guide>();
    QVERIFY(pages);
    const QString page =
        QAccessible::queryAccessibleInterface(pages->Image1)->text(QAccessible::Name);
    QVERIFY2(page.startsWith(QStringLiteral("Teachers' Guide 1")), qPrintable(page.left(80)));
    QVERIFY(page.size() > 400);
}

void TestKeyboard::screensAreNamedWindows_data() {
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("name");
    QTest::newRow("main menu") << "intro0"
                               << "Main Menu";
    QTest::newRow("quiz") << "multiple"
                          << "Kings – Multiple Choice";
    QTest::newRow("labelling board") << "orvelleslab"
                                     << "The Orvelles – Labelling Activity";
    QTest::newRow("ordering board") << "richord"
                                    << "Rich and Poor – Ordering Activity";
    QTest::newRow("catalogue") << "worksheets"
                               << "Worksheet Catalogue";
}

void TestKeyboard::screensAreNamedWindows() {
    QFETCH(QString, screen);
    QFETCH(QString, name);
    AppFixture app;
    Screen& shown = openScreen(screen);
    QAccessibleInterface* window = QAccessible::queryAccessibleInterface(&shown);
    QCOMPARE(window->role(), QAccessible::Window);
    QCOMPARE(window->text(QAccessible::Name), name);
    QCOMPARE(shown.Caption(), QStringLiteral("The Orvelles"));
}

// After Next, the pupil is at the new question's answers with none chosen, and Tab goes to the
// first answer, not to the place of the last one.
void TestKeyboard::eachQuestionComesWithTheFocusAtItsAnswers() {
    AppFixture app;
    auto& quiz = static_cast<multiple&>(openScreen("multiple"));
    QVERIFY(QTest::qWaitForWindowActive(&quiz));
    QAccessibleInterface* group = QAccessible::queryAccessibleInterface(quiz.Answers);
    QCOMPARE(group->role(), QAccessible::Grouping);
    for (int q = 1; q <= 3; ++q) {
        QCOMPARE(QApplication::focusWidget(), quiz.Answers);
        QCOMPARE(quiz.chosenOption(), 0);
        QCOMPARE(group->text(QAccessible::Name),
                 QStringLiteral("Question %1. Question text %1").arg(q));
        QTest::keyClick(quiz.Answers, Qt::Key_Tab);
        QVERIFY(quiz.Option1(1).hasFocus());
        QCOMPARE(quiz.chosenOption(), 0);
        QTest::keyClick(&quiz.Option1(1), Qt::Key_Down);
        QTest::keyClick(&quiz.Option1(2), Qt::Key_Return);
    }
    QCOMPARE(quiz.pupilAnswer(3), 1);
}

void TestKeyboard::escapeAsksBeforeWorkIsLost_data() {
    QTest::addColumn<QString>("screen");
    QTest::addColumn<bool>("doSomething");
    QTest::addColumn<bool>("answerYes");
    QTest::addColumn<bool>("asked");
    QTest::addColumn<bool>("left");
    QTest::newRow("quiz, untouched") << "multiple" << false << false << false << true;
    QTest::newRow("quiz, answered, stay") << "multiple" << true << false << true << false;
    QTest::newRow("quiz, answered, leave") << "multiple" << true << true << true << true;
    QTest::newRow("board, label placed, stay") << "richord" << true << false << true << false;
}

void TestKeyboard::escapeAsksBeforeWorkIsLost() {
    QFETCH(QString, screen);
    QFETCH(bool, doSomething);
    QFETCH(bool, answerYes);
    QFETCH(bool, asked);
    QFETCH(bool, left);
    AppFixture app;
    Screen& shown = openScreen(screen);
    QVERIFY(QTest::qWaitForWindowActive(&shown));
    if (doSomething) {
        if (auto* quiz = dynamic_cast<multiple*>(&shown))
            QTest::mouseClick(&quiz->Option1(3), Qt::LeftButton);
        else
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        if (auto* board = dynamic_cast<DragBoard*>(&shown)) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            QVERIFY(board->hasProgressToLose());
        }
    }
    app.messages->answers = {answerYes ? MessageBox::Answer::Yes : MessageBox::Answer::No};
    shown.setFocus();
    QTest::keyClick(&shown, Qt::Key_Escape);
    QCOMPARE(app.messages->texts.size(), asked ? 1 : 0);
    QCOMPARE(visibleScreens().contains(screen), !left);
}

void TestKeyboard::heldF11TogglesOnce() {
    AppFixture app;
    FullScreen::watchKey();
    Screen& menu = openScreen("intro0");
    for (bool repeat : {false, true, true, true}) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_F11, Qt::NoModifier, QString(), repeat);
        QApplication::sendEvent(&menu, &press);
    }
    const bool on = FullScreen::isOn();
    FullScreen::leave();
    QVERIFY(on);
}

void TestKeyboard::f1OpensTheKeysPage() {
    AppFixture app;
    guide::useForHelpKey();
    Screen& menu = openScreen("intro0");
    QTest::keyClick(&menu, Qt::Key_F1);
    guide* pages = Screens::find<guide>();
    QVERIFY(pages && pages->isVisible());
    QCOMPARE(pages->pageNumber(), 5);
    QCOMPARE(pages->Label1->Caption(), QStringLiteral("Keys"));
    QTest::mouseClick(&pages->Label3(PageScreen::Button::PreviousPage), Qt::LeftButton);
    QCOMPARE(pages->Label1->Caption(), QStringLiteral("Page 4 of 4"));
}

QTEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
