#include "app/Screens.h"
#include "screens/activities/multiple.h"
#include "screens/navigation/TopicMenu.h"
#include "screens/navigation/intro0.h"
#include "screens/reading/teacher.h"
#include "support/AppFixture.h"
#include "support/Worksheets.h"

#include <QBuffer>
#include <QImage>
#include <QTest>

namespace {

const QString click = QStringLiteral("wav\\click.wav");

QByteArray jpeg(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::red);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPG");
    return bytes;
}

TopicMenu& openTopic(const QString& which) {
    intro0& menu = Screens::open<intro0>();
    QTest::mouseClick(&menu.Label2(which == "rich" ? intro0::Entry::Rich : intro0::Entry::Orvelles),
                      Qt::LeftButton);
    if (which == "rich")
        return *Screens::find<TopicMenu>(QStringLiteral("rich"));
    return *Screens::find<TopicMenu>(QStringLiteral("orvelles"));
}

} // namespace

class TestTopicMenu : public QObject {
    Q_OBJECT
private slots:
    void topics_data();
    void topics();
    void quizOpensWithTheTopicsWorksheet_data();
    void quizOpensWithTheTopicsWorksheet();
    void quizReadsTheFileAfresh();
    void brokenWorksheetKeepsTheQuizClosed_data();
    void brokenWorksheetKeepsTheQuizClosed();
    void pagesGetTheirStem_data();
    void pagesGetTheirStem();
    void exitBringsTheMainMenuForward();
};

void TestTopicMenu::topics_data() {
    QTest::addColumn<QString>("which");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("picture");
    QTest::addColumn<int>("top");
    QTest::newRow("orvelles") << "orvelles"
                              << "The Orvelles"
                              << "images/orvelles.jpg" << 54;
    QTest::newRow("rich") << "rich"
                          << "Rich and Poor"
                          << "images/richpoor.jpg" << 72;
}

void TestTopicMenu::topics() {
    QFETCH(QString, which);
    QFETCH(QString, title);
    QFETCH(QString, picture);
    QFETCH(int, top);
    AppFixture app;
    app.content.write(picture, jpeg(600, 300));
    TopicMenu& topic = openTopic(which);
    QVERIFY(topic.isVisible());
    QCOMPARE(topic.objectName(), which);
    QCOMPARE(topic.Label1->Caption(), title);
    QCOMPARE(topic.Image1->geometry(), QRect(100, top, 600, 300));
    QCOMPARE(topic.Image1->Left(), 1500.0);
    QCOMPARE(topic.Label3(TopicMenu::Entry::Quiz).Caption(), QStringLiteral("Multiple Choice"));
    QCOMPARE(topic.Label3(TopicMenu::Entry::Notes).Caption(), QStringLiteral("Teacher's Notes"));
    QCOMPARE(app.sound->played, QStringList{click});
}

void TestTopicMenu::quizOpensWithTheTopicsWorksheet_data() {
    QTest::addColumn<QString>("which");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("smallPicture");
    QTest::newRow("orvelles") << "orvelles"
                              << "multiple/Introduction.txt"
                              << "images/orvellessm.jpg";
    QTest::newRow("rich") << "rich"
                          << "multiple/Rich and Poor.txt"
                          << "images/richandpoorsm.jpg";
}

void TestTopicMenu::quizOpensWithTheTopicsWorksheet() {
    QFETCH(QString, which);
    QFETCH(QString, file);
    QFETCH(QString, smallPicture);
    AppFixture app;
    app.content.write(file, sampleQuestionFile(which + " sheet"));
    app.content.write(smallPicture, jpeg(273, 169));
    TopicMenu& topic = openTopic(which);
    QTest::mouseClick(&topic.Label3(TopicMenu::Entry::Quiz), Qt::LeftButton);
    multiple* quiz = Screens::find<multiple>();
    QVERIFY(quiz && quiz->isVisible());
    QCOMPARE(quiz->Label5->Caption(), QStringLiteral("The Orvelles"));
    QCOMPARE(quiz->Label6->Caption(), which + " sheet");
    QCOMPARE(quiz->Label2->Caption(), QStringLiteral("Question text 1"));
    QVERIFY(!quiz->Picture1->picture().isNull());
    QVERIFY(topic.isVisible());
}

