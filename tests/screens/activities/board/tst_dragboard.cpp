#include "app/Module1.h"
#include "app/Screens.h"
#include "platform/Twips.h"
#include "screens/activities/Welldone.h"
#include "screens/activities/board/DragBoard.h"
#include "screens/navigation/TopicMenu.h"
#include "screens/navigation/intro0.h"
#include "support/AppFixture.h"
#include "support/DesignedLayout.h"

#include <QBuffer>
#include <QImage>
#include <QTest>

namespace {

const QString thud = QStringLiteral("wav\\thud3.wav");
const QString click = QStringLiteral("wav\\click.wav");

// Opens a board from its topic menu, the way a pupil reaches it; then sets the sound option
// and forgets the menus' clicks.
DragBoard& openBoard(AppFixture& app, const QString& name, bool soundOn = true) {
    intro0& menu = Screens::open<intro0>();
    const bool rich = name.startsWith("rich");
    QTest::mouseClick(&menu.Label2(rich ? intro0::Entry::Rich : intro0::Entry::Orvelles),
                      Qt::LeftButton);
    TopicMenu* topic = Screens::find<TopicMenu>(rich ? "rich" : "orvelles");
    QTest::mouseClick(&topic->Label3(name.endsWith("lab") ? TopicMenu::Entry::Labelling
                                                          : TopicMenu::Entry::Ordering),
                      Qt::LeftButton);
    DragBoard* board = Screens::find<DragBoard>(name);
    if (!board || !QTest::qWaitForWindowExposed(board))
        qFatal("board never shown");
    Module1::state.settings.SoundOn = soundOn ? 1 : 0;
    app.sound->played.clear();
    return *board;
}

// Each board as designed: the size of its labels and boxes, where target box i stands, where
// label i starts (its home slot), and its title.
struct DesignedBoard {
    float width;
    float height;
    double labelPoints;
    QList<Board::Place> targets;
    QList<Board::Place> homes;
    QRectF title;
    double titlePoints;
};

const DesignedBoard& designOf(const DragBoard& board) {
    // clang-format off
    static const QHash<QString, DesignedBoard> designs{
        {"orvelleslab", {1845, 375, 9.75,
            {{720, 6600}, {7320, 6480}, {3120, 6720}, {5040, 6480}, {9720, 6480}},
            {{5040, 7440}, {960, 7440}, {3000, 7440}, {9120, 7440}, {7080, 7440}},
            {0, 120, 4425, 705}, 24}},
        {"richlab", {1845, 375, 9.75,
            {{6600, 6120}, {9600, 6120}, {3960, 6120}, {840, 6120}},
            {{1800, 7440}, {6120, 7440}, {8280, 7440}, {3960, 7440}},
            {0, 120, 4425, 705}, 24}},
        {"orvellesord", {2115, 375, 9.75,
            {{1440, 3720}, {120, 2160}, {8280, 5280}, {2880, 2160}, {4080, 3720},
             {6840, 3720}, {9600, 3720}, {5520, 5280}, {2760, 5280}},
            {{2760, 6840}, {5040, 6840}, {7320, 6840}, {6120, 7320}, {3840, 7320},
             {1560, 7320}, {9600, 6840}, {8400, 7320}, {480, 6840}},
            {0, 0, 4425, 705}, 24}},
        {"richord", {5685, 375, 11.25,
            {{6120, 3720}, {6120, 3120}, {6120, 2520}, {6120, 4320},
             {120, 2520}, {120, 3120}, {120, 3720}, {120, 4320}},
            {{6120, 6840}, {120, 7320}, {6120, 5880}, {120, 5880},
             {120, 6360}, {6120, 7320}, {6120, 6360}, {120, 6840}},
            {0, 120, 3465, 705}, 27.75}},
    };
    // clang-format on
    return designs.find(board.objectName()).value();
}

Board::Box target(const DragBoard& board, int i) {
    const DesignedBoard& design = designOf(board);
    return {design.targets[i].left, design.targets[i].top, design.width, design.height};
}

Board::Box home(const DragBoard& board, int i) {
    const DesignedBoard& design = designOf(board);
    return {design.homes[i].left, design.homes[i].top, design.width, design.height};
}

QRectF rectOf(const Board::Box& box) {
    return {box.left, box.top, box.width, box.height};
}

QPoint centreOf(const Board::Box& box) {
    return {Twips::toPixels(box.left + box.width / 2), Twips::toPixels(box.top + box.height / 2)};
}

// A real drag through the window: press on the label, move, release over the box's centre.
void dragInto(DragBoard& board, int label, const Board::Box& box) {
    QWindow* window = board.windowHandle();
    const QPoint from = centreOf(board.rules().label(label));
    QTest::mousePress(window, Qt::LeftButton, {}, from);
    QTest::mouseMove(window, (from + centreOf(box)) / 2);
    QTest::mouseMove(window, centreOf(box));
    QTest::mouseRelease(window, Qt::LeftButton, {}, centreOf(box));
}

bool standsAt(const Label& label, const Board::Box& box) {
    return label.Left() == box.left && label.Top() == box.top;
}

} // namespace

