// Pages built to cost too much: drawing work, region unions and clips stay bounded.
#include "WmfBuilder.h"
#include "WmfTestSupport.h"
#include "platform/wmf/WmfLimits.h"
#include "platform/wmf/WmfPicture.h"

#include <QImage>
#include <QPainter>

#include <QBuffer>
#include <QGuiApplication>
#include <QPdfWriter>
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

QByteArray zigzagWithPen(int count) {
    QList<QPoint> points;
    for (int i = 0; i < count; ++i)
        points.append(QPoint((i * 7919) % 704, i % 2 ? 0 : 528));
    return page()
        .pen(0, 1, qRgb(0, 0, 0))
        .select(0)
        .brush(0, qRgb(200, 0, 0))
        .select(1)
        .points(WmfRecordType::Polygon, points)
        .build();
}

// 3,000 long level edges zigzagging inside a band 15 pixels high: few cross a sampled scan line,
// but each touches hundreds of the rasterizer's cells on every row of the band.
QByteArray levelEdges() {
    QList<QPoint> points;
    for (int i = 0; i < 3000; ++i)
        points.append(QPoint(i % 2 ? 704 : 0, 100 + (i * 7) % 15));
    return page()
        .pen(5, 0, qRgb(0, 0, 0))
        .select(0)
        .brush(0, qRgb(200, 0, 0))
        .select(1)
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
    void paintedScaleStaysWithinWork_data();
    void paintedScaleStaysWithinWork();
    void pageTooCostlyForPaperIsStillDrawn();
    void paperGetsTheRecordsNotAPicture();
    void regionUnionIsBounded();
    void reselectedRegionKeepsItsClip();
};

void TestWmfCost::costlyPageIsNotShown_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("shown");
    QTest::newRow("plain polygon") << zigzag(4) << true;
    QTest::newRow("polygon of 1,024 crossing edges") << zigzag(1024) << false;
    QTest::newRow("200,000 small rectangles") << rectangles(200'000) << false;
    QTest::newRow("polygon of 3,000 level edges in a band") << levelEdges() << false;
}

void TestWmfCost::costlyPageIsNotShown() {
    QFETCH(QByteArray, bytes);
    QFETCH(bool, shown);
    const WmfPicture picture = WmfPicture::fromData(bytes);
    QCOMPARE(!picture.isNull(), shown);
    QCOMPARE(picture.parseResult().tooCostly, !shown);
}

void TestWmfCost::paintedScaleStaysWithinWork_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<qreal>("scale");
    QTest::addColumn<bool>("full");
    QTest::newRow("plain polygon at 600 dpi") << zigzag(4) << 6.25 << true;
    QTest::newRow("16 crossing edges on screen") << zigzagWithPen(16) << 1.0 << true;
    QTest::newRow("16 crossing edges at 600 dpi") << zigzagWithPen(16) << 6.25 << false;
}

void TestWmfCost::paintedScaleStaysWithinWork() {
    QFETCH(QByteArray, bytes);
    QFETCH(qreal, scale);
    QFETCH(bool, full);
    const WmfPicture picture = WmfPicture::fromData(bytes);
    QVERIFY(!picture.isNull());
    const qreal painted = picture.paintedScale(scale);
    QCOMPARE(painted == scale, full);
    QVERIFY(painted >= 1);
    QVERIFY(picture.parseResult().cost.at(painted) <= WmfLimits::maxPaintWork);
}

// Drawn at a lower resolution, the page still covers the whole target.
void TestWmfCost::pageTooCostlyForPaperIsStillDrawn() {
    const WmfPicture picture = WmfPicture::fromData(zigzagWithPen(16));
    QImage image(QSize(704, 528) * 600 / 96, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    picture.paint(&painter, QRectF(image.rect()));
    painter.end();
    QVERIFY(picture.scaleOf(QTransform(), QRectF(image.rect())) > 6);
    int red = 0;
    for (int x = 0; x < image.width(); x += 7)
        red += qRed(image.pixel(x, image.height() / 2)) > 150 &&
               qGreen(image.pixel(x, image.height() / 2)) < 80;
    QVERIFY(red > image.width() / 7 / 4);
}

// A PDF pays nothing for resolution: even a page too costly for a 600 dpi image goes to it as
// drawing, not as a picture of itself.
void TestWmfCost::paperGetsTheRecordsNotAPicture() {
    const WmfPicture picture = WmfPicture::fromData(zigzagWithPen(16));
    QVERIFY(picture.paintedScale(6.25) < 6.25);
    QByteArray pdf;
    QBuffer buffer(&pdf);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(600);
        QPainter painter(&writer);
        picture.paint(&painter, QRectF(0, 0, 4400, 3300));
    }
    QVERIFY(pdf.startsWith("%PDF"));
    QVERIFY(!pdf.contains("/Subtype /Image"));
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