void TestTopicMenu::quizReadsTheFileAfresh() {
    AppFixture app;
    app.content.write("multiple/Introduction.txt", sampleQuestionFile("First"));
    TopicMenu& topic = openTopic("orvelles");
    QTest::mouseClick(&topic.Label3(TopicMenu::Entry::Quiz), Qt::LeftButton);
    QTest::mouseClick(&Screens::find<multiple>()->Label3(multiple::Button::Exit), Qt::LeftButton);
    app.content.write("multiple/Introduction.txt", sampleQuestionFile("Second"));
    QTest::mouseClick(&topic.Label3(TopicMenu::Entry::Quiz), Qt::LeftButton);
    QCOMPARE(Screens::find<multiple>()->Label6->Caption(), QStringLiteral("Second"));
}

void TestTopicMenu::brokenWorksheetKeepsTheQuizClosed_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("missing") << QByteArray("-");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("71 lines") << sampleQuestionFile("Short").chopped(3);
}

void TestTopicMenu::brokenWorksheetKeepsTheQuizClosed() {
    QFETCH(QByteArray, bytes);
    AppFixture app;
    if (bytes != "-")
        app.content.write("multiple/Introduction.txt", bytes);
    TopicMenu& topic = openTopic("orvelles");
    app.sound->played.clear();
    QTest::mouseClick(&topic.Label3(TopicMenu::Entry::Quiz), Qt::LeftButton);
    QCOMPARE(Screens::find<multiple>(), nullptr);
    QCOMPARE(app.messages->texts, QStringList{"This worksheet seems to be corrupted."});
    QCOMPARE(app.messages->shown.first().caption, QStringLiteral("The Orvelles"));
    QCOMPARE(app.sound->played, QStringList{click});
}

void TestTopicMenu::pagesGetTheirStem_data() {
    QTest::addColumn<QString>("which");
    QTest::addColumn<int>("entry");
    QTest::addColumn<QString>("stem");
    const int keyFacts = TopicMenu::Entry::KeyFacts, notes = TopicMenu::Entry::Notes;
    QTest::newRow("orvelles key facts") << "orvelles" << keyFacts << "key introduction";
    QTest::newRow("orvelles notes") << "orvelles" << notes << "introduction";
    QTest::newRow("rich key facts") << "rich" << keyFacts << "key rich";
    QTest::newRow("rich notes") << "rich" << notes << "rich";
}

void TestTopicMenu::pagesGetTheirStem() {
    QFETCH(QString, which);
    QFETCH(int, entry);
    QFETCH(QString, stem);
    AppFixture app;
    TopicMenu& topic = openTopic(which);
    QTest::mouseClick(&topic.Label3(entry), Qt::LeftButton);
    const teacher* viewer = Screens::find<teacher>();
    QVERIFY(viewer);
    QCOMPARE(viewer->pageStem(), stem);
    QCOMPARE(viewer->pageCount(), 2);
}

void TestTopicMenu::exitBringsTheMainMenuForward() {
    AppFixture app;
    TopicMenu& topic = openTopic("rich");
    app.sound->played.clear();
    QTest::mouseClick(&topic.Label3(TopicMenu::Entry::Exit), Qt::LeftButton);
    QCOMPARE(Screens::find<TopicMenu>(QStringLiteral("rich")), nullptr);
    QVERIFY(Screens::find<intro0>()->isVisible());
    QCOMPARE(app.sound->played, QStringList{click});
}

QTEST_MAIN(TestTopicMenu)
#include "tst_topicmenu.moc"