class TestDragBoard : public QObject {
    Q_OBJECT
private slots:
    void loading_data();
    void loading();
    void dragKeepsTheCentreUnderThePointer_data();
    void dragKeepsTheCentreUnderThePointer();
    void otherButtonsDoNotDragButReleaseDrops();
    void clickInTheHomeSlotThuds();
    void fullScore_data();
    void fullScore();
    void startAgain();
    void exit_data();
    void exit();
    void soundOff();
    void pictureLiesBehindTheBoard();
    void treeDecorations();
    void buttonHighlight();
};

void TestDragBoard::loading_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QStringList>("captions");
    QTest::newRow("orvelleslab") << "orvelleslab"
                                 << "The Orvelles"
                                 << QStringList{"Princess Isobel", "Queen Elspeth", "Prince Edric",
                                                "King Roderic", "Princess Linnet"};
    QTest::newRow("richlab") << "richlab"
                             << "Rich and Poor"
                             << QStringList{"Poor Woman", "Rich Man", "Poor Man", "Rich Woman"};
    QTest::newRow("orvellesord") << "orvellesord"
                                 << "The Orvelles"
                                 << QStringList{"King Roderic",  "King Oswin",      "Edric",
                                                "Queen Mirabel", "Catrin of Lorne", "Annora Vale",
                                                "Elspeth Marsh", "Linnet",          "Isobel"};
    QTest::newRow("richord") << "richord"
                             << "Rich and Poor"
                             << QStringList{"All children went to school",
                                            "Poor people lived the longest in Orvelle times",
                                            "Poor Orvelle people ate rich and varied food",
                                            "Rich people had small houses and helped the poor",
                                            "Life was very hard for poor Orvelle people",
                                            "Rich people lived the longest in Orvelle times",
                                            "The Rich had black teeth from eating costly sugar",
                                            "Only boys from rich families were sent to school"};
}

void TestDragBoard::loading() {
    QFETCH(QString, name);
    QFETCH(QString, title);
    QFETCH(QStringList, captions);
    AppFixture app;
    DragBoard& board = openBoard(app, name);
    QCOMPARE(board.objectName(), name);
    QCOMPARE(board.Label6->Caption(), title);
    QVERIFY(!board.Label3(DragBoard::Button::CheckScore).Visible());
    const DesignedBoard& design = designOf(board);
    const QColor yellow(255, 255, 0), none(Qt::transparent);
    compareWithDesign(board, "Label6",
                      {design.title, "Times New Roman", design.titlePoints, false, yellow, none});
    QCOMPARE(design.targets.size(), captions.size());
    for (int i = 0; i < captions.size(); ++i) {
        QCOMPARE(board.Label2(i).Caption(), captions[i]);
        QVERIFY(board.Label1(i).Caption().isEmpty());
        QVERIFY(board.Label1(i).Visible());
        const QString n = QString::number(i);
        compareWithDesign(
            board, "Label1_" + n,
            {rectOf(target(board, i)), "Tahoma", design.labelPoints, true, yellow, none});
        compareWithDesign(
            board, "Label2_" + n,
            {rectOf(home(board, i)), "Tahoma", design.labelPoints, true, yellow, QColor(0, 0, 0)});
        compareWithDesign(board, "Label4_" + n, {rectOf(home(board, i)), {}, 0, false, {}, none});
    }
}

void TestDragBoard::dragKeepsTheCentreUnderThePointer_data() {
    QTest::addColumn<bool>("throughWindow");
    QTest::newRow("events to the label") << false;
    // The pointer runs ahead of the label; the pressed label keeps getting the moves.
    QTest::newRow("events to the window") << true;
}

void TestDragBoard::dragKeepsTheCentreUnderThePointer() {
    QFETCH(bool, throughWindow);
    AppFixture app;
    DragBoard& board = openBoard(app, "richlab");
    Label& label = board.Label2(1);
    QPoint at = label.geometry().center();
    if (throughWindow)
        QTest::mousePress(board.windowHandle(), Qt::LeftButton, {}, at);
    else
        QTest::mousePress(&label, Qt::LeftButton, {}, label.mapFrom(&board, at));
    for (const QPoint to : {QPoint(331, 117), QPoint(29, 580), QPoint(700, 11)}) {
        at = to;
        if (throughWindow)
            QTest::mouseMove(board.windowHandle(), to);
        else
            QTest::mouseMove(&label, label.mapFrom(&board, to));
        QCOMPARE(label.Left() + 1845 / 2.0, to.x() * 15.0);
        QCOMPARE(label.Top() + 375 / 2.0, to.y() * 15.0);
        QCOMPARE(board.rules().label(1).left, static_cast<float>(label.Left()));
    }
    QTest::mouseRelease(board.windowHandle(), Qt::LeftButton, {}, at);
    QVERIFY(app.sound->played.isEmpty());
}

