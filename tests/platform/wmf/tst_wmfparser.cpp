#include "platform/wmf/WmfBuilder.h"
#include "platform/wmf/WmfTestSupport.h"

#include "platform/wmf/WmfLimits.h"
#include "platform/wmf/WmfPicture.h"

#include <QTest>

using namespace WmfTest;
namespace R = WmfRecordType;

class TestWmfParser : public QObject {
    Q_OBJECT
private slots:
    void headers_data();
    void headers();
    void mapping_data();
    void mapping();
    void objectSlots_data();
    void objectSlots();
    void saveRestore_data();
    void saveRestore();
    void clipping_data();
    void clipping();
    void lineToJoinsIntoPolylines();
    void arcs_data();
    void arcs();
    void pensAndBrushes_data();
    void pensAndBrushes();
    void polyPolygonKeepsEveryRing();
    void unknownRecordsSkippedBySize();
    void regionSelectedAsClip();
};

namespace {

WmfBuilder page() {
    return WmfBuilder().placeable(QRect(0, 0, 1000, 500), 1000);
}

QByteArray withRect(WmfBuilder b, QRect logical) {
    return b
        .rectangle(logical.left(), logical.top(), logical.left() + logical.width(),
                   logical.top() + logical.height())
        .build();
}

} // namespace

void TestWmfParser::headers_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<QRectF>("frame");
    QTest::addColumn<QSize>("twips");

    QTest::newRow("placeable") << WmfBuilder().placeable(QRect(0, 0, 2540, 1270), 2540).build()
                               << true << QRectF(0, 0, 2540, 1270) << QSize(1440, 720);
    QTest::newRow("placeable with a wrong checksum")
        << WmfBuilder().placeable(QRect(-10, 20, 720, 360), 1440, false).build() << true
        << QRectF(-10, 20, 720, 360) << QSize(720, 360);
    QTest::newRow("placeable with an empty box uses the window")
        << WmfBuilder().placeable(QRect(0, 0, 0, 0), 1440).windowExt(3000, 1500).build() << true
        << QRectF(0, 0, 3000, 1500) << QSize(3000, 1500);
    QTest::newRow("window in twips")
        << WmfBuilder().windowOrg(100, 50).windowExt(3000, -1500).build() << true
        << QRectF(100, -1450, 3000, 1500) << QSize(3000, 1500);
    QTest::newRow("small window in pixels") << WmfBuilder().windowExt(300, 200).build() << true
                                            << QRectF(0, 0, 300, 200) << QSize(4500, 3000);
    QTest::newRow("no size at all: what is drawn")
        << withRect(WmfBuilder(), QRect(10, 10, 100, 50)) << true << QRectF(10, 10, 100, 50)
        << QSize(1500, 750);
    QTest::newRow("not a metafile")
        << QByteArray("GIF89a not a metafile at all") << false << QRectF() << QSize();
    QTest::newRow("wrong header size")
        << QByteArray::fromHex("01000a000003000000000000000000000000") << false << QRectF()
        << QSize();
    QTest::newRow("empty") << QByteArray() << false << QRectF() << QSize();
}

void TestWmfParser::headers() {
    QFETCH(QByteArray, file);
    QFETCH(bool, valid);
    QFETCH(QRectF, frame);
    QFETCH(QSize, twips);
    const WmfPicture picture = WmfPicture::fromData(file);
    QCOMPARE(picture.isNull(), !valid);
    QCOMPARE(picture.parseResult().valid, valid);
    if (!valid)
        return;
    QCOMPARE(picture.frame(), frame);
    QCOMPARE(picture.sizeTwips(), twips);
    QCOMPARE(picture.sizePixels(), QSize(twips.width() / 15, twips.height() / 15));
    QVERIFY(picture.parseResult().complete);
}

