#include "platform/wmf/WmfBuilder.h"
#include "platform/wmf/WmfTestSupport.h"

#include "platform/wmf/WmfPicture.h"
#include "platform/wmf/WmfText.h"

#include <QImage>
#include <QPainter>
#include <QTest>

using namespace WmfTest;
namespace R = WmfRecordType;

class TestWmfText : public QObject {
    Q_OBJECT
private slots:
    void referencePoints_data();
    void referencePoints();
    void decoding_data();
    void decoding();
    void fontSizes_data();
    void fontSizes();
    void extTextOutOptions();
    void fontFacesAreCapped();
    void inkFollowsAlignment_data();
    void inkFollowsAlignment();
};

namespace {

WmfBuilder page() {
    return WmfBuilder().placeable(QRect(0, 0, 400, 200), 1440);
}

QList<QPointF> referencesOf(const QByteArray& file) {
    QList<QPointF> points;
    for (const auto& text : only<WmfCommand::Text>(play(file).commands))
        points.append(text.run.reference);
    return points;
}

// Bounding box of the dark pixels.
QRect inkOf(const QImage& image) {
    QRect ink;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 128)
                ink |= QRect(x, y, 1, 1);
    return ink;
}

} // namespace

void TestWmfText::referencePoints_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QList<QPointF>>("expected");

    const auto twoRuns = [](int align, int escapement = 0) {
        return page()
            .font(-20, "Arial", 0, escapement)
            .select(0)
            .textAlign(align)
            .moveTo(100, 150)
            .extTextOut(0, 0, 0, "ab", {30, 40})
            .extTextOut(0, 0, 0, "c", {5})
            .build();
    };
    QTest::newRow("own positions") << page().textOut(10, 20, "a").textOut(30, 40, "b").build()
                                   << QList<QPointF>{{10, 20}, {30, 40}};
    QTest::newRow("current position, left")
        << twoRuns(0x01) << QList<QPointF>{{100, 150}, {170, 150}};
    QTest::newRow("current position, right")
        << twoRuns(0x03) << QList<QPointF>{{100, 150}, {30, 150}};
    QTest::newRow("current position, centre")
        << twoRuns(0x07) << QList<QPointF>{{100, 150}, {100, 150}};
    QTest::newRow("current position, rotated upwards")
        << twoRuns(0x01, 900) << QList<QPointF>{{100, 150}, {100, 80}};
    QTest::newRow("current position moved by MOVETO") << page()
                                                             .textAlign(0x01)
                                                             .moveTo(5, 5)
                                                             .extTextOut(0, 0, 0, "ab", {30, 40})
                                                             .moveTo(9, 9)
                                                             .extTextOut(0, 0, 0, "c")
                                                             .build()
                                                      << QList<QPointF>{{5, 5}, {9, 9}};
    QTest::newRow("paired spacing moves up the font too")
        << page()
               .textAlign(0x01)
               .moveTo(0, 50)
               .extTextOut(0, 0, 0x2000, "hi", {10, 5, 20, 5})
               .extTextOut(0, 0, 0, "c")
               .build()
        << QList<QPointF>{{0, 50}, {30, 40}};
}

void TestWmfText::referencePoints() {
    QFETCH(QByteArray, file);
    QFETCH(QList<QPointF>, expected);
    const QList<QPointF> actual = referencesOf(file);
    QCOMPARE(actual.size(), expected.size());
    for (int i = 0; i < actual.size(); ++i) {
        QVERIFY2(
            QLineF(actual[i], expected[i]).length() < 1e-6,
            qPrintable(
                QStringLiteral("run %1 at %2,%3").arg(i).arg(actual[i].x()).arg(actual[i].y())));
    }
}

void TestWmfText::decoding_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("charset");
    QTest::addColumn<QString>("face");
    QTest::addColumn<QString>("expected");

    QTest::newRow("ANSI is Windows-1252")
        << QByteArray("\x80 \x93x\x94 \xE9") << 0 << "Arial" << QStringLiteral("€ “x” é");
    QTest::newRow("default charset too")
        << QByteArray("\x85") << 1 << "Arial" << QStringLiteral("…");
    QTest::newRow("Symbol face by byte")
        << QByteArray("abgp\xB3") << 2 << "Symbol" << QStringLiteral("αβγπ≥");
    QTest::newRow("Symbol face whatever the charset")
        << QByteArray("D") << 0 << "symbol" << QStringLiteral("Δ");
    QTest::newRow("Cyrillic") << QByteArray("\xCF\xF0\xE8") << 204 << "Times New Roman"
                              << QStringLiteral("При");
    QTest::newRow("Greek") << QByteArray("\xC1") << 161 << "Arial" << QStringLiteral("Α");
    QTest::newRow("Central European")
        << QByteArray("\x8A") << 238 << "Arial" << QStringLiteral("Š");
    QTest::newRow("other symbol fonts keep the bytes")
        << QByteArray("J") << 2 << "Wingdings" << QStringLiteral("J");
    QTest::newRow("unknown charset falls back")
        << QByteArray("\x80") << 99 << "Arial" << QStringLiteral("€");
}

void TestWmfText::decoding() {
    QFETCH(QByteArray, bytes);
    QFETCH(int, charset);
    QFETCH(QString, face);
    QFETCH(QString, expected);
    const QByteArray file =
        page().font(-20, face.toLatin1(), charset).select(0).textOut(0, 0, bytes).build();
    const auto runs = only<WmfCommand::Text>(play(file).commands);
    QCOMPARE(runs.size(), 1);
    QCOMPARE(runs[0].run.text, expected);
    QCOMPARE(runs[0].run.font.face, face);
}

