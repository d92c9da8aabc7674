#include "app/Module1.h"
#include "app/Screens.h"
#include "app/Services.h"
#include "platform/Colours.h"
#include "platform/Picture.h"
#include "screens/navigation/TopicMenu.h"
#include "screens/navigation/intro0.h"
#include "screens/reading/guide.h"
#include "screens/reading/teacher.h"
#include "support/AppFixture.h"
#include "support/DoubleClick.h"
#include "support/RecordingPrinter.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QTest>

namespace {

QStringList printed;

void recordPrints(int failAt = 0) {
    printed.clear();
    Services::setPrinterFactory([failAt] {
        struct Keeper : RecordingPrinter {
            ~Keeper() override { printed = operations; }
        };
        auto keeper = std::make_unique<Keeper>();
        keeper->failAt = failAt;
        return std::unique_ptr<PrinterSurface>(std::move(keeper));
    });
}

// A page image; any picture format serves the screens' own logic.
void writePage(const TempContent& content, const QString& path, int width = 600) {
    QImage image(width, 400, QImage::Format_RGB32);
    image.fill(Qt::white);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    content.write(path, bytes);
}

void writeDocument(const TempContent& content, const QString& stem, int pages) {
    for (int p = 0; p < pages; ++p) {
        const QString letter(QChar('a' + p));
        writePage(content, "wmf/" + stem + letter + ".wmf");
        writePage(content, "wmf2/" + stem + letter + ".wmf");
    }
}

teacher& openKeyFacts(const QString& topic) {
    intro0& menu = Screens::open<intro0>();
    QTest::mouseClick(&menu.Label2(topic == "rich" ? intro0::Entry::Rich : intro0::Entry::Orvelles),
                      Qt::LeftButton);
    TopicMenu* menuOfTopic =
        topic == "rich"
            ? static_cast<TopicMenu*>(Screens::find<TopicMenu>(QStringLiteral("rich")))
            : static_cast<TopicMenu*>(Screens::find<TopicMenu>(QStringLiteral("orvelles")));
    QTest::mouseClick(&menuOfTopic->Label3(TopicMenu::Entry::KeyFacts), Qt::LeftButton);
    return *Screens::find<teacher>();
}

} // namespace

class TestReading : public QObject {
    Q_OBJECT
private slots:
    void viewerPaging();
    void viewerPrintsThePrintCopy();
    void singlePageDocument();
    void missingPageKeepsTheViewerWorking();
    void acknowledgementsAnimateOnAcrossOpenings();
    void guidePaging();
    void guidePrintsThePrintCopy();
    void printingFailureIsReported();
    void metafilePageAtItsOwnSize();
};

void TestReading::viewerPaging() {
    AppFixture app;
    writeDocument(app.content, "key rich", 2);
    teacher& viewer = openKeyFacts("rich");
    QVERIFY(viewer.isVisible());
    QCOMPARE(viewer.pageStem(), QStringLiteral("key rich"));
    QCOMPARE(viewer.Label1->Caption(), QStringLiteral("Page 1 of 2"));
    QVERIFY(!viewer.Label3(PageScreen::Button::PreviousPage).isEnabled());
    QVERIFY(viewer.Label3(PageScreen::Button::NextPage).isEnabled());
    QCOMPARE(viewer.Image1->picture().source(), QStringLiteral("wmf\\key richa.wmf"));
    QCOMPARE(viewer.Image1->geometry(), QRect(8, 0, 600, 400));

    QTest::mouseClick(&viewer.Label3(PageScreen::Button::NextPage), Qt::LeftButton);
    QCOMPARE(viewer.Label1->Caption(), QStringLiteral("Page 2 of 2"));
    QCOMPARE(viewer.Image1->picture().source(), QStringLiteral("wmf\\key richb.wmf"));
    QCOMPARE(viewer.Image2->picture().source(), QStringLiteral("wmf2\\key richb.wmf"));
    QVERIFY(viewer.Label3(PageScreen::Button::PreviousPage).isEnabled());
    QVERIFY(!viewer.Label3(PageScreen::Button::NextPage).isEnabled());

    QTest::mouseClick(&viewer.Label3(PageScreen::Button::PreviousPage), Qt::LeftButton);
    QCOMPARE(viewer.Label1->Caption(), QStringLiteral("Page 1 of 2"));
    QVERIFY(!viewer.Label3(PageScreen::Button::PreviousPage).isEnabled());
    QVERIFY(viewer.Label3(PageScreen::Button::NextPage).isEnabled());

    QTest::mouseClick(&viewer.Label3(PageScreen::Button::Exit), Qt::LeftButton);
    QCOMPARE(Screens::find<teacher>(), nullptr);
    QVERIFY(Screens::find<TopicMenu>(QStringLiteral("rich"))->isVisible());
}

