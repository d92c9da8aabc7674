#include "app/Module1.h"
#include "app/Screens.h"
#include "screens/activities/multiple.h"
#include "screens/authoring/wizard.h"
#include "screens/authoring/worksheets.h"
#include "screens/navigation/intro0.h"
#include "support/AppFixture.h"
#include "support/DoubleClick.h"
#include "support/Worksheets.h"

#include <QBuffer>
#include <QImage>
#include <QTest>

namespace {

const QString click = QStringLiteral("wav\\click.wav");
const QString corrupted = QStringLiteral("This worksheet seems to be corrupted.");

QByteArray catalogue(const QStringList& names) {
    QByteArray bytes = ' ' + QByteArray::number(names.size()) + " \r\n";
    for (const QString& name : names)
        bytes += name.toLatin1() + "\r\n";
    return bytes;
}

QStringList numberedNames(int count) {
    QStringList names;
    for (int k = 1; k <= count; ++k)
        names << QStringLiteral("Name %1").arg(k);
    return names;
}

// A catalogue of `names`, each with its question file.
void writeCatalogue(AppFixture& app, const QStringList& names) {
    app.content.write("multiple/track.txt", catalogue(names));
    for (const QString& name : names)
        app.content.write("multiple/" + name + ".txt", sampleQuestionFile(name));
}

worksheets& openCatalogue() {
    Module1::state.settings.SoundOn = 1;
    return Screens::open<worksheets>();
}

QByteArray jpeg(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::blue);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPG");
    return bytes;
}

void clickOn(QWidget& widget) {
    QTest::mouseClick(&widget, Qt::LeftButton);
}

QStringList shownNames(const worksheets& screen) {
    QStringList names;
    for (int i = 1; i <= 24; ++i) {
        if (screen.Label2(i).Visible())
            names << screen.Label2(i).Caption();
    }
    return names;
}

} // namespace

class TestWorksheets : public QObject {
    Q_OBJECT
private slots:
    void paging_data();
    void paging();
    void tickBoxesChooseTheAction_data();
    void tickBoxesChooseTheAction();
    void quizAfterSoundOff();
    void editFillsTheWizard();
    void removal_data();
    void removal();
    void removingThePagesLastName_data();
    void removingThePagesLastName();
    void brokenWorksheet_data();
    void brokenWorksheet();
    void exitClicksFirst_data();
    void exitClicksFirst();
};

void TestWorksheets::paging_data() {
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("clicks");
    QTest::addColumn<int>("shown");
    QTest::addColumn<QString>("first");
    QTest::addColumn<bool>("previous");
    QTest::addColumn<bool>("next");
    QTest::addColumn<QString>("page");
    QTest::newRow("none") << 0 << "" << 0 << "" << false << false << "Page 1";
    QTest::newRow("24") << 24 << "" << 24 << "Name 1" << false << false << "Page 1";
    QTest::newRow("25") << 25 << "" << 24 << "Name 1" << false << true << "Page 1";
    QTest::newRow("25, page 2") << 25 << ">" << 1 << "Name 25" << true << false << "Page 2";
    QTest::newRow("49, page 2") << 49 << ">" << 24 << "Name 25" << true << true << "Page 2";
    QTest::newRow("49, page 3") << 49 << ">>" << 1 << "Name 49" << true << false << "Page 3";
    QTest::newRow("49, back") << 49 << "><" << 24 << "Name 1" << false << true << "Page 1";
    QTest::newRow("49, a double-click is one page")
        << 49 << "D" << 24 << "Name 25" << true << true << "Page 2";
    QTest::newRow("1000, last page")
        << 1000 << QString(40, '>') << 24 << "Name 961" << true << false << "Page 41";
}