void TestWmfParser::mapping_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QRectF>("expected");

    QTest::newRow("no window: logical units are frame units")
        << withRect(page(), QRect(100, 100, 100, 100)) << QRectF(100, 100, 100, 100);
    QTest::newRow("window stretched onto the frame")
        << withRect(page().windowExt(100, 50), QRect(10, 10, 10, 10)) << QRectF(100, 100, 100, 100);
    QTest::newRow("window with y upwards")
        << withRect(page().windowOrg(0, 50).windowExt(100, -50), QRect(10, 30, 10, 10))
        << QRectF(100, 100, 100, 100);
    QTest::newRow("viewport inside the frame")
        << withRect(page().windowExt(100, 100).viewportOrg(500, 0).viewportExt(500, 500),
                    QRect(0, 0, 10, 10))
        << QRectF(500, 0, 50, 50);
    QTest::newRow("isotropic keeps the aspect")
        << withRect(page().record(R::SetMapMode, {7}).windowExt(100, 100), QRect(0, 0, 10, 10))
        << QRectF(0, 0, 50, 50);
    QTest::newRow("offset window origin")
        << withRect(page().windowExt(100, 50).record(R::OffsetWindowOrg, {5, 10}),
                    QRect(10, 5, 10, 10))
        << QRectF(0, 0, 100, 100);
    QTest::newRow("scaled window extent")
        << withRect(page().windowExt(100, 50).record(R::ScaleWindowExt, {1, 2, 1, 2}),
                    QRect(0, 0, 20, 20))
        << QRectF(0, 0, 100, 100);
    QTest::newRow("zero extent ignored")
        << withRect(page().windowExt(100, 50).windowExt(0, 50), QRect(10, 10, 10, 10))
        << QRectF(100, 100, 100, 100);
}

void TestWmfParser::mapping() {
    QFETCH(QByteArray, file);
    QFETCH(QRectF, expected);
    const auto rects = only<WmfCommand::Rect>(play(file).commands);
    QCOMPARE(rects.size(), 1);
    QCOMPARE(rects[0].rect, expected);
}

void TestWmfParser::objectSlots_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QColor>("pen");

    const QRgb red = qRgb(255, 0, 0), green = qRgb(0, 255, 0), blue = qRgb(0, 0, 255);
    QTest::newRow("a freed slot is reused") << page()
                                                   .pen(0, 1, red)
                                                   .pen(0, 1, green)
                                                   .remove(0)
                                                   .pen(0, 1, blue)
                                                   .select(0)
                                                   .rectangle(0, 0, 1, 1)
                                                   .build()
                                            << QColor(blue);
    QTest::newRow("lowest free slot first") << page()
                                                   .pen(0, 1, red)
                                                   .pen(0, 1, green)
                                                   .pen(0, 1, red)
                                                   .remove(2)
                                                   .remove(0)
                                                   .pen(0, 1, blue)
                                                   .pen(0, 1, green)
                                                   .select(0)
                                                   .select(2)
                                                   .rectangle(0, 0, 1, 1)
                                                   .build()
                                            << QColor(green);
    QTest::newRow("non-pens take slots too") << page()
                                                    .brush(0, red)
                                                    .font(-10, "Arial")
                                                    .pen(0, 1, blue)
                                                    .select(2)
                                                    .rectangle(0, 0, 1, 1)
                                                    .build()
                                             << QColor(blue);
    QTest::newRow("a deleted pen stays selected")
        << page().pen(0, 1, red).select(0).remove(0).select(0).rectangle(0, 0, 1, 1).build()
        << QColor(red);
    QTest::newRow("index past the table ignored")
        << page().pen(0, 1, red).select(0).select(65000).rectangle(0, 0, 1, 1).build()
        << QColor(red);
    QTest::newRow("more objects than the header asks for") << page()
                                                                  .objects(1)
                                                                  .pen(0, 1, red)
                                                                  .pen(0, 1, green)
                                                                  .pen(0, 1, blue)
                                                                  .select(2)
                                                                  .rectangle(0, 0, 1, 1)
                                                                  .build()
                                                           << QColor(blue);
    QTest::newRow("bad region takes no slot") << page()
                                                     .record(R::CreateRegion, {1, 2, 3, 4})
                                                     .pen(0, 1, green)
                                                     .select(0)
                                                     .rectangle(0, 0, 1, 1)
                                                     .build()
                                              << QColor(green);
}

void TestWmfParser::objectSlots() {
    QFETCH(QByteArray, file);
    QFETCH(QColor, pen);
    const auto states = statesAtRects(play(file).commands);
    QCOMPARE(states.size(), 1);
    QCOMPARE(states[0].pen.color, pen);
}

