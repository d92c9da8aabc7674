#include "screens/activities/board/BoardLayouts.h"
#include "screens/activities/board/BoardRules.h"
#include "support/ProjectTopics.h"

#include <QTest>

using namespace Board;

Q_DECLARE_METATYPE(Board::BoxRef)

namespace {

Layout layoutNamed(const QString& name) {
    return BoardLayouts::layoutOf(ProjectTopics::board(name));
}

// Drops label `index` a little inside the top-left corner of target box `box`.
void dropInto(BoardRules& rules, int index, int box) {
    const Box into = rules.target(box);
    rules.placeLabel(index, {into.left + 10, into.top + 10});
    QCOMPARE(rules.drop(index), (std::vector<BoxRef>{{BoxKind::Target, box}}));
}

// Home 0 lies under target 0, and target 1 beside home 0, so their windows overlap.
Layout overlapping() {
    return {1000, 400, {{0, 0}, {900, 500}}, {{0, 500}, {5000, 5000}}, Scoring::OwnBox};
}

} // namespace

class TestBoardRules : public QObject {
    Q_OBJECT
private slots:
    void catchWindowEnds_data();
    void catchWindowEnds();
    void firstBoxInOrderTakesTheLabel_data();
    void firstBoxInOrderTakesTheLabel();
    void aCatchIsTestedAgainFromTheNewPlace();
    void onlyTheLeftButtonAloneDrags_data();
    void onlyTheLeftButtonAloneDrags();
    void checkScoreAppearsWithAsManyPairsAsLabels();
    void scoring_data();
    void scoring();
};

void TestBoardRules::catchWindowEnds_data() {
    QTest::addColumn<QString>("screen");
    QTest::addColumn<BoxRef>("box");
    QTest::addColumn<QString>("edge");
    QTest::addColumn<float>("offset");
    QTest::addColumn<bool>("caught");
    const QList<QPair<QString, BoxRef>> boxes{{"orvelleslab", {BoxKind::Target, 0}},
                                              {"richlab", {BoxKind::Home, 2}},
                                              {"orvellesord", {BoxKind::Target, 6}},
                                              {"richord", {BoxKind::Target, 1}}};
    for (const auto& [screen, box] : boxes) {
        for (const QString edge : {"left", "top"}) {
            QTest::addRow("%s %s on the end", qPrintable(screen), qPrintable(edge))
                << screen << box << edge << 0.0f << false;
            QTest::addRow("%s %s inside", qPrintable(screen), qPrintable(edge))
                << screen << box << edge << 0.5f << true;
        }
        for (const QString edge : {"right", "bottom"}) {
            QTest::addRow("%s %s on the end", qPrintable(screen), qPrintable(edge))
                << screen << box << edge << 0.0f << false;
            QTest::addRow("%s %s inside", qPrintable(screen), qPrintable(edge))
                << screen << box << edge << -0.5f << true;
        }
    }
}

// The ends come from the box's own size: half a box to the left and above, a whole box to
// the right and below, none of them included.
void TestBoardRules::catchWindowEnds() {
    QFETCH(QString, screen);
    QFETCH(BoxRef, box);
    QFETCH(QString, edge);
    QFETCH(float, offset);
    QFETCH(bool, caught);
    const BoardRules rules(layoutNamed(screen));
    const Box b = rules.box(box);
    float x = b.left + 1;
    float y = b.top + 1;
    if (edge == "left")
        x = b.left - b.width / 2 + offset;
    else if (edge == "right")
        x = b.left + b.width + offset;
    else if (edge == "top")
        y = b.top - b.height / 2 + offset;
    else
        y = b.top + b.height + offset;
    QCOMPARE(BoardRules::catches(b, x, y), caught);
}

void TestBoardRules::firstBoxInOrderTakesTheLabel_data() {
    QTest::addColumn<QString>("screen");
    QTest::addColumn<Place>("at");
    QTest::addColumn<BoxRef>("box");
    // richord boxes 2 and 4 share a row; between 3277.5 and 5805 both windows hold a label.
    QTest::newRow("in both: box 2 first")
        << "richord" << Place{4000, 2520} << BoxRef{BoxKind::Target, 2};
    QTest::newRow("on box 2's end: box 4")
        << "richord" << Place{3277.5, 2400} << BoxRef{BoxKind::Target, 4};
    QTest::newRow("on box 4's end: box 2")
        << "richord" << Place{5805, 2600} << BoxRef{BoxKind::Target, 2};
    QTest::newRow("home 0 before target 1") << "" << Place{700, 400} << BoxRef{BoxKind::Home, 0};
    QTest::newRow("target 0 before home 0") << "" << Place{100, 300} << BoxRef{BoxKind::Target, 0};
}

void TestBoardRules::firstBoxInOrderTakesTheLabel() {
    QFETCH(QString, screen);
    QFETCH(Place, at);
    QFETCH(BoxRef, box);
    BoardRules rules(screen.isEmpty() ? overlapping() : layoutNamed(screen));
    rules.placeLabel(0, at);
    QCOMPARE(rules.drop(0), std::vector<BoxRef>{box});
    QVERIFY(rules.standsIn(0, rules.box(box)));
}