void TestWorksheets::paging() {
    QFETCH(int, count);
    QFETCH(QString, clicks);
    QFETCH(int, shown);
    QFETCH(QString, first);
    QFETCH(bool, previous);
    QFETCH(bool, next);
    QFETCH(QString, page);
    AppFixture app;
    app.content.write("multiple/track.txt", catalogue(numberedNames(count)));
    worksheets& screen = openCatalogue();
    for (QChar c : clicks) {
        Label& entry = screen.Label3(c == '<' ? worksheets::PageButton::Previous
                                              : worksheets::PageButton::Next);
        QVERIFY(entry.Visible());
        if (c == 'D')
            doubleClick(&entry);
        else
            clickOn(entry);
    }
    const QStringList names = shownNames(screen);
    QCOMPARE(names.size(), shown);
    QCOMPARE(names.value(0), first);
    if (shown > 0)
        QCOMPARE(screen.Label2(shown).Caption(), names.last());
    QCOMPARE(screen.Label3(worksheets::PageButton::Previous).Visible(), previous);
    QCOMPARE(screen.Label3(worksheets::PageButton::Next).Visible(), next);
    QCOMPARE(screen.Label4->Caption(), page);
    QCOMPARE(app.sound->played.size(), clicks.size());
}

void TestWorksheets::tickBoxesChooseTheAction_data() {
    QTest::addColumn<QString>("ticks");
    QTest::addColumn<bool>("edit");
    QTest::addColumn<bool>("remove");
    QTest::addColumn<QString>("opens");
    QTest::newRow("none") << "" << false << false << "quiz";
    QTest::newRow("edit") << "E" << true << false << "wizard";
    QTest::newRow("delete") << "D" << false << true << "question";
    QTest::newRow("edit, then delete") << "ED" << false << true << "question";
    QTest::newRow("delete, then edit") << "DE" << true << false << "wizard";
    QTest::newRow("edit unticked") << "EE" << false << false << "quiz";
    QTest::newRow("delete, edit, delete") << "DED" << false << true << "question";
    QTest::newRow("delete ticked twice") << "DD" << false << false << "quiz";
}

void TestWorksheets::tickBoxesChooseTheAction() {
    QFETCH(QString, ticks);
    QFETCH(bool, edit);
    QFETCH(bool, remove);
    QFETCH(QString, opens);
    AppFixture app;
    writeCatalogue(app, {"Only"});
    worksheets& screen = openCatalogue();
    for (QChar c : ticks)
        clickOn(c == 'E' ? *screen.Check1 : *screen.Check2);
    QCOMPARE(screen.Check1->Value(), edit);
    QCOMPARE(screen.Check2->Value(), remove);
    app.messages->answers = {MessageBox::Answer::Cancel};
    clickOn(screen.Label2(worksheets::Entry::FirstName));
    QCOMPARE(Screens::find<multiple>() != nullptr, opens == "quiz");
    QCOMPARE(Screens::find<wizard>() != nullptr, opens == "wizard");
    QCOMPARE(app.messages->texts.size(), opens == "question" ? 1 : 0);
    QVERIFY(screen.isVisible());
}

void TestWorksheets::quizAfterSoundOff() {
    AppFixture app;
    writeCatalogue(app, {"Castles, Kings"});
    app.content.write("images/globesm.jpg", jpeg(40, 30));
    intro0& menu = Screens::open<intro0>();
    clickOn(*menu.Option2);
    clickOn(menu.Label2(intro0::Entry::Catalogue));
    AppFixture::settle();
    QCOMPARE(Screens::find<intro0>(), nullptr);
    worksheets* screen = Screens::find<worksheets>();
    QVERIFY(screen && screen->isVisible());
    clickOn(screen->Label2(worksheets::Entry::FirstName));
    multiple* quiz = Screens::find<multiple>();
    QVERIFY(quiz && quiz->isVisible());
    QCOMPARE(quiz->Label5->Caption(), QStringLiteral("The Orvelles"));
    QCOMPARE(quiz->Label6->Caption(), QStringLiteral("Castles, Kings"));
    QCOMPARE(quiz->Label2->Caption(), QStringLiteral("Question text 1"));
    intro0* hiddenMenu = Screens::find<intro0>();
    QVERIFY(hiddenMenu && !hiddenMenu->isVisible());
    QCOMPARE(quiz->Picture1->picture().sizeTwips(), QSizeF(600, 450));
    QVERIFY(screen->isVisible());
    // Both clicks came while the sound was off; the quiz plays again.
    QVERIFY(app.sound->played.isEmpty());
    clickOn(quiz->Option1(1));
    QCOMPARE(app.sound->played, QStringList{"wav\\typekey.wav"});
}

