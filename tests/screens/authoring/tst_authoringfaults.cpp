// The wizard's save and the catalogue's removal with the disk failing at each step of each
// file they replace: the teacher is told, and the files that were there stay as they were.
#include "app/Module1.h"
#include "app/Screens.h"
#include "formats/Errors.h"
#include "screens/authoring/SaveMessages.h"
#include "screens/authoring/wizard.h"
#include "screens/authoring/worksheets.h"
#include "support/AppFixture.h"
#include "support/FaultyDisk.h"
#include "support/Worksheets.h"

#include <QDir>
#include <QMap>
#include <QTest>

namespace {

const QString problem = QStringLiteral("There was a problem saving your worksheet");
const QString saved = QStringLiteral("Your worksheet has been saved.");
const QString corrupted = QStringLiteral("This worksheet seems to be corrupted.");
const QByteArray track = " 2 \r\nTudors\r\nVikings\r\n";

void clickOn(QWidget& widget) {
    QTest::mouseClick(&widget, Qt::LeftButton);
}

// Every box filled in and answer B ticked, the worksheet of sampleQuestionFile(title).
void fill(wizard& w, const QString& title) {
    w.Text1->setText(title);
    for (int q = 1; q <= 10; ++q) {
        w.Text2(q - 1).setText(QStringLiteral("Question text %1").arg(q));
        for (int a = 0; a < 4; ++a)
            w.Text3(4 * (q - 1) + a).setText(QStringLiteral("%1 %2").arg(q).arg(QChar('A' + a)));
        clickOn(w.Check1(4 * (q - 1) + 1));
    }
}

void setUp(AppFixture& app) {
    app.content.write("multiple/track.txt", track);
    app.content.write("multiple/Tudors.txt", sampleQuestionFile("Tudors", "1"));
    app.content.write("multiple/Vikings.txt", sampleQuestionFile("Vikings"));
}

QStringList filesIn(const AppFixture& app) {
    return QDir(app.content.path() + "/multiple").entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

QMap<QString, QByteArray> contentsOf(const AppFixture& app) {
    QMap<QString, QByteArray> contents;
    for (const QString& name : filesIn(app))
        contents.insert(name, app.content.read("multiple/" + name));
    return contents;
}

// While it lives, every file replacement fails as a shared folder makes it fail: busy with
// another computer's lock, or unable to share safely at all.
class SharedFolderFault : public ReplaceSteps {
public:
    explicit SharedFolderFault(bool busy) : busy_(busy), previous_(ReplaceSteps::use(this)) {}
    ~SharedFolderFault() override { ReplaceSteps::use(previous_); }
    SharedFolderFault(const SharedFolderFault&) = delete;
    SharedFolderFault& operator=(const SharedFolderFault&) = delete;

    bool open(QSaveFile&) override {
        if (busy_)
            throw FolderBusyError("the folder is busy: another computer is saving there");
        throw UnsafeFolderError("the shared folder cannot keep two computers apart");
    }

private:
    bool busy_;
    ReplaceSteps* previous_;
};

} // namespace

class TestAuthoringFaults : public QObject {
    Q_OBJECT
private slots:
    void wizardSave_data();
    void wizardSave();
    void catalogueRemoval();
    void sharedFolderFault_data();
    void sharedFolderFault();
};

void TestAuthoringFaults::wizardSave_data() {
    QTest::addColumn<QString>("title");
    QTest::addColumn<int>("steps");
    // A new worksheet replaces its question file and then the catalogue; an edited one that
    // is listed already replaces its question file only.
    QTest::newRow("new worksheet") << "Castles" << 8;
    QTest::newRow("edited worksheet") << "Tudors" << 4;
}

void TestAuthoringFaults::wizardSave() {
    QFETCH(QString, title);
    QFETCH(int, steps);
    const QString sheet = "multiple/" + title + ".txt";
    for (int failAt = 0; failAt <= steps; ++failAt) {
        AppFixture app;
        setUp(app);
        const QByteArray before =
            app.content.exists(sheet) ? app.content.read(sheet) : QByteArray();
        wizard& w = Screens::open<wizard>();
        fill(w, title);
        {
            FaultyDisk disk(failAt, failAt * 7);
            clickOn(w.Label3(wizard::Button::Save));
            QCOMPARE(disk.failed(), failAt < steps);
        }
        const bool failed = failAt < steps;
        QCOMPARE(app.messages->texts, QStringList{failed ? problem : saved});
        // A new catalogue entry is only ever written after its question file.
        const bool sheetWritten = !failed || failAt >= 4;
        QCOMPARE(app.content.exists(sheet) ? app.content.read(sheet) : QByteArray(),
                 sheetWritten ? sampleQuestionFile(title) : before);
        const QByteArray listed = !failed && title == "Castles"
                                      ? track.left(1) + "3" + track.mid(2) + "Castles\r\n"
                                      : track;
        QCOMPARE(app.content.read("multiple/track.txt"), listed);
        QCOMPARE(filesIn(app).size(), (title == "Castles" && sheetWritten) ? 4 : 3);
        // The wizard stays as it was, so the teacher can save again once the disk is right.
        QVERIFY(w.isVisible());
        if (failed) {
            clickOn(w.Label3(wizard::Button::Save));
            QCOMPARE(app.messages->texts.last(), saved);
            QCOMPARE(app.content.read(sheet), sampleQuestionFile(title));
        }
    }
}

void TestAuthoringFaults::catalogueRemoval() {
    for (int failAt = 0; failAt < 4; ++failAt) {
        AppFixture app;
        setUp(app);
        Module1::state.settings.SoundOn = 1;
        worksheets& screen = Screens::open<worksheets>();
        clickOn(*screen.Check2);
        {
            FaultyDisk disk(failAt, 5);
            clickOn(screen.Label2(worksheets::Entry::FirstName));
            QVERIFY(disk.failed());
        }
        QCOMPARE(
            app.messages->texts,
            (QStringList{"Are you sure that you want to delete the worksheet Tudors?", corrupted}));
        QCOMPARE(app.content.read("multiple/track.txt"), track);
        QCOMPARE(screen.Label2(worksheets::Entry::FirstName).Caption(), QStringLiteral("Tudors"));
        QVERIFY(screen.Label2(worksheets::Entry::FirstName + 1).Visible());
        QCOMPARE(filesIn(app).size(), 3);
    }
}

void TestAuthoringFaults::sharedFolderFault_data() {
    QTest::addColumn<bool>("busy");
    // Each try in turn: "save" a new worksheet in the wizard, or "remove" Tudors in the catalogue.
    QTest::addColumn<QStringList>("tries");
    QTest::addColumn<QStringList>("shown");
    const QString ask =
        QStringLiteral("Are you sure that you want to delete the worksheet Tudors?");
    using namespace SaveMessages;
    QTest::newRow("busy, saved twice")
        << true << QStringList{"save", "save"} << QStringList{busy, busy};
    QTest::newRow("busy, removed twice")
        << true << QStringList{"remove", "remove"} << QStringList{ask, busy, ask, busy};
    // The explanation comes once a run, whichever screen meets the folder first.
    QTest::newRow("unsafe, saved twice")
        << false << QStringList{"save", "save"} << QStringList{unsafeFirst, unsafeAgain};
    QTest::newRow("unsafe, removed then saved")
        << false << QStringList{"remove", "save"} << QStringList{ask, unsafeFirst, unsafeAgain};
    QTest::newRow("unsafe, saved then removed")
        << false << QStringList{"save", "remove"} << QStringList{unsafeFirst, ask, unsafeAgain};
}

void TestAuthoringFaults::sharedFolderFault() {
    QFETCH(bool, busy);
    QFETCH(QStringList, tries);
    QFETCH(QStringList, shown);
    AppFixture app;
    setUp(app);
    const QMap<QString, QByteArray> before = contentsOf(app);
    worksheets& catalogue = Screens::open<worksheets>();
    clickOn(*catalogue.Check2);
    wizard& w = Screens::open<wizard>();
    fill(w, "Castles");
    {
        SharedFolderFault fault(busy);
        for (const QString& attempt : tries)
            clickOn(attempt == "save" ? w.Label3(wizard::Button::Save)
                                      : catalogue.Label2(worksheets::Entry::FirstName));
    }
    QCOMPARE(app.messages->texts, shown);
    QCOMPARE(contentsOf(app), before);
    QCOMPARE(catalogue.Label2(worksheets::Entry::FirstName).Caption(), QStringLiteral("Tudors"));
}

QTEST_MAIN(TestAuthoringFaults)
#include "tst_authoringfaults.moc"