void TestReading::viewerPrintsThePrintCopy() {
    AppFixture app;
    writeDocument(app.content, "introduction", 2);
    recordPrints();
    intro0& menu = Screens::open<intro0>();
    QTest::mouseClick(&menu.Label2(intro0::Entry::Orvelles), Qt::LeftButton);
    QTest::mouseClick(
        &Screens::find<TopicMenu>(QStringLiteral("orvelles"))->Label3(TopicMenu::Entry::Notes),
        Qt::LeftButton);
    teacher& viewer = *Screens::find<teacher>();
    QTest::mouseClick(&viewer.Label3(PageScreen::Button::NextPage), Qt::LeftButton);
    QTest::mouseClick(&viewer.Label3(PageScreen::Button::Print), Qt::LeftButton);
    QCOMPARE(printed, QStringList({"printLine ||", "drawPicture wmf2\\introductionb.wmf 1000 1000",
                                   "endDocument"}));
    QVERIFY(app.messages->texts.isEmpty());
    QVERIFY(app.sound->played.size() == 2); // the two menu clicks; the viewer is silent
}

void TestReading::singlePageDocument() {
    AppFixture app;
    teacher& viewer =
        teacher::openPages(QStringLiteral("key rich"), 1, QStringLiteral("Key Facts"));
    QVERIFY(!viewer.Label1->Visible());
    QVERIFY(!viewer.Label3(PageScreen::Button::NextPage).Visible());
    QVERIFY(!viewer.Label3(PageScreen::Button::PreviousPage).Visible());
    QCOMPARE(viewer.pageNumber(), 1);
}

void TestReading::missingPageKeepsTheViewerWorking() {
    AppFixture app;
    teacher& viewer = openKeyFacts("orvelles");
    QVERIFY(viewer.missingPage->Visible());
    QCOMPARE(viewer.missingPage->Caption(), QStringLiteral("This page could not be found."));
    QVERIFY(viewer.Image1->picture().isNull());
    QTest::mouseClick(&viewer.Label3(PageScreen::Button::NextPage), Qt::LeftButton);
    QCOMPARE(viewer.Label1->Caption(), QStringLiteral("Page 2 of 2"));
    QTest::mouseClick(&viewer.Label3(PageScreen::Button::Print), Qt::LeftButton);
    QCOMPARE(app.messages->texts, QStringList{"There was a problem printing to your printer."});
}

void TestReading::acknowledgementsAnimateOnAcrossOpenings() {
    AppFixture app;
    writePage(app.content, "wmf/acknowledgments.wmf");
    // Each frame of the logo is as many pixels wide as its number plus one.
    for (int n = 0; n < 20; ++n)
        writePage(app.content, QString("logo/quen%1.gif").arg(n, 4, 10, QLatin1Char('0')), n + 1);
    intro0& menu = Screens::open<intro0>();
    QTest::mouseClick(&menu.Label2(intro0::Entry::Acknowledgements), Qt::LeftButton);
    teacher& viewer = *Screens::find<teacher>();
    QCOMPARE(viewer.BackColor(), Colours::acknowledgements);
    QVERIFY(!viewer.Label1->Visible());
    QVERIFY(!viewer.Label3(PageScreen::Button::NextPage).Visible() &&
            !viewer.Label3(PageScreen::Button::PreviousPage).Visible());
    QVERIFY(viewer.Label3(PageScreen::Button::Print).Visible() &&
            viewer.Label3(PageScreen::Button::Exit).Visible());
    QTRY_VERIFY(viewer.Picture1->Visible() && viewer.Picture2->Visible());
    QTest::mouseClick(&viewer.Label3(PageScreen::Button::Exit), Qt::LeftButton);
    const int stoppedAt = Module1::state.run.LogoFrame;
    QVERIFY(stoppedAt >= 1);
    QTest::qWait(60);
    QCOMPARE(Module1::state.run.LogoFrame, stoppedAt);
    QTest::mouseClick(&menu.Label2(intro0::Entry::Acknowledgements), Qt::LeftButton);
    teacher& again = *Screens::find<teacher>();
    QVERIFY(again.Timer1->Enabled());
    QCOMPARE(Module1::state.run.LogoFrame, stoppedAt);
    // The first tick of the new opening shows the frame after the one it stopped at.
    again.Timer1->tick();
    const int next = (stoppedAt + 1) % 20;
    QCOMPARE(Module1::state.run.LogoFrame, next);
    const Picture expected =
        Picture::load(QStringLiteral("logo\\quen%1.gif").arg(next, 4, 10, QLatin1Char('0')));
    QVERIFY(!again.Picture1->picture().isNull());
    QCOMPARE(again.Picture1->picture().sizeTwips(), expected.sizeTwips());
}