void TestBoardRules::aCatchIsTestedAgainFromTheNewPlace() {
    // Target 0 at 0, 0 lies in the window of home 0; the label jumps twice.
    BoardRules rules({1000, 400, {{0, 0}}, {{400, 150}}, Scoring::OwnBox});
    rules.placeLabel(0, {-400, -100});
    QCOMPARE(rules.drop(0), (std::vector<BoxRef>{{BoxKind::Target, 0}, {BoxKind::Home, 0}}));
    QVERIFY(rules.standsIn(0, rules.home(0)));

    // Nothing near: the label stays exactly where it was let go.
    rules.placeLabel(0, {5000.25f, -3000.75f});
    QVERIFY(rules.drop(0).empty());
    QCOMPARE(rules.label(0).left, 5000.25f);
    QCOMPARE(rules.label(0).top, -3000.75f);
}

void TestBoardRules::onlyTheLeftButtonAloneDrags_data() {
    QTest::addColumn<int>("button");
    QTest::addColumn<bool>("moves");
    QTest::newRow("left") << 1 << true;
    QTest::newRow("right") << 2 << false;
    QTest::newRow("middle") << 4 << false;
    QTest::newRow("left and right") << 3 << false;
    QTest::newRow("left and middle") << 5 << false;
    QTest::newRow("none") << 0 << false;
}

void TestBoardRules::onlyTheLeftButtonAloneDrags() {
    QFETCH(int, button);
    QFETCH(bool, moves);
    BoardRules rules(layoutNamed(QStringLiteral("orvelleslab")));
    QCOMPARE(rules.drag(0, button, 100, 50), moves);
    // The centre comes under the pointer: 5040 + 100 - 1845 / 2 and 7440 + 50 - 375 / 2.
    QCOMPARE(rules.label(0).left, moves ? 4217.5f : 5040.0f);
    QCOMPARE(rules.label(0).top, moves ? 7302.5f : 7440.0f);
}

void TestBoardRules::checkScoreAppearsWithAsManyPairsAsLabels() {
    BoardRules rules(layoutNamed(QStringLiteral("richord")));
    // Two false statements share box 0 and box 1 stays empty.
    for (int i = 0; i < 7; ++i)
        dropInto(rules, i, i == 1 ? 0 : i);
    QCOMPARE(rules.placedPairs(), 7);
    QVERIFY(!rules.checkScoreOffered());
    dropInto(rules, 7, 7);
    QCOMPARE(rules.placedPairs(), 8);
    QVERIFY(rules.checkScoreOffered());
    QCOMPARE(rules.score(), 8);

    // Dragging a label out again does not withdraw the button; starting again does.
    rules.placeLabel(3, {0, 0});
    QVERIFY(rules.drop(3).empty());
    QVERIFY(rules.checkScoreOffered());
    rules.startAgain();
    QVERIFY(!rules.checkScoreOffered());
    for (int i = 0; i < rules.count(); ++i)
        QVERIFY(rules.standsIn(i, rules.home(i)));
}

void TestBoardRules::scoring_data() {
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QList<int>>("boxOfLabel");
    QTest::addColumn<int>("score");
    QTest::newRow("orvelleslab all right") << "orvelleslab" << QList<int>{0, 1, 2, 3, 4} << 5;
    QTest::newRow("richlab all right") << "richlab" << QList<int>{0, 1, 2, 3} << 4;
    QTest::newRow("richlab two swapped") << "richlab" << QList<int>{1, 0, 2, 3} << 2;
    QTest::newRow("orvellesord all right")
        << "orvellesord" << QList<int>{0, 1, 2, 3, 4, 5, 6, 7, 8} << 9;
    QTest::newRow("orvellesord king and son swapped")
        << "orvellesord" << QList<int>{1, 0, 2, 3, 4, 5, 6, 7, 8} << 7;
    QTest::newRow("richord all right") << "richord" << QList<int>{0, 1, 2, 3, 4, 5, 6, 7} << 8;
    QTest::newRow("richord swapped within columns")
        << "richord" << QList<int>{3, 2, 0, 1, 7, 4, 5, 6} << 8;
    QTest::newRow("richord a true one in False")
        << "richord" << QList<int>{4, 1, 2, 3, 0, 5, 6, 7} << 6;
    QTest::newRow("richord not placed") << "richord" << QList<int>{-1, 1, 2, 3, 4, 5, 6, -1} << 6;
}

void TestBoardRules::scoring() {
    QFETCH(QString, screen);
    QFETCH(QList<int>, boxOfLabel);
    QFETCH(int, score);
    BoardRules rules(layoutNamed(screen));
    for (int i = 0; i < boxOfLabel.size(); ++i) {
        if (boxOfLabel[i] >= 0)
            dropInto(rules, i, boxOfLabel[i]);
    }
    QCOMPARE(rules.score(), score);
}

QTEST_APPLESS_MAIN(TestBoardRules)
#include "tst_boardrules.moc"
