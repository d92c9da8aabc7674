#include "app/Module1.h"
#include "app/Screens.h"
#include "platform/Fonts.h"
#include "screens/navigation/Titlefrm.h"
#include "screens/navigation/intro0.h"
#include "support/AppFixture.h"

#include <QFontMetrics>
#include <QTest>

namespace {

const QString click = QStringLiteral("wav\\click.wav");
// A point of the window where no control lies.
const QPoint bareBackground(600, 505);

// Pixels of the caption's yellow on a grab of `entry`.
int yellowInk(Label& entry) {
    const QImage image = entry.grab().toImage();
    int ink = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            ink += c.red() > 160 && c.green() > 160 && c.blue() < 100;
        }
    }
    return ink;
}

// Moves the pointer onto `widget` through the window, as a user's mouse would.
void pointAt(QWidget* window, QWidget* widget) {
    QTest::mouseMove(window, widget->mapTo(window, widget->rect().center()));
}

// Two steps, since a move to where the pointer already is reports nothing.
void pointAtBackground(QWidget* window) {
    QTest::mouseMove(window, bareBackground + QPoint(4, 0));
    QTest::mouseMove(window, bareBackground);
}

intro0& openMenu() {
    intro0& menu = Screens::open<intro0>();
    if (!QTest::qWaitForWindowExposed(&menu))
        qFatal("main menu never shown");
    return menu;
}

} // namespace

class TestMainMenu : public QObject {
    Q_OBJECT
private slots:
    void entries_data();
    void entries();
    void boldCaptionsAreBoldAndFit_data();
    void boldCaptionsAreBoldAndFit();
    void lightUp();
    void disabledTopicsIgnoreThePointer();
    void soundOptions();
    void reloadingSelectsSoundOn();
    void readsTheCatalogueAtTheFirstTick_data();
    void readsTheCatalogueAtTheFirstTick();
    void exitShowsTheTitleScreen();
    void closeButtonDoesWhatExitDoes();
};

void TestMainMenu::entries_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QRect>("pixels");
    QTest::addColumn<bool>("enabled");
    QTest::newRow("15") << 15 << "The Orvelles" << QRect(8, 152, 205, 25) << true;
    QTest::newRow("4") << 4 << "Towns and Markets" << QRect(8, 392, 205, 25) << false;
    QTest::newRow("5") << 5 << "Ships and Explorers" << QRect(232, 152, 205, 25) << false;
    QTest::newRow("7") << 7 << "Rich and Poor" << QRect(232, 248, 205, 25) << true;
    QTest::newRow("10") << 10 << "Faith and Festivals" << QRect(232, 392, 205, 25) << false;
    QTest::newRow("16") << 16 << "Exit" << QRect(704, 528, 83, 33) << true;
    QTest::newRow("17") << 17 << "Multiple Choice Wizard" << QRect(464, 384, 309, 33) << true;
    QTest::newRow("18") << 18 << "Worksheet Catalogue" << QRect(464, 440, 309, 33) << true;
    QTest::newRow("19") << 19 << "Acknowledgments" << QRect(8, 528, 205, 33) << true;
    QTest::newRow("20") << 20 << "Teachers' Guide" << QRect(8, 80, 205, 33) << true;
}

void TestMainMenu::entries() {
    QFETCH(int, index);
    QFETCH(QString, caption);
    QFETCH(QRect, pixels);
    QFETCH(bool, enabled);
    AppFixture app;
    intro0& menu = Screens::touch<intro0>();
    QCOMPARE(menu.Label2.size(), 17);
    for (int missing : {11, 12, 13, 14})
        QVERIFY(!menu.Label2.contains(missing));
    QCOMPARE(menu.Label2(index).Caption(), caption);
    QCOMPARE(menu.Label2(index).geometry(), pixels);
    QCOMPARE(menu.Label2(index).isEnabled(), enabled);
    QCOMPARE(menu.Caption(), QStringLiteral("The Orvelles"));
    QCOMPARE(menu.size(), QSize(800, 600));
}

void TestMainMenu::boldCaptionsAreBoldAndFit_data() {
    QTest::addColumn<int>("index");
    QTest::newRow("title, 12 pt") << 15;
    QTest::newRow("widest, 18 pt") << 17;
    QTest::newRow("14.25 pt") << 19;
}

void TestMainMenu::boldCaptionsAreBoldAndFit() {
    QFETCH(int, index);
    Fonts::registerDesignFaces(); // as the program does at start
    AppFixture app;
    intro0& menu = Screens::touch<intro0>();
    Label& entry = menu.Label2(index);
    QVERIFY(QFontMetrics(entry.font()).horizontalAdvance(entry.Caption()) <= entry.width() - 2);
    const int bold = yellowInk(entry);
    entry.setFontSpec(QStringLiteral("Tahoma"), entry.FontSize(), false);
    const int regular = yellowInk(entry);
    QVERIFY2(bold >= 1.3 * regular,
             qPrintable(QStringLiteral("bold %1, regular %2").arg(bold).arg(regular)));
}