void TestDragBoard::otherButtonsDoNotDragButReleaseDrops() {
    AppFixture app;
    DragBoard& board = openBoard(app, "orvellesord");
    Label& label = board.Label2(0);
    const QRect before = label.geometry();
    QWindow* window = board.windowHandle();
    QTest::mousePress(window, Qt::RightButton, {}, before.center());
    QTest::mouseMove(window, before.center() + QPoint(40, -60));
    QTest::mousePress(window, Qt::LeftButton, {}, before.center() + QPoint(40, -60));
    QTest::mouseMove(window, before.center() + QPoint(-50, -90));
    QCOMPARE(label.geometry(), before);
    QTest::mouseRelease(window, Qt::LeftButton, {}, before.center() + QPoint(-50, -90));
    QTest::mouseRelease(window, Qt::RightButton, {}, before.center() + QPoint(-50, -90));

    // Placed a quarter box off its target, the label jumps in on a right-button release.
    const Board::Box box = target(board, 0);
    app.sound->played.clear();
    board.Label2_MouseMove(
        0, {1, 0, box.left - label.Left() + box.width * 0.75, box.top - label.Top() + 200});
    QVERIFY(!standsAt(label, box));
    QTest::mouseClick(&label, Qt::RightButton);
    QVERIFY(standsAt(label, box));
    QCOMPARE(app.sound->played, QStringList{thud});
}

void TestDragBoard::clickInTheHomeSlotThuds() {
    AppFixture app;
    DragBoard& board = openBoard(app, "orvelleslab");
    const QRect before = board.Label2(3).geometry();
    QTest::mouseClick(&board.Label2(3), Qt::LeftButton);
    QCOMPARE(board.Label2(3).geometry(), before);
    QVERIFY(standsAt(board.Label2(3), home(board, 3)));
    QCOMPARE(app.sound->played, QStringList{thud});
}

void TestDragBoard::fullScore_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QList<int>>("boxOfLabel");
    QTest::addColumn<int>("score");
    QTest::newRow("orvelleslab") << "orvelleslab" << QList<int>{0, 1, 2, 3, 4} << 5;
    QTest::newRow("richlab") << "richlab" << QList<int>{0, 1, 2, 3} << 4;
    QTest::newRow("orvellesord") << "orvellesord" << QList<int>{0, 1, 2, 3, 4, 5, 6, 7, 8} << 9;
    QTest::newRow("richord, any order within a column")
        << "richord" << QList<int>{3, 2, 0, 1, 7, 4, 5, 6} << 8;
    QTest::newRow("richord, one true statement in False")
        << "richord" << QList<int>{4, 1, 2, 3, 0, 5, 6, 7} << 6;
    QTest::newRow("orvelleslab, two in one box") << "orvelleslab" << QList<int>{0, 0, 2, 3, 4} << 4;
}

void TestDragBoard::fullScore() {
    QFETCH(QString, name);
    QFETCH(QList<int>, boxOfLabel);
    QFETCH(int, score);
    AppFixture app;
    DragBoard& board = openBoard(app, name);
    for (int i = 0; i < boxOfLabel.size(); ++i) {
        QVERIFY(!board.Label3(DragBoard::Button::CheckScore).Visible());
        dragInto(board, i, target(board, boxOfLabel[i]));
        QVERIFY(standsAt(board.Label2(i), target(board, boxOfLabel[i])));
    }
    // Every label in a box offers the check, even with a box left empty.
    QVERIFY(board.Label3(DragBoard::Button::CheckScore).Visible());
    QTest::mouseClick(&board.Label3(DragBoard::Button::CheckScore), Qt::LeftButton);
    Welldone* results = Screens::find<Welldone>();
    QVERIFY(results && results->isVisible());
    QCOMPARE(results->outcome().score, score);
    QVERIFY(results->Label1->Caption().endsWith(
        QStringLiteral("scored %1 out of %2.").arg(score).arg(boxOfLabel.size())));
    QStringList sounds(boxOfLabel.size(), thud);
    QCOMPARE(app.sound->played, sounds << click);
    // The board stays beneath as it was.
    QVERIFY(board.isVisible());
    for (int i = 0; i < boxOfLabel.size(); ++i)
        QVERIFY(standsAt(board.Label2(i), target(board, boxOfLabel[i])));
}

