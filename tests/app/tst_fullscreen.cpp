#include "app/FullScreen.h"
#include "app/Grey.h"
#include "app/Screens.h"
#include "platform/Fonts.h"
#include "platform/MessageBox.h"
#include "platform/Twips.h"
#include "platform/controls/Buttons.h"
#include "platform/controls/KeyboardFocus.h"
#include "platform/controls/Label.h"
#include "screens/activities/board/DragBoard.h"
#include "screens/navigation/Titlefrm.h"
#include "screens/navigation/TopicMenu.h"
#include "screens/navigation/intro0.h"
#include "support/AppFixture.h"
#include "support/Worksheets.h"

#include <QApplication>
#include <QFile>
#include <QFontInfo>
#include <QMessageBox>
#include <QPainter>
#include <QScreen>
#include <QStyle>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

// Leaves full screen at the end of a test however it ends, so the next starts at 1x.
struct LeaveFullScreen {
    ~LeaveFullScreen() { FullScreen::leave(); }
};

// The lengths of the first `count` runs of one colour along the middle row of a picture.
QList<int> runsFromLeft(const QImage& image, int count) {
    QList<int> runs;
    const int y = image.height() / 2;
    int x = 0;
    while (runs.size() < count && x < image.width()) {
        const QRgb colour = image.pixel(x, y);
        int n = 0;
        while (x < image.width() && image.pixel(x, y) == colour)
            ++n, ++x;
        runs << n;
    }
    return runs;
}

QPoint pixelsOf(double x, double y) {
    return {Twips::toPixels(x), Twips::toPixels(y)};
}

DragBoard& openLabelling() {
    intro0& menu = Screens::open<intro0>();
    QTest::mouseClick(&menu.Label2(intro0::Entry::Orvelles), Qt::LeftButton);
    QTest::mouseClick(
        &Screens::find<TopicMenu>(QStringLiteral("orvelles"))->Label3(TopicMenu::Entry::Labelling),
        Qt::LeftButton);
    DragBoard* board = Screens::find<DragBoard>(QStringLiteral("orvelleslab"));
    if (!board || !QTest::qWaitForWindowExposed(board))
        qFatal("board never shown");
    return *board;
}

// Drags label 0 from where it stands to a point given in twips of the layout; true when it
// was caught by target box 0.
bool dropNearFirstTarget(DragBoard& board, double x, double y) {
    const Board::Box label = board.rules().label(0);
    QWindow* window = board.windowHandle();
    const QPoint from = pixelsOf(label.left + label.width / 2, label.top + label.height / 2);
    const QPoint to = pixelsOf(x, y);
    QTest::mousePress(window, Qt::LeftButton, {}, from);
    QTest::mouseMove(window, (from + to) / 2);
    QTest::mouseMove(window, to);
    QTest::mouseRelease(window, Qt::LeftButton, {}, to);
    return board.rules().standsIn(0, board.rules().target(0));
}

// Gives the focus to the backdrop as soon as it is shown, as Openbox gives it to new windows.
class FocusNewWindows : public QObject {
public:
    FocusNewWindows() { qApp->installEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show && watched == FullScreen::backdrop())
            FullScreen::backdrop()->activateWindow();
        return false;
    }
};

} // namespace

class TestFullScreen : public QObject {
    Q_OBJECT
private slots:
    void layoutFillsTheDisplay_data();
    void layoutFillsTheDisplay();
    void dropScoresTheSameAtAnyFactor_data();
    void dropScoresTheSameAtAnyFactor();
    void fillsTheDisplayTheProgramIsOn();
    void screenInFrontTakesTheKeys_data();
    void screenInFrontTakesTheKeys();
    void onlyTheOptionAsksForFullScreen();
    void openMessageBoxTakesTheScale();
};