void TestReading::guidePaging() {
    AppFixture app;
    for (int p = 1; p <= 4; ++p) {
        writePage(app.content, QString("wmf/guide%1.wmf").arg(p));
        writePage(app.content, QString("wmf2/guide%1.wmf").arg(p));
    }
    intro0& menu = Screens::open<intro0>();
    QTest::mouseClick(&menu.Label2(intro0::Entry::Guide), Qt::LeftButton);
    guide& pages = *Screens::find<guide>();
    QCOMPARE(pages.pageNumber(), 1);
    QCOMPARE(pages.Image1->picture().source(), QStringLiteral("wmf\\guide1.wmf"));
    const QList<bool> nextEnabled{true, true, true, false};
    for (int p = 1; p <= 4; ++p) {
        QCOMPARE(pages.Label1->Caption(), QString("Page %1 of 4").arg(p));
        QCOMPARE(pages.Label3(PageScreen::Button::NextPage).isEnabled(), nextEnabled[p - 1]);
        QCOMPARE(pages.Label3(PageScreen::Button::PreviousPage).isEnabled(), p != 1);
        // One double-click is one click: it turns one page, not two.
        if (p == 1)
            doubleClick(&pages.Label3(PageScreen::Button::NextPage));
        else if (p < 4)
            QTest::mouseClick(&pages.Label3(PageScreen::Button::NextPage), Qt::LeftButton);
    }
    QCOMPARE(pages.Image2->picture().source(), QStringLiteral("wmf2\\guide4.wmf"));
    for (int p = 3; p >= 1; --p) {
        QTest::mouseClick(&pages.Label3(PageScreen::Button::PreviousPage), Qt::LeftButton);
        QCOMPARE(pages.Label1->Caption(), QString("Page %1 of 4").arg(p));
    }
    QVERIFY(!pages.Label3(PageScreen::Button::PreviousPage).isEnabled());
}

void TestReading::guidePrintsThePrintCopy() {
    AppFixture app;
    for (int p = 1; p <= 3; ++p)
        writePage(app.content, QString("wmf2/guide%1.wmf").arg(p));
    recordPrints();
    intro0& menu = Screens::open<intro0>();
    QTest::mouseClick(&menu.Label2(intro0::Entry::Guide), Qt::LeftButton);
    guide& pages = *Screens::find<guide>();
    QTest::mouseClick(&pages.Label3(PageScreen::Button::NextPage), Qt::LeftButton);
    QTest::mouseClick(&pages.Label3(PageScreen::Button::NextPage), Qt::LeftButton);
    QTest::mouseClick(&pages.Label3(PageScreen::Button::Print), Qt::LeftButton);
    QCOMPARE(printed.value(1), QStringLiteral("drawPicture wmf2\\guide3.wmf 1000 1000"));
}

void TestReading::printingFailureIsReported() {
    AppFixture app;
    writeDocument(app.content, "key introduction", 1);
    for (int step = 1; step <= 3; ++step) {
        recordPrints(step);
        teacher& viewer = Screens::touch<teacher>();
        viewer.showPage("wmf\\key introductiona.wmf", "wmf2\\key introductiona.wmf");
        app.messages->texts.clear();
        QTest::mouseClick(&viewer.Label3(PageScreen::Button::Print), Qt::LeftButton);
        QCOMPARE(app.messages->texts, QStringList{"There was a problem printing to your printer."});
        QCOMPARE(printed.size(), step - 1);
    }
}

void TestReading::metafilePageAtItsOwnSize() {
    QFile sample(QStringLiteral(ORVELLES_WMF_CORPUS "/wmfpreview--tucan.wmf"));
    if (!sample.open(QIODevice::ReadOnly))
        QSKIP("the shared metafile corpus (ORVELLES_WMF_CORPUS) is not beside the project");
    AppFixture app;
    const QByteArray bytes = sample.readAll();
    app.content.write("WMF/Key Richa.wmf", bytes);
    app.content.write("wmf2/key richa.wmf", bytes);
    teacher& viewer = openKeyFacts("rich");
    QVERIFY(viewer.Image1->picture().isMetafile());
    QVERIFY(!viewer.missingPage->Visible());
    QCOMPARE(viewer.Image1->geometry(), QRect(8, 0, 398, 530));
    QImage shown = viewer.grab(viewer.Image1->geometry()).toImage();
    QVERIFY(shown.pixelColor(200, 265) != QColor(Colours::background));
}

QTEST_MAIN(TestReading)
#include "tst_reading.moc"
