#include "app/Module1.h"
#include "app/Screens.h"
#include "platform/Fonts.h"
#include "screens/navigation/Titlefrm.h"
#include "screens/navigation/intro0.h"
#include "support/AppFixture.h"
#include "support/DesignedLayout.h"

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
    void designedLayout_data();
    void designedLayout();
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
    using E = intro0::Entry;
    QTest::newRow("15") << E::Orvelles << "The Orvelles" << QRect(8, 152, 205, 25) << true;
    QTest::newRow("4") << 4 << "Towns and Markets" << QRect(8, 392, 205, 25) << false;
    QTest::newRow("5") << 5 << "Ships and Explorers" << QRect(232, 152, 205, 25) << true;
    QTest::newRow("7") << E::Rich << "Rich and Poor" << QRect(232, 248, 205, 25) << true;
    QTest::newRow("10") << 10 << "Faith and Festivals" << QRect(232, 392, 205, 25) << false;
    QTest::newRow("16") << E::Exit << "Exit" << QRect(704, 528, 83, 33) << true;
    QTest::newRow("17") << E::Wizard << "Multiple Choice Wizard" << QRect(464, 384, 309, 33)
                        << true;
    QTest::newRow("18") << E::Catalogue << "Worksheet Catalogue" << QRect(464, 440, 309, 33)
                        << true;
    QTest::newRow("19") << E::Acknowledgements << "Acknowledgments" << QRect(8, 528, 205, 33)
                        << true;
    QTest::newRow("20") << E::Guide << "Teachers' Guide" << QRect(8, 80, 205, 33) << true;
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

void TestMainMenu::designedLayout_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<DesignedControl>("design");
    const QString tahoma = QStringLiteral("Tahoma");
    const QColor yellow(255, 255, 0), black(0, 0, 0), navy(0, 0, 128), blue(0, 78, 152);
    const QColor none(Qt::transparent);
    QTest::newRow("title") << "Label1"
                           << DesignedControl{
                                  {0, 120, 12000, 900}, tahoma, 32.25, true, yellow, none};
    QTest::newRow("notice") << "Label3"
                            << DesignedControl{
                                   {0, 8280, 12000, 375}, tahoma, 9.75, false, yellow, none};
    QTest::newRow("Sound On") << "Option1"
                              << DesignedControl{
                                     {10440, 120, 1455, 255}, tahoma, 9.75, true, yellow, blue};
    QTest::newRow("Sound Off") << "Option2"
                               << DesignedControl{
                                      {10440, 480, 1455, 255}, tahoma, 9.75, true, yellow, blue};
    QTest::newRow("frame") << "Frame1"
                           << DesignedControl{{7110, 1320, 4335, 3975}, {}, 0, false, {}, blue};
    QTest::newRow("globe") << "Image1" << DesignedControl{{120, 240, 0, 0}, {}, 0, false, {}, {}};
    struct Entry {
        int index;
        QRectF twips;
        double points;
        QColor box;
    };
    const Entry entries[] = {
        {15, {120, 2280, 3075, 375}, 12, black},   {0, {120, 3000, 3075, 375}, 12, black},
        {1, {120, 3720, 3075, 375}, 12, black},    {2, {120, 4440, 3075, 375}, 12, black},
        {3, {120, 5160, 3075, 375}, 12, black},    {4, {120, 5880, 3075, 375}, 12, black},
        {5, {3480, 2280, 3075, 375}, 12, black},   {6, {3480, 3000, 3075, 375}, 12, black},
        {7, {3480, 3720, 3075, 375}, 12, black},   {8, {3480, 4440, 3075, 375}, 12, black},
        {9, {3480, 5160, 3075, 375}, 12, black},   {10, {3480, 5880, 3075, 375}, 12, black},
        {16, {10560, 7920, 1245, 495}, 18, black}, {17, {6960, 5760, 4635, 495}, 18, navy},
        {18, {6960, 6600, 4635, 495}, 18, navy},   {19, {120, 7920, 3075, 495}, 14.25, navy},
        {20, {120, 1200, 3075, 495}, 14.25, navy},
    };
    for (const Entry& e : entries)
        QTest::addRow("entry %d", e.index)
            << QStringLiteral("Label2_%1").arg(e.index)
            << DesignedControl{e.twips, tahoma, e.points, true, yellow, e.box};
}

void TestMainMenu::designedLayout() {
    QFETCH(QString, name);
    QFETCH(DesignedControl, design);
    AppFixture app;
    intro0& menu = openMenu();
    QCOMPARE(menu.BackColor(), QColor(0, 78, 152));
    compareWithDesign(menu, name, design);
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
    pointAt(&menu, &menu.Label2(intro0::Entry::Orvelles));
    QVERIFY(menu.Label2(intro0::Entry::Orvelles).Opaque());
    // Straight from one entry onto another control clears nothing.
    pointAt(&menu, menu.Label1);
    QVERIFY(menu.Label2(intro0::Entry::Orvelles).Opaque());
    pointAt(&menu, &menu.Label2(intro0::Entry::Catalogue));
    QVERIFY(menu.Label2(intro0::Entry::Orvelles).Opaque());
    QVERIFY(menu.Label2(intro0::Entry::Catalogue).Opaque());
    pointAtBackground(&menu);
    QVERIFY(!menu.Label2(intro0::Entry::Orvelles).Opaque());
    QVERIFY(!menu.Label2(intro0::Entry::Catalogue).Opaque());
}

void TestMainMenu::disabledTopicsIgnoreThePointer() {
    AppFixture app;
    intro0& menu = openMenu();
    pointAtBackground(&menu);
    Label& schools = menu.Label2(3);
    pointAt(&menu, &schools);
    QVERIFY(!schools.Opaque());
    QTest::mouseClick(&schools, Qt::LeftButton);
    QVERIFY(app.sound->played.isEmpty());
}

void TestMainMenu::soundOptions() {
    AppFixture app;
    intro0& menu = openMenu();
    QCOMPARE(Module1::state.settings.SoundOn, 1);
    QVERIFY(menu.Option1->Value());
    QTest::mouseClick(menu.Option2, Qt::LeftButton);
    QCOMPARE(Module1::state.settings.SoundOn, 0);
    QVERIFY(!menu.Option1->Value());
    QTest::mouseClick(&menu.Label2(intro0::Entry::Exit), Qt::LeftButton);
    QVERIFY(app.sound->played.isEmpty());
    Screens::unload<Titlefrm>();
    QTest::mouseClick(menu.Option1, Qt::LeftButton);
    QCOMPARE(Module1::state.settings.SoundOn, 1);
    QTest::mouseClick(&menu.Label2(intro0::Entry::Exit), Qt::LeftButton);
    QCOMPARE(app.sound->played, QStringList{click});
}

void TestMainMenu::reloadingSelectsSoundOn() {
    AppFixture app;
    intro0& first = openMenu();
    QTest::mouseClick(first.Option2, Qt::LeftButton);
    QCOMPARE(Module1::state.settings.SoundOn, 0);
    Screens::unload(first);
    intro0& again = Screens::touch<intro0>();
    QCOMPARE(Module1::state.settings.SoundOn, 1);
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
    QCOMPARE(Module1::state.catalogue.Catalogue.WorksheetCount, count);
    for (int k = 0; k < names.size(); ++k)
        QCOMPARE(Module1::state.catalogue.Catalogue.WorksheetNames[k + 1], names[k]);
}

void TestMainMenu::exitShowsTheTitleScreen() {
    AppFixture app;
    intro0& menu = openMenu();
    QTest::mouseClick(&menu.Label2(intro0::Entry::Exit), Qt::LeftButton);
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