void TestMainMenu::lightUp() {
    AppFixture app;
    intro0& menu = openMenu();
    for (int i : menu.Label2.indices())
        QVERIFY2(menu.Label2(i).Opaque(),
                 "every box shows until the pointer reaches the background");
    pointAtBackground(&menu);
    for (int i : menu.Label2.indices())
        QVERIFY(!menu.Label2(i).Opaque());
    pointAt(&menu, &menu.Label2(15));
    QVERIFY(menu.Label2(15).Opaque());
    // Straight from one entry onto another control clears nothing.
    pointAt(&menu, menu.Label1);
    QVERIFY(menu.Label2(15).Opaque());
    pointAt(&menu, &menu.Label2(18));
    QVERIFY(menu.Label2(15).Opaque());
    QVERIFY(menu.Label2(18).Opaque());
    pointAtBackground(&menu);
    QVERIFY(!menu.Label2(15).Opaque());
    QVERIFY(!menu.Label2(18).Opaque());
}

void TestMainMenu::disabledTopicsIgnoreThePointer() {
    AppFixture app;
    intro0& menu = openMenu();
    pointAtBackground(&menu);
    pointAt(&menu, &menu.Label2(3));
    QVERIFY(!menu.Label2(3).Opaque());
    QTest::mouseClick(&menu.Label2(3), Qt::LeftButton);
    QVERIFY(app.sound->played.isEmpty());
}

void TestMainMenu::soundOptions() {
    AppFixture app;
    intro0& menu = openMenu();
    QCOMPARE(Module1::SoundOn, 1);
    QVERIFY(menu.Option1->Value());
    QTest::mouseClick(menu.Option2, Qt::LeftButton);
    QCOMPARE(Module1::SoundOn, 0);
    QVERIFY(!menu.Option1->Value());
    QTest::mouseClick(&menu.Label2(16), Qt::LeftButton);
    QVERIFY(app.sound->played.isEmpty());
    Screens::unload<Titlefrm>();
    QTest::mouseClick(menu.Option1, Qt::LeftButton);
    QCOMPARE(Module1::SoundOn, 1);
    QTest::mouseClick(&menu.Label2(16), Qt::LeftButton);
    QCOMPARE(app.sound->played, QStringList{click});
}

void TestMainMenu::reloadingSelectsSoundOn() {
    AppFixture app;
    intro0& first = openMenu();
    QTest::mouseClick(first.Option2, Qt::LeftButton);
    QCOMPARE(Module1::SoundOn, 0);
    Screens::unload(first);
    intro0& again = Screens::touch<intro0>();
    QCOMPARE(Module1::SoundOn, 1);
    QVERIFY(again.Option1->Value());
    QVERIFY(!again.Option2->Value());
}

void TestMainMenu::readsTheCatalogueAtTheFirstTick_data() {
    QTest::addColumn<QByteArray>("track");
    QTest::addColumn<int>("count");
    QTest::addColumn<QStringList>("names");
    QTest::newRow("two names") << QByteArray(" 2 \r\nVikings, part 1\r\nKings\r\n") << 2
                               << QStringList{"Vikings, part 1", "Kings"};
    QTest::newRow("count larger than the names")
        << QByteArray(" 3 \r\nOne\r\nTwo\r\n") << 3 << QStringList{"One", "Two", ""};
    QTest::newRow("not a number") << QByteArray("many\r\nOne\r\n") << 0 << QStringList{"", ""};
    QTest::newRow("empty file") << QByteArray() << 0 << QStringList{""};
    QTest::newRow("missing file") << QByteArray("-") << 0 << QStringList{""};
}

void TestMainMenu::readsTheCatalogueAtTheFirstTick() {
    QFETCH(QByteArray, track);
    QFETCH(int, count);
    QFETCH(QStringList, names);
    AppFixture app;
    if (track != "-")
        app.content.write("multiple/track.txt", track);
    intro0& menu = Screens::touch<intro0>();
    QVERIFY(menu.Timer1->Enabled());
    QTRY_VERIFY(!menu.Timer1->Enabled());
    QCOMPARE(Module1::WorksheetCount, count);
    for (int k = 0; k < names.size(); ++k)
        QCOMPARE(Module1::WorksheetNames[k + 1], names[k]);
}

void TestMainMenu::exitShowsTheTitleScreen() {
    AppFixture app;
    intro0& menu = openMenu();
    QTest::mouseClick(&menu.Label2(16), Qt::LeftButton);
    Titlefrm* title = Screens::find<Titlefrm>();
    QVERIFY(title);
    QVERIFY(title->isVisible());
    QCOMPARE(title->Command1->Caption(), QStringLiteral("Cancel"));
    QCOMPARE(Screens::find<intro0>(), &menu);
    QCOMPARE(app.endCalls, 0);
    QCOMPARE(app.sound->played, QStringList{click});
}

void TestMainMenu::closeButtonDoesWhatExitDoes() {
    AppFixture app;
    intro0& menu = openMenu();
    menu.close();
    QVERIFY(Screens::find<Titlefrm>());
    QCOMPARE(Screens::find<intro0>(), &menu);
    QVERIFY(menu.isVisible());
}

QTEST_MAIN(TestMainMenu)
#include "tst_intro0.moc"
