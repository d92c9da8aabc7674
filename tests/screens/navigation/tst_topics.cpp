#include "app/Screens.h"
#include "formats/Errors.h"
#include "screens/activities/board/DragBoard.h"
#include "screens/activities/multiple.h"
#include "screens/navigation/TopicMenu.h"
#include "screens/navigation/intro0.h"
#include "screens/reading/teacher.h"
#include "support/AppFixture.h"

#include <QRegularExpression>
#include <QTest>

namespace {

// A greyed entry no topic of the project fills.
constexpr int CraftsEntry = 6;

QByteArray projectTopic(const QString& id) {
    QFile file(QStringLiteral(ORVELLES_SOURCE_DIR "/content/topics/") + id +
               QStringLiteral("/topic.json"));
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

// The Rich and Poor description with one text replaced, as a teacher copying it might leave it.
QByteArray richWith(const QByteArray& from, const QByteArray& to) {
    QByteArray json = projectTopic(QStringLiteral("rich"));
    if (!json.contains(from))
        qFatal("the description has no %s", from.constData());
    return json.replace(from, to);
}

void click(QWidget& control) {
    QTest::mouseClick(&control, Qt::LeftButton);
}

} // namespace

class TestTopics : public QObject {
    Q_OBJECT
private slots:
    void copiedTopicFillsItsEntry();
    void faultyDescriptionNamesTheField_data();
    void faultyDescriptionNamesTheField();
    void unreadableFolderIsLeftOut_data();
    void unreadableFolderIsLeftOut();
    void placeWordsFromTheLayout_data();
    void placeWordsFromTheLayout();
};

// Another topic from a copy of a folder, with nothing but a new title: its greyed entry comes
// alive and leads to a menu whose quiz, boards and pages work.
void TestTopics::copiedTopicFillsItsEntry() {
    AppFixture app;
    app.content.copyProjectContent();
    app.content.write(QStringLiteral("topics/crafts/topic.json"),
                      richWith("\"Rich and Poor\"", "\"Crafts and Trades\""));
    intro0& menu = Screens::open<intro0>();
    QVERIFY(menu.Label2(CraftsEntry).isEnabled());
    QVERIFY(menu.Label2(intro0::Entry::Rich).isEnabled());
    QVERIFY(!menu.Label2(CraftsEntry + 2).isEnabled());

    click(menu.Label2(CraftsEntry));
    TopicMenu* topic = Screens::find<TopicMenu>(QStringLiteral("crafts"));
    QVERIFY(topic && topic->isVisible());
    QCOMPARE(topic->Label1->Caption(), QStringLiteral("Crafts and Trades"));
    QVERIFY(!topic->Image1->picture().isNull());

    click(topic->Label3(TopicMenu::Entry::Quiz));
    multiple* quiz = Screens::find<multiple>();
    QVERIFY(quiz && quiz->isVisible());
    QCOMPARE(quiz->Label6->Caption(), QStringLiteral("Rich and Poor"));
    QVERIFY(!quiz->Label2->Caption().isEmpty());
    Screens::unload(*quiz);

    click(topic->Label3(TopicMenu::Entry::Labelling));
    DragBoard* board = Screens::find<DragBoard>(QStringLiteral("craftslab"));
    QVERIFY(board && board->isVisible());
    QCOMPARE(board->Label6->Caption(), QStringLiteral("Crafts and Trades"));
    QCOMPARE(board->Label2(1).Caption(), QStringLiteral("Rich Man"));
    QVERIFY(!board->Image1(0).picture().isNull());
    // The rich topic's board is another screen, still unopened.
    QVERIFY(!Screens::find<DragBoard>(QStringLiteral("richlab")));

    click(topic->Label3(TopicMenu::Entry::Ordering));
    DragBoard* ordering = Screens::find<DragBoard>(QStringLiteral("craftsord"));
    QVERIFY(ordering && ordering->isVisible());
    QCOMPARE(ordering->rules().count(), 8);

    click(topic->Label3(TopicMenu::Entry::KeyFacts));
    teacher* pages = Screens::find<teacher>();
    QVERIFY(pages && pages->isVisible());
    QVERIFY(!pages->Image1->picture().isNull());
    QVERIFY(!pages->missingPage->isVisible());
}

void TestTopics::faultyDescriptionNamesTheField_data() {
    QTest::addColumn<QByteArray>("from");
    QTest::addColumn<QByteArray>("to");
    QTest::addColumn<QString>("named");
    QTest::newRow("no JSON") << QByteArray("{") << QByteArray("[") << "not JSON";
    QTest::newRow("title a number")
        << QByteArray("\"Rich and Poor\"") << QByteArray("7") << "title: expected a text";
    QTest::newRow("file outside") << QByteArray("\"Images\\\\richpoor.jpg\", \"pictureTop\"")
                                  << QByteArray("\"..\\\\..\\\\etc\\\\passwd\", \"pictureTop\"")
                                  << "menu.picture: expected a file name inside";
    QTest::newRow("box of one number")
        << QByteArray("\"box\": [6600, 6120]") << QByteArray("\"box\": [6600]")
        << "labelling.labels[0].box: expected 2 to 2 entries";
    QTest::newRow("place far off")
        << QByteArray("[0, 120, 4425, 705]") << QByteArray("[0, 120, 4425, 1e9]")
        << "labelling.title.place[3]: expected a number";
    QTest::newRow("columns disagree")
        << QByteArray("\"All children went to school\", \"true\": false")
        << QByteArray("\"All children went to school\", \"true\": true")
        << "ordering.labels[1].true: expected the first half";
    QTest::newRow("colour") << QByteArray("\"#80ffff\"") << QByteArray("\"cyan\"")
                            << "labelling.texts[0].colour: expected a colour";
    QTest::newRow("page in a folder")
        << QByteArray("\"key rich\"") << QByteArray("\"wmf\\\\key rich\"")
        << "pages.keyFacts: expected a page name without a folder";
}

void TestTopics::faultyDescriptionNamesTheField() {
    QFETCH(QByteArray, from);
    QFETCH(QByteArray, to);
    QFETCH(QString, named);
    try {
        TopicDescription::parse(richWith(from, to), QStringLiteral("rich"));
        QFAIL("a faulty description was read");
    } catch (const FormatError& e) {
        QVERIFY2(QString::fromUtf8(e.what()).contains(named), e.what());
    }
}

// Whatever is wrong with a folder, the program starts, its entry stays greyed and the log says
// why; the other topics are unharmed.
void TestTopics::unreadableFolderIsLeftOut_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<QString>("logged");
    const QByteArray crafts = richWith("\"Rich and Poor\"", "\"Crafts and Trades\"");
    QTest::newRow("damaged") << "topics/crafts/topic.json" << crafts.left(crafts.size() / 2)
                             << "crafts.topic.json: topic.json: not JSON";
    QTest::newRow("no description")
        << "topics/crafts/notes.txt" << QByteArray("x") << "crafts.topic.json: .*No such file";
    QTest::newRow("title on no entry")
        << "topics/crafts/topic.json" << richWith("\"Rich and Poor\"", "\"Sailing\"")
        << "no topic called \"Sailing\"";
    QTest::newRow("title twice") << "topics/zrich/topic.json" << projectTopic("rich")
                                 << "\"Rich and Poor\" is described twice; the folder \"rich\"";
    QTest::newRow("folder name") << "topics/Crafts/topic.json" << crafts
                                 << "Crafts.topic.json: Crafts: a topic's folder is named";
}

