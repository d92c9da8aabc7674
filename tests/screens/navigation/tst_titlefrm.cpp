#include "app/Grey.h"
#include "app/Module1.h"
#include "app/Screens.h"
#include "platform/Colours.h"
#include "screens/navigation/Titlefrm.h"
#include "screens/navigation/intro0.h"
#include "support/AppFixture.h"
#include "support/DesignedLayout.h"

#include <QBuffer>
#include <QImage>
#include <QTest>

namespace {

const QString click = QStringLiteral("wav\\click.wav");

void writeGlobe(const TempContent& content) {
    QImage globe(270, 230, QImage::Format_RGB32);
    globe.fill(Qt::darkGreen);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    globe.save(&buffer, "JPG");
    content.write("images/globesm.jpg", bytes);
}

Titlefrm& openFromMenu() {
    intro0& menu = Screens::open<intro0>();
    QTest::mouseClick(&menu.Label2(intro0::Entry::Exit), Qt::LeftButton);
    return *Screens::find<Titlefrm>();
}

} // namespace

class TestTitleScreen : public QObject {
    Q_OBJECT
private slots:
    void init() { Titlefrm::setDisplayForTests(QSizeF(15360, 11520)); }
    void ownLayoutWithGreyBehind();
    void designedLayout_data();
    void designedLayout();
    void standardLayoutWhenTheGlobeIsMissing();
    void cancelReturnsToTheMenuAsItWas();
    void exitEndsAfterTheClick_data();
    void exitEndsAfterTheClick();
};

void TestTitleScreen::ownLayoutWithGreyBehind() {
    AppFixture app;
    writeGlobe(app.content);
    Titlefrm& title = openFromMenu();
    QCOMPARE(title.size(), QSize(364, 438));
    QCOMPARE(title.Left(), 15360 / 2 - 5460 / 2.0);
    QCOMPARE(title.Top(), 11520 / 2 - 6570 / 2.0);
    QCOMPARE(title.Caption(), QStringLiteral(" "));
    QCOMPARE(title.Picture1->BackColor(), Colours::background);
    QVERIFY(!title.Image1->picture().isNull());
    QCOMPARE(title.Image1->geometry().size(), QSize(270, 230));
    Grey* grey = Screens::find<Grey>();
    QVERIFY(grey && grey->isVisible());
}

void TestTitleScreen::designedLayout_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<DesignedControl>("design");
    const QString times = QStringLiteral("Times New Roman");
    const QColor green(0, 128, 0), blue(0, 0, 255), grey(192, 192, 192);
    const QColor none(Qt::transparent);
    // Places within Frame1, as designed.
    QTest::newRow("frame") << "Frame1"
                           << DesignedControl{{0, -90, 5480, 6660}, {}, 0, false, {}, grey};
    QTest::newRow("title") << "Label4"
                           << DesignedControl{
                                  {60, 210, 5355, 705}, times, 27.75, true, green, none};
    QTest::newRow("picture box") << "Picture1"
                                 << DesignedControl{{480, 960, 4500, 3660}, {}, 0, false, {},
                                                    QColor(0, 78, 152)};
    QTest::newRow("globe") << "Image1" << DesignedControl{{195, 0, 0, 0}, {}, 0, false, {}, {}};
    QTest::newRow("author") << "Label1"
                            << DesignedControl{
                                   {360, 4710, 4695, 375}, times, 15.75, false, blue, none};
    QTest::newRow("programming") << "Label5"
                                 << DesignedControl{
                                        {480, 5160, 4455, 375}, times, 12, false, blue, none};
    QTest::newRow("editor") << "Label3"
                            << DesignedControl{
                                   {480, 5520, 4455, 375}, times, 12, false, blue, none};
    QTest::newRow("Cancel") << "Command1"
                            << DesignedControl{{1320, 6000, 1335, 375}, {}, 0, false, {}, grey};
    QTest::newRow("Exit") << "Command2"
                          << DesignedControl{{2760, 6000, 1335, 375}, {}, 0, false, {}, grey};
    QTest::newRow("notice")
        << "Label2"
        << DesignedControl{{0, 6420, 5415, 255}, QStringLiteral("Arial"), 8.25, false, green, none};
}

void TestTitleScreen::designedLayout() {
    QFETCH(QString, name);
    QFETCH(DesignedControl, design);
    AppFixture app;
    writeGlobe(app.content);
    Titlefrm& title = openFromMenu();
    QCOMPARE(title.BackColor(), QColor(192, 192, 192));
    compareWithDesign(title, name, design);
}

void TestTitleScreen::standardLayoutWhenTheGlobeIsMissing() {
    AppFixture app;
    Titlefrm& title = openFromMenu();
    QVERIFY(title.isVisible());
    QCOMPARE(title.size(), QSize(800, 600));
    QCOMPARE(title.Caption(), QStringLiteral("The Orvelles"));
    QCOMPARE(title.BackColor(), Colours::background);
    QCOMPARE(title.Left(), 1680.0);
    QVERIFY(title.Image1->picture().isNull());
    QCOMPARE(title.Command2->Caption(), QStringLiteral("Exit"));
}

void TestTitleScreen::cancelReturnsToTheMenuAsItWas() {
    AppFixture app;
    writeGlobe(app.content);
    intro0& menu = Screens::open<intro0>();
    QTest::mouseClick(menu.Option2, Qt::LeftButton);
    Module1::state.settings.SoundOn = 1; // sound on, to hear the Cancel's click
    QTest::mouseClick(&menu.Label2(intro0::Entry::Exit), Qt::LeftButton);
    Titlefrm* title = Screens::find<Titlefrm>();
    app.sound->played.clear();
    QTest::mouseClick(title->Command1, Qt::LeftButton);
    QCOMPARE(Screens::find<Titlefrm>(), nullptr);
    QCOMPARE(Screens::find<intro0>(), &menu);
    QVERIFY(menu.isVisible());
    QVERIFY(menu.Option2->Value());
    QCOMPARE(app.sound->played, QStringList{click});
    QVERIFY(Screens::find<Grey>()->isVisible());
    QCOMPARE(app.endCalls, 0);
}

void TestTitleScreen::exitEndsAfterTheClick_data() {
    QTest::addColumn<int>("soundOn");
    QTest::newRow("sound on") << 1;
    QTest::newRow("sound off") << 0;
}

void TestTitleScreen::exitEndsAfterTheClick() {
    QFETCH(int, soundOn);
    AppFixture app;
    Titlefrm& title = openFromMenu();
    Module1::state.settings.SoundOn = soundOn;
    app.sound->played.clear();
    int playedBeforeEnd = -1;
    Screens::setEndAction([&] {
        ++app.endCalls;
        playedBeforeEnd = static_cast<int>(app.sound->played.size());
    });
    QTest::mouseClick(title.Command2, Qt::LeftButton);
    QCOMPARE(app.endCalls, 1);
    QCOMPARE(playedBeforeEnd, soundOn);
}

QTEST_MAIN(TestTitleScreen)
#include "tst_titlefrm.moc"