void TestWorksheets::editFillsTheWizard() {
    AppFixture app;
    writeCatalogue(app, {"Kings, Queens", "Other"});
    QByteArray file = sampleQuestionFile("Kings, Queens");
    for (int q = 1; q <= 10; ++q) {
        // Question q's correct answer becomes (q - 1) mod 4 + 1.
        const QByteArray block = "\r\n" + QByteArray::number(q) + " D\r\n";
        const qsizetype at = file.indexOf(block) + block.size();
        file[at] = char('1' + (q - 1) % 4);
    }
    app.content.write("multiple/Kings, Queens.txt", file);
    worksheets& screen = openCatalogue();
    clickOn(*screen.Check1);
    clickOn(screen.Label2(worksheets::Entry::FirstName));
    wizard* editor = Screens::find<wizard>();
    QVERIFY(editor && editor->isVisible());
    QCOMPARE(editor->Text1->Text(), QStringLiteral("Kings, Queens"));
    QCOMPARE(editor->Text2(9).Text(), QStringLiteral("Question text 10"));
    QCOMPARE(editor->Text3(38).Text(), QStringLiteral("10 C"));
    for (int i = 0; i < 40; ++i)
        QCOMPARE(editor->Check1(i).Value(), i % 4 == (i / 4) % 4);
    // Saved under a new title, it is added as a new name; the old file stays.
    editor->Text1->selectAll();
    QTest::keyClicks(editor->Text1, "Kings 2");
    clickOn(editor->Label3(wizard::Button::Save));
    QCOMPARE(app.messages->texts, QStringList{"Your worksheet has been saved."});
    QCOMPARE(app.content.read("multiple/track.txt"),
             catalogue({"Kings, Queens", "Other", "Kings 2"}));
    QCOMPARE(app.content.read("multiple/Kings, Queens.txt"), file);
    QCOMPARE(app.content.read("multiple/Kings 2.txt"),
             QByteArray(file).replace("Kings& Queens", "Kings 2"));
}

void TestWorksheets::removal_data() {
    QTest::addColumn<bool>("confirm");
    QTest::newRow("OK") << true;
    QTest::newRow("Cancel") << false;
}

void TestWorksheets::removal() {
    QFETCH(bool, confirm);
    AppFixture app;
    const QStringList names = {"First", "Second", "Third"};
    writeCatalogue(app, names);
    worksheets& screen = openCatalogue();
    clickOn(*screen.Check2);
    app.messages->answers = {confirm ? MessageBox::Answer::Ok : MessageBox::Answer::Cancel};
    qsizetype soundsAtQuestion = -1;
    app.messages->onShow = [&] { soundsAtQuestion = app.sound->played.size(); };
    clickOn(screen.Label2(worksheets::Entry::FirstName + 1));
    QCOMPARE(soundsAtQuestion, 1);
    QCOMPARE(app.messages->texts,
             QStringList{"Are you sure that you want to delete the worksheet Second?"});
    QCOMPARE(app.messages->shown.first().buttons, MessageBox::Buttons::OkCancel);
    QCOMPARE(app.messages->shown.first().caption, QString());
    const QStringList left = confirm ? QStringList{"First", "Third"} : names;
    QCOMPARE(shownNames(screen), left);
    QCOMPARE(app.content.read("multiple/track.txt"), catalogue(left));
    QVERIFY(app.content.exists("multiple/Second.txt"));
    QCOMPARE(app.sound->played, QStringList{click});
}

void TestWorksheets::removingThePagesLastName_data() {
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("page");
    QTest::addColumn<int>("shown");
    QTest::newRow("page 2 emptied") << 25 << "Page 1" << 24;
    QTest::newRow("page 2 keeps a name") << 26 << "Page 2" << 1;
}