void TestFullScreen::layoutFillsTheDisplay_data() {
    QTest::addColumn<QSize>("display");
    QTest::addColumn<double>("factor");
    QTest::addColumn<QSize>("window");
    // A one-pixel edge and the focus ring's band of two, in pixels at that scale.
    QTest::addColumn<int>("edge");
    QTest::addColumn<int>("band");
    QTest::newRow("1") << QSize(800, 600) << 1.0 << QSize(800, 600) << 1 << 2;
    QTest::newRow("1.25") << QSize(1000, 750) << 1.25 << QSize(1000, 750) << 1 << 3;
    QTest::newRow("1.5, wide") << QSize(2000, 900) << 1.5 << QSize(1200, 900) << 2 << 3;
    QTest::newRow("1.8, whiteboard") << QSize(1920, 1080) << 1.8 << QSize(1440, 1080) << 2 << 4;
    QTest::newRow("2, tall") << QSize(1600, 1500) << 2.0 << QSize(1600, 1200) << 2 << 4;
    QTest::newRow("3.6, 4K") << QSize(3840, 2160) << 3.6 << QSize(2880, 2160) << 4 << 7;
}

void TestFullScreen::layoutFillsTheDisplay() {
    QFETCH(QSize, display);
    QFETCH(double, factor);
    QFETCH(QSize, window);
    QFETCH(int, edge);
    QFETCH(int, band);
    AppFixture app;
    LeaveFullScreen leave;
    intro0& menu = Screens::open<intro0>();
    const QRect ordinary = menu.geometry();
    const QRect sound = menu.Option1->geometry();
    const auto dotOf = [&menu] {
        return menu.Option1->style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr,
                                                  menu.Option1);
    };
    const int dot = dotOf();
    Fonts::registerDesignFaces(); // as the program does at start
    auto* button = new CommandButton(&menu);
    button->setFontSpec(QStringLiteral("MS Sans Serif"), 8.25);
    const int buttonText = QFontInfo(button->font()).pixelSize();
    auto* boxed = new Label(&menu);
    boxed->setBorder(true);
    boxed->Move(3000, 3000, 1500, 600);
    // A ring around it, as a lifted label has on a board.
    auto* lifted = new KeyboardFocus::Ring(&menu);
    lifted->surround(boxed);
    // 14 points is no whole number of pixels at 1x: sized again from its pixels, it came out a
    // pixel off the size a control made at the new scale gets.
    auto* caption = new Label(&menu);
    caption->setFontSpec(QStringLiteral("Tahoma"), 14);

    FullScreen::enter(QRect(QPoint(0, 0), display));
    QCOMPARE(Twips::layoutFactor(), factor);
    // The client area, since the frame just taken away may still be counted in pos().
    QCOMPARE(menu.geometry(), QRect(QPoint((display.width() - window.width()) / 2,
                                           (display.height() - window.height()) / 2),
                                    window));
    QVERIFY(menu.windowFlags().testFlag(Qt::FramelessWindowHint));
    QVERIFY(menu.isVisible());
    QCOMPARE(FullScreen::backdrop()->geometry(), QRect(QPoint(0, 0), display));
    // Controls keep their place in twips and stand where the scale puts them.
    QCOMPARE(menu.Option1->geometry(),
             Twips::toPixels(QRectF(menu.Option1->Left(), menu.Option1->Top(),
                                    menu.Option1->Width(), menu.Option1->Height())));
    QVERIFY(qAbs(menu.font().pixelSize() - qRound(11 * factor)) <= 1);
    // Drawn about that much larger, too, though the designed face has only small bitmap sizes
    // (up to 1.5 one of them may still be near enough).
    if (factor > 1.5)
        QVERIFY(QFontInfo(button->font()).pixelSize() >= buttonText * factor * 0.8);
    QCOMPARE(caption->font().pixelSize(), Fonts::make(QStringLiteral("Tahoma"), 14).pixelSize());
    // Edges, the option's dot and the focus ring grow with the layout.
    QCOMPARE(runsFromLeft(boxed->grab().toImage(), 1), QList<int>{edge});
    // The ring around it followed it to its new place and size.
    const int margin = Twips::edgePixels(3);
    QCOMPARE(lifted->geometry(), boxed->geometry().adjusted(-margin, -margin, margin, margin));
    QCOMPARE(dotOf(), qRound(dot * factor));
    QImage ring(80, 40, QImage::Format_RGB32);
    ring.fill(Qt::blue);
    QPainter painter(&ring);
    KeyboardFocus::drawFocusOutline(painter, ring.rect(), Qt::yellow);
    painter.end();
    QCOMPARE(runsFromLeft(ring, 3), (QList<int>{edge, band, edge}));
    // Screens opened meanwhile come at the same scale, frameless and centred.
    QTest::mouseClick(&menu.Label2(intro0::Entry::Orvelles), Qt::LeftButton);
    TopicMenu* topics = Screens::find<TopicMenu>(QStringLiteral("orvelles"));
    QVERIFY(topics && topics->isVisible());
    QCOMPARE(topics->geometry(), menu.geometry());
    QVERIFY(topics->windowFlags().testFlag(Qt::FramelessWindowHint));
    // The title screen's host window stands behind the screens, not beside them.
    Titlefrm::openAsWayOut();
    QVERIFY(menu.geometry().contains(Screens::find<Grey>()->geometry()));

    FullScreen::leave();
    QVERIFY(!FullScreen::backdrop());
    QCOMPARE(Twips::layoutFactor(), 1.0);
    QCOMPARE(menu.size(), ordinary.size());
    QCOMPARE(menu.Option1->geometry(), sound);
    QCOMPARE(menu.font().pixelSize(), 11);
    QCOMPARE(caption->font().pixelSize(), 19);
    QVERIFY(!topics->windowFlags().testFlag(Qt::FramelessWindowHint));
    QVERIFY(topics->isVisible());
}