void TestWmfParser::saveRestore_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QColor>("pen");

    const QRgb red = qRgb(255, 0, 0), green = qRgb(0, 255, 0), blue = qRgb(0, 0, 255);
    const auto three = [=] {
        return page().pen(0, 1, red).pen(0, 1, green).pen(0, 1, blue).select(0);
    };
    QTest::newRow("back one") << three()
                                     .record(R::SaveDc, {})
                                     .select(1)
                                     .record(R::RestoreDc, {-1})
                                     .rectangle(0, 0, 1, 1)
                                     .build()
                              << QColor(red);
    QTest::newRow("back two") << three()
                                     .record(R::SaveDc, {})
                                     .select(1)
                                     .record(R::SaveDc, {})
                                     .select(2)
                                     .record(R::RestoreDc, {-2})
                                     .rectangle(0, 0, 1, 1)
                                     .build()
                              << QColor(red);
    QTest::newRow("by depth") << three()
                                     .record(R::SaveDc, {})
                                     .select(1)
                                     .record(R::SaveDc, {})
                                     .select(2)
                                     .record(R::SaveDc, {})
                                     .record(R::RestoreDc, {2})
                                     .rectangle(0, 0, 1, 1)
                                     .build()
                              << QColor(green);
    QTest::newRow("too far back ignored") << three()
                                                 .record(R::SaveDc, {})
                                                 .select(1)
                                                 .record(R::RestoreDc, {-5})
                                                 .rectangle(0, 0, 1, 1)
                                                 .build()
                                          << QColor(green);
    QTest::newRow("zero ignored") << three()
                                         .record(R::SaveDc, {})
                                         .select(2)
                                         .record(R::RestoreDc, {0})
                                         .rectangle(0, 0, 1, 1)
                                         .build()
                                  << QColor(blue);
    // Saves past the cap are dropped, so going back one returns to the last save kept.
    WmfBuilder deep = three();
    for (int i = 0; i < WmfLimits::maxSaveDepth; ++i)
        deep.record(R::SaveDc, {});
    QTest::newRow("saves past the cap dropped") << deep.select(1)
                                                       .record(R::SaveDc, {})
                                                       .select(2)
                                                       .record(R::RestoreDc, {-1})
                                                       .rectangle(0, 0, 1, 1)
                                                       .build()
                                                << QColor(red);
    QTest::newRow("nothing saved")
        << three().select(1).record(R::RestoreDc, {-1}).rectangle(0, 0, 1, 1).build()
        << QColor(green);
}

void TestWmfParser::saveRestore() {
    QFETCH(QByteArray, file);
    QFETCH(QColor, pen);
    const auto states = statesAtRects(play(file).commands);
    QCOMPARE(states.size(), 1);
    QCOMPARE(states[0].pen.color, pen);
}

void TestWmfParser::clipping_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QPointF>("inside");
    QTest::addColumn<QPointF>("outside");

    QTest::newRow("intersect") << page()
                                      .record(R::IntersectClipRect, {200, 300, 100, 100})
                                      .rectangle(0, 0, 1000, 500)
                                      .build()
                               << QPointF(150, 150) << QPointF(350, 150);
    QTest::newRow("intersect twice") << page()
                                            .record(R::IntersectClipRect, {200, 300, 100, 100})
                                            .record(R::IntersectClipRect, {300, 400, 150, 200})
                                            .rectangle(0, 0, 1000, 500)
                                            .build()
                                     << QPointF(250, 175) << QPointF(150, 150);
    QTest::newRow("exclude") << page()
                                    .record(R::ExcludeClipRect, {200, 300, 100, 100})
                                    .rectangle(0, 0, 1000, 500)
                                    .build()
                             << QPointF(50, 50) << QPointF(150, 150);
    QTest::newRow("offset") << page()
                                   .record(R::IntersectClipRect, {200, 300, 100, 100})
                                   .record(R::OffsetClipRgn, {0, 500})
                                   .rectangle(0, 0, 1000, 500)
                                   .build()
                            << QPointF(650, 150) << QPointF(150, 150);
    QTest::newRow("mapped by the window") << page()
                                                 .windowExt(100, 50)
                                                 .record(R::IntersectClipRect, {20, 30, 10, 10})
                                                 .rectangle(0, 0, 100, 50)
                                                 .build()
                                          << QPointF(150, 150) << QPointF(350, 150);
    QTest::newRow("fine on a small frame")
        << WmfBuilder()
               .placeable(QRect(0, 0, 10, 10), 1440)
               .windowExt(1000, 1000)
               .record(R::IntersectClipRect, {250, 250, 150, 150})
               .rectangle(0, 0, 1000, 1000)
               .build()
        << QPointF(1.6, 1.6) << QPointF(2.6, 2.6);
    QTest::newRow("restored with the context")
        << page()
               .record(R::SaveDc, {})
               .record(R::IntersectClipRect, {20, 30, 10, 10})
               .record(R::RestoreDc, {-1})
               .record(R::ExcludeClipRect, {200, 300, 100, 100})
               .rectangle(0, 0, 1000, 500)
               .build()
        << QPointF(15, 15) << QPointF(150, 150);
}