void TestTopics::unreadableFolderIsLeftOut() {
    QFETCH(QString, file);
    QFETCH(QByteArray, json);
    QFETCH(QString, logged);
    AppFixture app;
    app.content.write(file, json);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("left out: .*") + logged));
    intro0& menu = Screens::open<intro0>();
    QVERIFY(!menu.Label2(CraftsEntry).isEnabled());
    QVERIFY(menu.Label2(intro0::Entry::Rich).isEnabled());
    QVERIFY(menu.Label2(intro0::Entry::Orvelles).isEnabled());
    click(menu.Label2(intro0::Entry::Rich));
    QCOMPARE(Screens::find<TopicMenu>(QStringLiteral("rich"))->Label1->Caption(),
             QStringLiteral("Rich and Poor"));
}

void TestTopics::placeWordsFromTheLayout_data() {
    QTest::addColumn<bool>("ordering");
    QTest::addColumn<bool>("withWords");
    QTest::addColumn<int>("label");
    QTest::addColumn<QString>("where");
    // The labelling boxes stand a little higher or lower, but side by side.
    QTest::newRow("one row, first") << false << false << 0 << "first from the left";
    QTest::newRow("one row, third") << false << false << 3 << "third from the left";
    QTest::newRow("three rows, top") << true << false << 1 << "row 1, first from the left";
    QTest::newRow("three rows, middle") << true << false << 0 << "row 2, first from the left";
    QTest::newRow("three rows, bottom") << true << false << 2 << "row 3, third from the left";
    QTest::newRow("the topic's own words") << false << true << 1 << "under the lady in purple";
}

void TestTopics::placeWordsFromTheLayout() {
    QFETCH(bool, ordering);
    QFETCH(bool, withWords);
    QFETCH(int, label);
    QFETCH(QString, where);
    QString json = QString::fromUtf8(projectTopic(QStringLiteral("orvelles")));
    if (!withWords)
        json.remove(QRegularExpression(QStringLiteral("\"where\": \"[^\"]*\",")));
    const Topic topic = TopicDescription::parse(json.toUtf8(), QStringLiteral("orvelles"));
    QCOMPARE((ordering ? topic.ordering : topic.labelling).labels[label].where, where);
}

QTEST_MAIN(TestTopics)
#include "tst_topics.moc"