void TestWmfText::fontSizes_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<qreal>("height");
    QTest::addColumn<bool>("cellHeight");
    QTest::addColumn<qreal>("escapement");
    QTest::addColumn<int>("weight");

    QTest::newRow("negative is the em height")
        << page().font(-30, "Arial").select(0).textOut(0, 0, "x").build() << 30.0 << false << 0.0
        << 400;
    QTest::newRow("positive is the cell height")
        << page().font(30, "Arial", 0, 450, 700).select(0).textOut(0, 0, "x").build() << 30.0
        << true << 45.0 << 700;
    QTest::newRow("scaled by the window")
        << page().windowExt(200, 100).font(-30, "Arial").select(0).textOut(0, 0, "x").build()
        << 60.0 << false << 0.0 << 400;
    QTest::newRow("zero weight is normal")
        << page().font(-10, "Arial", 0, 0, 0).select(0).textOut(0, 0, "x").build() << 10.0 << false
        << 0.0 << 400;
}

void TestWmfText::fontSizes() {
    QFETCH(QByteArray, file);
    QFETCH(qreal, height);
    QFETCH(bool, cellHeight);
    QFETCH(qreal, escapement);
    QFETCH(int, weight);
    const auto runs = only<WmfCommand::Text>(play(file).commands);
    QCOMPARE(runs.size(), 1);
    QCOMPARE(runs[0].run.font.height, height);
    QCOMPARE(runs[0].run.font.cellHeight, cellHeight);
    QCOMPARE(runs[0].run.font.escapement, escapement);
    QCOMPARE(runs[0].run.font.weight, weight);
    // A cell height includes the room above and below the letters.
    if (cellHeight)
        QVERIFY(WmfText::emHeight(runs[0].run.font) < height);
}

void TestWmfText::extTextOutOptions() {
    const QByteArray file = page()
                                .windowExt(200, 100)
                                .extTextOut(10, 20, 0x0006, "abc", {4, 5, 6}, QRect(5, 5, 50, 20))
                                .extTextOut(10, 20, 0, "abc")
                                .record(R::SetTextCharExtra, {3})
                                .textOut(0, 0, "ab")
                                .build();
    const auto runs = only<WmfCommand::Text>(play(file).commands);
    QCOMPARE(runs.size(), 3);
    QCOMPARE(runs[0].run.opaqueRect, std::optional(QRectF(10, 10, 100, 40)));
    QCOMPARE(runs[0].run.clipRect, std::optional(QRectF(10, 10, 100, 40)));
    QCOMPARE(runs[0].run.advances, (QList<QPointF>{{8, 0}, {10, 0}, {12, 0}}));
    QCOMPARE(runs[0].run.reference, QPointF(20, 40));
    QVERIFY(!runs[1].run.opaqueRect && !runs[1].run.clipRect && runs[1].run.advances.isEmpty());
    QCOMPARE(runs[2].run.charExtra, 6.0);
}

void TestWmfText::fontFacesAreCapped() {
    WmfBuilder b = page();
    for (int i = 0; i < 40; ++i)
        b.font(-10, "Face" + QByteArray::number(i)).select(0).remove(0).textOut(0, 0, "x");
    const auto runs = only<WmfCommand::Text>(play(b.build()).commands);
    QCOMPARE(runs.size(), 40);
    QCOMPARE(runs[31].run.font.face, QStringLiteral("Face31"));
    QCOMPARE(runs[32].run.font.face, QString());
    QCOMPARE(runs[39].run.font.face, QString());
}

void TestWmfText::inkFollowsAlignment_data() {
    QTest::addColumn<int>("align");
    QTest::addColumn<QRect>("inkWithin");

    // "H" 40 units high at (200, 100) on a 400 by 200 picture painted at one pixel a unit.
    QTest::newRow("left top") << 0x00 << QRect(200, 100, 60, 40);
    QTest::newRow("right top") << 0x02 << QRect(140, 100, 60, 40);
    QTest::newRow("centre top") << 0x06 << QRect(170, 100, 60, 40);
    QTest::newRow("left baseline") << 0x18 << QRect(200, 60, 60, 42);
    QTest::newRow("left bottom") << 0x08 << QRect(200, 50, 60, 50);
}

void TestWmfText::inkFollowsAlignment() {
    QFETCH(int, align);
    QFETCH(QRect, inkWithin);
    const QByteArray file =
        page().font(-40, "Arial").select(0).textAlign(align).textOut(200, 100, "H").build();
    QImage image(400, 200, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    WmfPicture::fromData(file).paint(&painter, QRectF(0, 0, 400, 200));
    painter.end();
    const QRect ink = inkOf(image);
    QVERIFY(!ink.isEmpty());
    QVERIFY2(inkWithin.contains(ink), qPrintable(QStringLiteral("ink %1,%2 %3x%4")
                                                     .arg(ink.x())
                                                     .arg(ink.y())
                                                     .arg(ink.width())
                                                     .arg(ink.height())));
    // An "H" of a 40-pixel em is roughly 29 pixels tall.
    QVERIFY(ink.height() > 24 && ink.height() < 34);
}

QTEST_MAIN(TestWmfText)
#include "tst_wmftext.moc"