void TestWmfParser::clipping() {
    QFETCH(QByteArray, file);
    QFETCH(QPointF, inside);
    QFETCH(QPointF, outside);
    const auto states = statesAtRects(play(file).commands);
    QCOMPARE(states.size(), 1);
    QVERIFY(states[0].clip.has_value());
    QVERIFY(states[0].clip->contains(inside));
    QVERIFY(!states[0].clip->contains(outside));
}

void TestWmfParser::lineToJoinsIntoPolylines() {
    const QByteArray file = page()
                                .pen(0, 1, qRgb(255, 0, 0))
                                .pen(0, 1, qRgb(0, 0, 255))
                                .select(0)
                                .moveTo(10, 10)
                                .lineTo(20, 10)
                                .lineTo(20, 20)
                                .lineTo(10, 20)
                                .select(1)
                                .lineTo(10, 10)
                                .moveTo(100, 100)
                                .lineTo(110, 110)
                                .build();
    const auto commands = play(file).commands;
    const auto lines = only<WmfCommand::Polyline>(commands);
    QCOMPARE(lines.size(), 3);
    QCOMPARE(lines[0].points, QPolygonF({{10, 10}, {20, 10}, {20, 20}, {10, 20}}));
    QCOMPARE(lines[1].points, QPolygonF({{10, 20}, {10, 10}}));
    QCOMPARE(lines[2].points, QPolygonF({{100, 100}, {110, 110}}));
    const auto pens = only<WmfCommand::SetPen>(commands);
    QCOMPARE(pens.size(), 2);
    QCOMPARE(pens[1].pen.color, QColor(0, 0, 255));
}

void TestWmfParser::arcs_data() {
    QTest::addColumn<int>("function");
    QTest::addColumn<QPoint>("start");
    QTest::addColumn<QPoint>("end");
    QTest::addColumn<int>("kind");
    QTest::addColumn<qreal>("startAngle");
    QTest::addColumn<qreal>("span");

    const int arc = int(WmfArcKind::Arc), pie = int(WmfArcKind::Pie);
    QTest::newRow("left to right is the lower half")
        << int(R::Arc) << QPoint(0, 50) << QPoint(200, 50) << arc << 180.0 << 180.0;
    QTest::newRow("top to left is a quarter")
        << int(R::Pie) << QPoint(100, 0) << QPoint(0, 50) << pie << 90.0 << 90.0;
    QTest::newRow("equal radials make a whole ellipse")
        << int(R::Chord) << QPoint(200, 50) << QPoint(200, 50) << int(WmfArcKind::Chord) << 0.0
        << 360.0;
    QTest::newRow("radial through a corner of a wide ellipse")
        << int(R::Arc) << QPoint(200, 0) << QPoint(0, 50) << arc << 45.0 << 135.0;
}

// The ellipse is 200 by 100: radials are rays from its centre, angles counter-clockwise.
void TestWmfParser::arcs() {
    QFETCH(int, function);
    QFETCH(QPoint, start);
    QFETCH(QPoint, end);
    QFETCH(int, kind);
    QFETCH(qreal, startAngle);
    QFETCH(qreal, span);
    const QByteArray file =
        page()
            .record(quint16(function), {end.y(), end.x(), start.y(), start.x(), 100, 200, 0, 0})
            .build();
    const auto arcs = only<WmfCommand::Arc>(play(file).commands);
    QCOMPARE(arcs.size(), 1);
    QCOMPARE(int(arcs[0].kind), kind);
    QCOMPARE(arcs[0].rect, QRectF(0, 0, 200, 100));
    QCOMPARE(arcs[0].startAngle, startAngle);
    QCOMPARE(arcs[0].spanAngle, span);
}

