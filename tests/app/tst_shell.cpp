#include "app/Dispatch.h"
#include "app/Grey.h"
#include "app/Module1.h"
#include "app/Screens.h"
#include "app/Sound.h"
#include "app/StandardWindow.h"
#include "platform/Colours.h"
#include "platform/Twips.h"
#include "platform/controls/ControlArray.h"
#include "platform/controls/Label.h"
#include "platform/controls/MenuEntry.h"
#include "platform/controls/PictureBox.h"
#include "support/AppFixture.h"

#include <QGuiApplication>
#include <QPointer>
#include <QTest>

namespace {

int loads = 0;

// A screen with a picture box and one entry whose click unloads the screen and goes on.
class Probe : public Screen {
public:
    Probe() : Screen(QStringLiteral("Probe")) {
        auto* picture = new PictureBox(this);
        setControlName(picture, QStringLiteral("Picture1"));
        entry = makeMenuEntry(this, entries, QStringLiteral("Label3"), 2, QStringLiteral("Exit"),
                              {600, 600, 1245, 495}, 15.75);
        onClickOf(*entry, "Label3_Click", [this] {
            Screens::unload(*this);
            afterUnload = objectName();
            throw std::runtime_error("a handler without recovery fails");
        });
    }
    void Form_Load() override { ++loads; }
    ControlArray<Label> entries;
    Label* entry;
    QString afterUnload;
};

class Bare : public Screen {
public:
    Bare() : Screen(QStringLiteral("Bare")) {}
};

} // namespace

class TestShell : public QObject {
    Q_OBJECT
private slots:
    void touchLoadsOnceAndUnloadForgets();
    void handlerMayUnloadItsOwnScreenAndFail();
    void standardWindow_data();
    void standardWindow();
    void standardWindowWithoutPicture();
    void soundRequests();
    void controlArraysAreSparse();
    void twipsStayExact();
    void closeButtonDoesWhatExitDoes();
};

void TestShell::touchLoadsOnceAndUnloadForgets() {
    AppFixture app;
    loads = 0;
    Probe& first = Screens::touch<Probe>();
    Probe& again = Screens::touch<Probe>();
    QCOMPARE(&first, &again);
    QCOMPARE(loads, 1);
    QPointer<Probe> watch(&first);
    Screens::unload(first);
    QCOMPARE(Screens::find<Probe>(), nullptr);
    AppFixture::settle();
    QVERIFY(watch.isNull());
    Screens::touch<Probe>();
    QCOMPARE(loads, 2);
}

void TestShell::handlerMayUnloadItsOwnScreenAndFail() {
    AppFixture app;
    app.expectHandlerFailures(1);
    Probe& probe = Screens::open<Probe>();
    QVERIFY(QTest::qWaitForWindowExposed(&probe));
    const int failuresBefore = Dispatch::caughtFailures();
    QPointer<Probe> watch(&probe);
    QTest::mouseClick(probe.entry, Qt::LeftButton);
    QCOMPARE(Dispatch::caughtFailures(), failuresBefore + 1);
    QVERIFY(!watch.isNull());
    QCOMPARE(watch->afterUnload, QStringLiteral("Probe"));
    QVERIFY(!watch->isVisible());
    AppFixture::settle();
    QVERIFY(watch.isNull());
}

void TestShell::standardWindow_data() {
    QTest::addColumn<QSizeF>("display");
    QTest::addColumn<double>("left");
    QTest::addColumn<double>("top");
    QTest::newRow("1024 by 768") << QSizeF(15360, 11520) << 1680.0 << 1260.0;
    QTest::newRow("exactly the window") << QSizeF(12000, 9000) << 0.0 << 0.0;
    QTest::newRow("smaller display") << QSizeF(9600, 7200) << -1200.0 << -900.0;
}

void TestShell::standardWindow() {
    QFETCH(QSizeF, display);
    QFETCH(double, left);
    QFETCH(double, top);
    AppFixture app;
    Probe& probe = Screens::touch<Probe>();
    StandardWindow(probe, display);
    QCOMPARE(probe.BackColor(), Colours::background);
    QCOMPARE(probe.Caption(), QStringLiteral("The Orvelles"));
    QCOMPARE(probe.findChild<PictureBox*>("Picture1")->BackColor(), Colours::pictureBox);
    QCOMPARE(probe.Width(), 12000.0);
    QCOMPARE(probe.Height(), 9000.0);
    QCOMPARE(probe.size(), QSize(800, 600));
    QCOMPARE(probe.Left(), left);
    QCOMPARE(probe.Top(), top);
    QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
}

void TestShell::standardWindowWithoutPicture() {
    AppFixture app;
    Bare& bare = Screens::touch<Bare>();
    StandardWindow(bare, QSizeF(15360, 11520));
    QCOMPARE(bare.BackColor(), Colours::background);
    QCOMPARE(bare.Caption(), QStringLiteral("The Orvelles"));
    QCOMPARE(bare.size(), QSize(800, 600));
    QCOMPARE(bare.Left(), 1680.0);
    QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
}

void TestShell::soundRequests() {
    AppFixture app;
    Module1::state.settings.SoundOn = 0;
    playClick();
    QVERIFY(app.sound->played.isEmpty());
    QCOMPARE(Screens::find<Grey>(), nullptr);

    Module1::state.settings.SoundOn = 1;
    playClick();
    playSound(QStringLiteral("wav\\typekey.wav"));
    QCOMPARE(app.sound->played,
             QStringList({QStringLiteral("wav\\click.wav"), QStringLiteral("wav\\typekey.wav")}));
    Grey* grey = Screens::find<Grey>();
    QVERIFY(grey);
    QVERIFY(!grey->isVisible());
    QCOMPARE(grey->Caption(), QStringLiteral("Form1"));
    QCOMPARE(grey->BackColor(), Colours::grey);
}

void TestShell::controlArraysAreSparse() {
    AppFixture app;
    Probe& probe = Screens::touch<Probe>();
    QVERIFY(probe.entries.contains(2));
    QVERIFY(!probe.entries.contains(0));
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, probe.entries(0));
    QCOMPARE(probe.entry->objectName(), QStringLiteral("Label3_2"));
    QCOMPARE(probe.findChild<Label*>("Label3_2"), probe.entry);
}

void TestShell::twipsStayExact() {
    AppFixture app;
    Probe& probe = Screens::touch<Probe>();
    probe.entry->Move(1440 - 922.5, 2520 + 187.4);
    QCOMPARE(probe.entry->Left(), 517.5);
    QCOMPARE(probe.entry->Top(), 2707.4);
    QCOMPARE(probe.entry->geometry().topLeft(), QPoint(35, 180));
    QCOMPARE(Twips::fontPixels(15.75), 21);
    QCOMPARE(Twips::fontPixels(32.25), 43);
}

void TestShell::closeButtonDoesWhatExitDoes() {
    AppFixture app;
    Probe& probe = Screens::open<Probe>();
    QVERIFY(QTest::qWaitForWindowExposed(&probe));
    probe.close();
    QCOMPARE(Screens::find<Probe>(), nullptr);
    Grey& grey = Screens::open<Grey>();
    grey.close();
    QCOMPARE(Screens::find<Grey>(), &grey);
    QVERIFY(grey.isVisible());
}

QTEST_MAIN(TestShell)
#include "tst_shell.moc"