void TestFullScreen::dropScoresTheSameAtAnyFactor_data() {
    // Offsets in twips from the centre of target box 0 (1845 by 375): the box catches a label
    // whose centre is dropped between half a width left and a whole width right of its centre.
    QTest::addColumn<double>("dx");
    QTest::addColumn<double>("dy");
    QTest::addColumn<bool>("caught");
    QTest::newRow("centre") << 0.0 << 0.0 << true;
    QTest::newRow("just inside, left") << -860.0 << 0.0 << true;
    QTest::newRow("just outside, left") << -990.0 << 0.0 << false;
    QTest::newRow("just inside, right") << 1780.0 << 0.0 << true;
    QTest::newRow("just outside, right") << 1910.0 << 0.0 << false;
    QTest::newRow("just inside, above") << 0.0 << -150.0 << true;
    QTest::newRow("just outside, above") << 0.0 << -230.0 << false;
    QTest::newRow("just inside, below") << 0.0 << 330.0 << true;
    QTest::newRow("just outside, below") << 0.0 << 420.0 << false;
}

void TestFullScreen::dropScoresTheSameAtAnyFactor() {
    QFETCH(double, dx);
    QFETCH(double, dy);
    QFETCH(bool, caught);
    AppFixture app;
    LeaveFullScreen leave;
    FullScreen::watchKey();
    DragBoard& board = openLabelling();
    const Board::Box target = board.rules().target(0);
    const double x = target.left + target.width / 2 + dx;
    const double y = target.top + target.height / 2 + dy;
    QCOMPARE(dropNearFirstTarget(board, x, y), caught);

    QTest::mouseClick(&board.Label3(DragBoard::Button::StartAgain), Qt::LeftButton);
    QTest::keyClick(&board, Qt::Key_F11);
    QVERIFY(FullScreen::isOn());
    QCOMPARE(board.Label2(0).geometry(),
             Twips::toPixels(QRectF(board.Label2(0).Left(), board.Label2(0).Top(),
                                    board.Label2(0).Width(), board.Label2(0).Height())));
    QCOMPARE(dropNearFirstTarget(board, x, y), caught);

    QTest::keyClick(&board, Qt::Key_F11);
    QVERIFY(!FullScreen::isOn());
    QCOMPARE(board.size(), QSize(800, 600));
}

void TestFullScreen::fillsTheDisplayTheProgramIsOn() {
    AppFixture app;
    LeaveFullScreen leave;
    intro0& menu = Screens::open<intro0>();
    const QRect whiteboard = QGuiApplication::screens().constLast()->geometry();
    QCOMPARE(whiteboard, QRect(1024, 0, 1920, 1080));
    // The teacher has moved the program onto the whiteboard beside the laptop's display.
    menu.move(whiteboard.center() - QPoint(400, 300));
    QApplication::setActiveWindow(&menu);
    QTRY_COMPARE(menu.screen()->geometry(), whiteboard);
    FullScreen::enter();
    QCOMPARE(FullScreen::area(), whiteboard);
    QCOMPARE(menu.geometry(), QRect(1024 + 240, 0, 1440, 1080));
}