void TestDragBoard::startAgain() {
    AppFixture app;
    DragBoard& board = openBoard(app, "richlab");
    for (int i = 0; i < 4; ++i)
        dragInto(board, i, target(board, 3 - i));
    // Dragging a label out of its box keeps "Check Score".
    dragInto(board, 2, {3000, 3000, 1845, 375});
    QVERIFY(board.Label3(DragBoard::Button::CheckScore).Visible());
    QTest::mouseClick(&board.Label3(DragBoard::Button::StartAgain), Qt::LeftButton);
    QVERIFY(!board.Label3(DragBoard::Button::CheckScore).Visible());
    for (int i = 0; i < 4; ++i)
        QCOMPARE(board.Label2(i).geometry(), board.Label4(i).geometry());
}

void TestDragBoard::exit_data() {
    QTest::addColumn<bool>("frameButton");
    QTest::newRow("Exit") << false;
    QTest::newRow("frame's close button") << true;
}

void TestDragBoard::exit() {
    QFETCH(bool, frameButton);
    AppFixture app;
    DragBoard& board = openBoard(app, "richord");
    if (frameButton)
        board.close();
    else
        QTest::mouseClick(&board.Label3(DragBoard::Button::Exit), Qt::LeftButton);
    QVERIFY(!Screens::find<DragBoard>(QStringLiteral("richord")));
    QVERIFY(Screens::find<TopicMenu>(QStringLiteral("rich"))->isVisible());
    QCOMPARE(app.sound->played, QStringList{click});
    AppFixture::settle();
    // Opened again, it is loaded afresh.
    QVERIFY(&openBoard(app, "richord") != nullptr);
    QVERIFY(!Screens::find<DragBoard>(QStringLiteral("richord"))
                 ->Label3(DragBoard::Button::CheckScore)
                 .Visible());
}

void TestDragBoard::soundOff() {
    AppFixture app;
    DragBoard& board = openBoard(app, "richlab", false);
    for (int i = 0; i < 4; ++i)
        dragInto(board, i, target(board, i));
    QTest::mouseClick(&board.Label3(DragBoard::Button::CheckScore), Qt::LeftButton);
    QCOMPARE(Screens::find<Welldone>()->outcome().score, 4);
    QVERIFY(app.sound->played.isEmpty());
}

void TestDragBoard::pictureLiesBehindTheBoard() {
    AppFixture app;
    QImage image(400, 300, QImage::Format_RGB32);
    image.fill(Qt::darkGreen);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPG");
    app.content.write("images/familymd.jpg", bytes);
    auto& board = openBoard(app, "orvelleslab");
    QCOMPARE(board.Image1(0).geometry(), QRect(0, -8, 400, 300));
    const QPoint overPicture(200, 150);
    dragInto(board, 0, {2250, 1875, 1845, 375});
    QCOMPARE(board.childAt(overPicture), &board.Label2(0));
    QCOMPARE(board.childAt(centreOf(target(board, 2))), &board.Label1(2));
    // Without the picture the board works the same: see fullScore, where none is present.
}

void TestDragBoard::treeDecorations() {
    AppFixture app;
    auto& board = openBoard(app, "orvellesord");
    const QImage shot = board.grab().toImage();
    // Line1(0) runs down from 2520, 2520 to 2520, 3600: pixels 168, 168 to 168, 240.
    for (int x : {167, 168, 169})
        QCOMPARE(shot.pixelColor(x, 200), QColor(255, 255, 0));
    QCOMPARE(shot.pixelColor(171, 200), QColor(0, 78, 152));
    QCOMPARE(board.childAt(168, 200), nullptr);
    // A label dragged over the heading stays above it.
    dragInto(board, 0, {4000, 900, 2115, 375});
    QCOMPARE(board.childAt(centreOf({4000, 900, 2115, 375})), &board.Label2(0));
}

void TestDragBoard::buttonHighlight() {
    AppFixture app;
    DragBoard& board = openBoard(app, "richlab");
    QVERIFY(board.Label3(DragBoard::Button::Exit).Opaque() &&
            board.Label3(DragBoard::Button::StartAgain).Opaque());
    // Moves go to this window: the others lie at the same place on screen.
    QTest::mouseMove(board.windowHandle(), QPoint(400, 590));
    QVERIFY(!board.Label3(DragBoard::Button::Exit).Opaque() &&
            !board.Label3(DragBoard::Button::StartAgain).Opaque());
    QTest::mouseMove(board.windowHandle(),
                     board.Label3(DragBoard::Button::StartAgain).geometry().center());
    QVERIFY(board.Label3(DragBoard::Button::StartAgain).Opaque() &&
            !board.Label3(DragBoard::Button::Exit).Opaque());
}

QTEST_MAIN(TestDragBoard)
#include "tst_dragboard.moc"
