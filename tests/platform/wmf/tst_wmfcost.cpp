// Pages built to cost too much: drawing work, region unions and clips stay bounded.
#include "WmfBuilder.h"
#include "WmfTestSupport.h"
#include "platform/wmf/WmfPicture.h"

#include <QGuiApplication>
#include <QTest>

namespace {

WmfBuilder page() {
    WmfBuilder b;
    b.placeable(QRect(0, 0, 704, 528), 96);
    return b;
}

// Every edge crosses the whole page, and most cross one another.
QByteArray zigzag(int count) {
    QList<QPoint> points;
    for (int i = 0; i < count; ++i)
        points.append(QPoint((i * 7919) % 704, i % 2 ? 0 : 528));
    return page()
        .brush(0, qRgb(200, 0, 0))
        .select(0)
        .points(WmfRecordType::Polygon, points)
        .build();
}

QByteArray rectangles(int count) {
    WmfBuilder b = page();
    for (int i = 0; i < count; ++i)
        b.rectangle(i % 700, i % 520, i % 700 + 4, i % 520 + 4);
    return b.build();
}

// Crossing columns and rows: as a union, about a million rectangles.
QByteArray crossingRegion() {
    QByteArray p;
    for (int w : {0, 6, 0, 0, 0, 4096, 1, 0, 0, 4096, 4096})
        WmfBuilder::appendWord(p, w);
    for (int i = 0; i < 4096; ++i) {
        const int at = (i / 2) * 2;
        const QRect r = i % 2 ? QRect(at, 0, 1, 4096) : QRect(0, at, 4096, 1);
        for (int w : {2, r.top(), r.bottom() + 1, r.left(), r.right() + 1, 2})
            WmfBuilder::appendWord(p, w);
    }
    return p;
}

QByteArray twoBands() {
    QByteArray p;
    for (int w : {0, 6, 0, 0, 0, 2, 4, 0, 0, 300, 300})
        WmfBuilder::appendWord(p, w);
    for (int w : {4, 0, 100, 0, 100, 200, 300, 4, 2, 200, 300, 50, 250, 2})
        WmfBuilder::appendWord(p, w);
    return p;
}

} // namespace

class TestWmfCost : public QObject {
    Q_OBJECT
private slots:
    void costlyPageIsNotShown_data();
    void costlyPageIsNotShown();
    void regionUnionIsBounded();
    void reselectedRegionKeepsItsClip();
};

void TestWmfCost::costlyPageIsNotShown_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("shown");
    QTest::newRow("plain polygon") << zigzag(4) << true;
    QTest::newRow("polygon of 1,024 crossing edges") << zigzag(1024) << false;
    QTest::newRow("200,000 small rectangles") << rectangles(200'000) << false;
}

void TestWmfCost::costlyPageIsNotShown() {
    QFETCH(QByteArray, bytes);
    QFETCH(bool, shown);
    const WmfPicture picture = WmfPicture::fromData(bytes);
    QCOMPARE(!picture.isNull(), shown);
    QCOMPARE(picture.parseResult().tooCostly, !shown);
}

void TestWmfCost::regionUnionIsBounded() {
    const auto played = WmfTest::play(page()
                                          .bytes(WmfRecordType::CreateRegion, crossingRegion())
                                          .select(0)
                                          .rectangle(0, 0, 9, 9)
                                          .build());
    const auto clips = WmfTest::only<WmfCommand::SetClip>(played.commands);
    QCOMPARE(clips.size(), 1);
    QVERIFY(clips[0].clip);
    QVERIFY(clips[0].clip->elementCount() <= 5 * 4096);
}

void TestWmfCost::reselectedRegionKeepsItsClip() {
    WmfBuilder b = page();
    b.bytes(WmfRecordType::CreateRegion, twoBands());
    for (int i = 0; i < 50; ++i)
        b.record(WmfRecordType::SelectClipRegion, {0}).rectangle(0, 0, 700, 500);
    const auto played = WmfTest::play(b.build());
    QCOMPARE(WmfTest::only<WmfCommand::Rect>(played.commands).size(), 50);
    const auto clips = WmfTest::only<WmfCommand::SetClip>(played.commands);
    QCOMPARE(clips.size(), 1);
    QCOMPARE(clips[0].clip->boundingRect().toAlignedRect(), QRect(0, 0, 300, 300));
}

QTEST_MAIN(TestWmfCost)
#include "tst_wmfcost.moc"