void TestFullScreen::screenInFrontTakesTheKeys_data() {
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("front");
    QTest::newRow("F11 twice on the board, Exit")
        << QStringList{"full", "topics", "board", "F11", "F11", "exit"} << "orvelles";
    QTest::newRow("F11 twice on the quiz, Exit")
        << QStringList{"full", "topics", "quiz", "F11", "F11", "exit"} << "orvelles";
    QTest::newRow("started in a window, F11 on the board")
        << QStringList{"topics", "board", "F11"} << "orvelleslab";
    QTest::newRow("F11 on the topic menu, board opened and left")
        << QStringList{"topics", "F11", "board", "exit", "exit"} << "intro0";
    QTest::newRow("backdrop clicked") << QStringList{"full", "topics", "backdrop"} << "orvelles";
}

// After each step the screen that came to the front last is the active window, so clicks and
// keys reach it; the backdrop never keeps them.
void TestFullScreen::screenInFrontTakesTheKeys() {
    QFETCH(QStringList, steps);
    QFETCH(QString, front);
    AppFixture app;
    LeaveFullScreen leave;
    FocusNewWindows windowManager;
    FullScreen::watchKey();
    app.content.write("multiple/Introduction.txt", sampleQuestionFile("Introduction"));
    intro0& menu = Screens::open<intro0>();
    QApplication::setActiveWindow(&menu);
    const auto active = [] { return dynamic_cast<Screen*>(QApplication::activeWindow()); };
    for (const QString& step : steps) {
        if (step == "full") {
            FullScreen::enter();
        } else if (step == "topics") {
            QTest::mouseClick(&menu.Label2(intro0::Entry::Orvelles), Qt::LeftButton);
        } else if (step == "board" || step == "quiz") {
            QTest::mouseClick(&Screens::find<TopicMenu>(QStringLiteral("orvelles"))
                                   ->Label3(step == "board" ? TopicMenu::Entry::Labelling
                                                            : TopicMenu::Entry::Quiz),
                              Qt::LeftButton);
        } else if (step == "F11") {
            QTest::keyClick(QApplication::activeWindow(), Qt::Key_F11);
        } else if (step == "exit") {
            QTest::keyClick(active(), Qt::Key_Escape);
        } else if (step == "backdrop") {
            FullScreen::backdrop()->activateWindow();
        }
        AppFixture::settle();
        QTRY_VERIFY2(active() && active()->isVisible() && !active()->isUnloaded(),
                     qPrintable(step));
    }
    QCOMPARE(active()->objectName(), front);
}

void TestFullScreen::onlyTheOptionAsksForFullScreen() {
    QVERIFY(FullScreen::askedFor({"orvelles", "--full-screen"}));
    QVERIFY(!FullScreen::askedFor({"orvelles"}));
    QVERIFY(!FullScreen::askedFor({"--full-screen"}));
}

// F11 while a message box waits: the box grows with the screens behind it.
void TestFullScreen::openMessageBoxTakesTheScale() {
    AppFixture app;
    LeaveFullScreen leave;
    intro0& menu = Screens::open<intro0>();
    QVERIFY(QTest::qWaitForWindowActive(&menu));
    int before = 0, after = 0;
    QSize grownFrom, grownTo;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(box);
        before = QFontInfo(box->font()).pixelSize();
        grownFrom = box->size();
        FullScreen::enter(QRect(0, 0, 1920, 1080));
        after = QFontInfo(box->font()).pixelSize();
        grownTo = box->size();
        box->accept();
    });
    QtMessageBox().show(QStringLiteral("Your worksheet is now printing."), MessageBox::Buttons::Ok,
                        QString());
    QCOMPARE(after, qRound(before * 1.8));
    QVERIFY(grownTo.width() > grownFrom.width() * 3 / 2);
}

int main(int argc, char** argv) {
    // Two displays side by side, a laptop's and a whiteboard's.
    QTemporaryDir folder;
    QFile config(folder.filePath(QStringLiteral("displays.json")));
    if (!config.open(QIODevice::WriteOnly) || config.write(R"({"screens": [
            {"name": "laptop", "x": 0, "y": 0, "width": 1024, "height": 768},
            {"name": "whiteboard", "x": 1024, "y": 0, "width": 1920, "height": 1080}]})") < 0)
        return 1;
    config.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + config.fileName().toLocal8Bit());
    QApplication application(argc, argv);
    TestFullScreen test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_fullscreen.moc"