void TestWmfParser::pensAndBrushes_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<int>("penStyle");
    QTest::addColumn<qreal>("penWidth");
    QTest::addColumn<int>("brushStyle");
    QTest::addColumn<int>("hatch");

    const auto draw = [](WmfBuilder b) {
        return b.select(0).select(1).rectangle(0, 0, 9, 9).build();
    };
    QTest::newRow("solid, scaled by the window")
        << draw(page().windowExt(500, 250).pen(0, 3, 0).brush(0, 0)) << int(WmfPen::Style::Solid)
        << 6.0 << int(WmfBrush::Style::Solid) << 0;
    QTest::newRow("dash, hatched")
        << draw(page().pen(1, 1, 0).brush(2, 0, 3)) << int(WmfPen::Style::Dash) << 1.0
        << int(WmfBrush::Style::Hatched) << int(WmfBrush::BackwardDiagonal);
    QTest::newRow("null pen, hollow brush")
        << draw(page().pen(5, 1, 0).brush(1, 0)) << int(WmfPen::Style::Null) << 1.0
        << int(WmfBrush::Style::Null) << 0;
    QTest::newRow("inside frame is solid")
        << draw(page().pen(6, 0, 0).brush(0, 0)) << int(WmfPen::Style::Solid) << 0.0
        << int(WmfBrush::Style::Solid) << 0;
}

void TestWmfParser::pensAndBrushes() {
    QFETCH(QByteArray, file);
    QFETCH(int, penStyle);
    QFETCH(qreal, penWidth);
    QFETCH(int, brushStyle);
    QFETCH(int, hatch);
    const auto states = statesAtRects(play(file).commands);
    QCOMPARE(states.size(), 1);
    QCOMPARE(int(states[0].pen.style), penStyle);
    QCOMPARE(states[0].pen.width, penWidth);
    QCOMPARE(int(states[0].brush.style), brushStyle);
    if (brushStyle == int(WmfBrush::Style::Hatched))
        QCOMPARE(int(states[0].brush.hatch), hatch);
}

void TestWmfParser::polyPolygonKeepsEveryRing() {
    QByteArray p;
    for (int w : {2, 3, 4, 0, 0, 10, 0, 0, 10, 20, 20, 30, 20, 30, 30, 20, 30})
        WmfBuilder::appendWord(p, w);
    const auto played =
        play(page().record(R::SetPolyFillMode, {2}).bytes(R::PolyPolygon, p).build());
    const auto polys = only<WmfCommand::PolyPolygon>(played.commands);
    QCOMPARE(polys.size(), 1);
    QCOMPARE(polys[0].rule, Qt::WindingFill);
    QCOMPARE(polys[0].polygons.size(), 2);
    QCOMPARE(polys[0].polygons[0], QPolygonF({{0, 0}, {10, 0}, {0, 10}}));
    QCOMPARE(polys[0].polygons[1], QPolygonF({{20, 20}, {30, 20}, {30, 30}, {20, 30}}));
}

// The unknown record's parameters look like an end record and a rectangle; they must not be read.
void TestWmfParser::unknownRecordsSkippedBySize() {
    const QByteArray inside =
        QByteArray::fromHex("030000000000") + QByteArray::fromHex("07000000"
                                                                  "1b04"
                                                                  "0a000a0000000000");
    const auto played = play(page().bytes(0x0999, inside).rectangle(1, 2, 3, 4).build());
    QVERIFY(played.result.complete);
    const auto rects = only<WmfCommand::Rect>(played.commands);
    QCOMPARE(rects.size(), 1);
    QCOMPARE(rects[0].rect, QRectF(1, 2, 2, 2));
}

void TestWmfParser::regionSelectedAsClip() {
    // One scan from y 10 to 20 with two spans, 10..20 and 30..40.
    QByteArray region;
    for (int w : {0, 6, 0, 0, 0, 1, 4, 10, 10, 40, 20, 4, 10, 20, 10, 20, 30, 40, 4})
        WmfBuilder::appendWord(region, w);
    const QByteArray file = page()
                                .windowExt(100, 50)
                                .bytes(R::CreateRegion, region)
                                .record(R::SelectClipRegion, {0})
                                .rectangle(0, 0, 100, 50)
                                .record(R::SelectClipRegion, {7})
                                .rectangle(0, 0, 100, 50)
                                .build();
    const auto states = statesAtRects(play(file).commands);
    QCOMPARE(states.size(), 2);
    QVERIFY(states[0].clip.has_value());
    QVERIFY(states[0].clip->contains(QPointF(150, 150)));
    QVERIFY(states[0].clip->contains(QPointF(350, 150)));
    QVERIFY(!states[0].clip->contains(QPointF(250, 150)));
    QVERIFY(!states[0].clip->contains(QPointF(150, 250)));
    QVERIFY(!states[1].clip.has_value());
}

QTEST_MAIN(TestWmfParser)
#include "tst_wmfparser.moc"