void TestWorksheets::removingThePagesLastName() {
    QFETCH(int, count);
    QFETCH(QString, page);
    QFETCH(int, shown);
    AppFixture app;
    writeCatalogue(app, numberedNames(count));
    worksheets& screen = openCatalogue();
    clickOn(screen.Label3(worksheets::PageButton::Next));
    clickOn(*screen.Check2);
    clickOn(screen.Label2(count - 24));
    QCOMPARE(screen.Label4->Caption(), page);
    QCOMPARE(shownNames(screen).size(), shown);
    QCOMPARE(screen.Label3(worksheets::PageButton::Previous).Visible(), count > 25);
    QVERIFY(!screen.Label3(worksheets::PageButton::Next).Visible());
}

void TestWorksheets::brokenWorksheet_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("tick");
    const QByteArray shortFile = sampleQuestionFile("Broken").chopped(3);
    for (const char* tick : {"", "edit", "delete"}) {
        QTest::newRow(QByteArray("missing, ") + tick) << QByteArray() << tick;
        QTest::newRow(QByteArray("71 lines, ") + tick) << shortFile << tick;
        // The quote runs on to the end of the file and leaves too few items.
        QTest::newRow(QByteArray("unclosed quote, ") + tick)
            << "\"Never closed\r\n" + sampleQuestionFile("Broken") << tick;
    }
    for (const char* correct : {"5", "0", "B", ""})
        QTest::newRow(QByteArray("answer '") + correct + "', edit")
            << sampleQuestionFile("Broken", correct) << "edit";
}

void TestWorksheets::brokenWorksheet() {
    QFETCH(QByteArray, file);
    QFETCH(QString, tick);
    AppFixture app;
    app.content.write("multiple/track.txt", catalogue({"Broken"}));
    if (!file.isEmpty())
        app.content.write("multiple/Broken.txt", file);
    worksheets& screen = openCatalogue();
    if (tick == "edit")
        clickOn(*screen.Check1);
    if (tick == "delete")
        clickOn(*screen.Check2);
    clickOn(screen.Label2(worksheets::Entry::FirstName));
    QCOMPARE(Screens::find<multiple>(), nullptr);
    QCOMPARE(Screens::find<wizard>(), nullptr);
    // Removing needs nothing from the file, so a damaged worksheet can still go.
    if (tick == "delete") {
        QCOMPARE(app.messages->texts,
                 QStringList{"Are you sure that you want to delete the worksheet Broken?"});
        QCOMPARE(app.content.read("multiple/track.txt"), catalogue({}));
        QCOMPARE(shownNames(screen), QStringList{});
        return;
    }
    QCOMPARE(app.messages->texts, QStringList{corrupted});
    QCOMPARE(app.messages->shown.first().caption, QStringLiteral("The Orvelles"));
    QCOMPARE(app.content.read("multiple/track.txt"), catalogue({"Broken"}));
    QCOMPARE(shownNames(screen), QStringList{"Broken"});
}

void TestWorksheets::exitClicksFirst_data() {
    QTest::addColumn<int>("soundOn");
    QTest::addColumn<QStringList>("played");
    QTest::newRow("sound on") << 1 << QStringList{click};
    QTest::newRow("sound off") << 0 << QStringList{};
}

void TestWorksheets::exitClicksFirst() {
    QFETCH(int, soundOn);
    QFETCH(QStringList, played);
    AppFixture app;
    worksheets& screen = openCatalogue();
    Module1::state.settings.SoundOn = soundOn;
    clickOn(screen.Label2(worksheets::Entry::Exit));
    AppFixture::settle();
    QCOMPARE(app.sound->played, played);
    QCOMPARE(Screens::find<worksheets>(), nullptr);
    intro0* menu = Screens::find<intro0>();
    QVERIFY(menu && menu->isVisible());
    QCOMPARE(Module1::state.settings.SoundOn, 1);
}

QTEST_MAIN(TestWorksheets)
#include "tst_worksheets.moc"
