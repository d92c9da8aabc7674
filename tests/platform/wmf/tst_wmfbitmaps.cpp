#include "platform/wmf/WmfBuilder.h"
#include "platform/wmf/WmfTestSupport.h"

#include "platform/wmf/WmfDib.h"
#include "platform/wmf/WmfPicture.h"

#include <QImage>
#include <QPainter>
#include <QTest>

using namespace WmfTest;
namespace R = WmfRecordType;

class TestWmfBitmaps : public QObject {
    Q_OBJECT
private slots:
    void decode_data();
    void decode();
    void blits_data();
    void blits();
    void patternBrushTilesInDevicePixels();
    void hatchLinesStayEightPixelsApart();
};

namespace {

const QRgb red = qRgb(255, 0, 0), green = qRgb(0, 255, 0), blue = qRgb(0, 0, 255),
           white = qRgb(255, 255, 255), black = qRgb(0, 0, 0);

QByteArray bytes(std::initializer_list<int> values) {
    QByteArray out;
    for (int v : values)
        out.append(char(v));
    return out;
}

QList<QRgb> ramp16() {
    QList<QRgb> colors;
    for (int i = 0; i < 16; ++i)
        colors.append(qRgb(i * 16, 0, 0));
    return colors;
}

QByteArray withMasks(QByteArray dib, quint32 r, quint32 g, quint32 b) {
    QByteArray masks;
    for (quint32 m : {r, g, b})
        WmfBuilder::appendDword(masks, m);
    return dib.insert(40, masks);
}

// Two pixels whose colour table holds indices 1 and 2 of the logical palette.
QByteArray indexedDib() {
    QByteArray dib = WmfBuilder::dib(2, 1, 8, {}, {});
    dib[32] = 2;
    for (int index : {1, 2})
        WmfBuilder::appendWord(dib, index);
    return dib + QByteArray::fromHex("00010000");
}

QByteArray coreHeader24() {
    QByteArray out;
    WmfBuilder::appendDword(out, 12);
    for (int w : {1, 1, 1, 24})
        WmfBuilder::appendWord(out, w);
    return out + bytes({0x11, 0x22, 0x33, 0});
}

// Two by two, 24 bits: red and green on top, blue and white below (stored bottom row first).
QByteArray quadrants() {
    return WmfBuilder::dib(
        2, 2, 24, {}, {bytes({0xFF, 0, 0, 0xFF, 0xFF, 0xFF}), bytes({0, 0, 0xFF, 0, 0xFF, 0})});
}

QByteArray dword(quint32 v) {
    QByteArray out;
    WmfBuilder::appendDword(out, v);
    return out;
}

QByteArray words(std::initializer_list<int> values) {
    QByteArray out;
    for (int v : values)
        WmfBuilder::appendWord(out, v);
    return out;
}

WmfBuilder page() {
    return WmfBuilder().placeable(QRect(0, 0, 100, 100), 1440);
}

QImage render(const QByteArray& file) {
    QImage image(100, 100, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    WmfPicture::fromData(file).paint(&painter, QRectF(0, 0, 100, 100));
    return image;
}

} // namespace

void TestWmfBitmaps::decode_data() {
    QTest::addColumn<QByteArray>("dib");
    QTest::addColumn<int>("colorUsage");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QList<QRgb>>("pixels"); // top row first; empty when the bitmap is refused

    QTest::newRow("1 bit, bottom-up")
        << WmfBuilder::dib(2, 2, 1, {black, white}, {bytes({0x80}), bytes({0x40})}) << 0
        << QSize(2, 2) << QList<QRgb>{black, white, white, black};
    QTest::newRow("1 bit, top-down")
        << WmfBuilder::dib(2, -2, 1, {black, white}, {bytes({0x80}), bytes({0x40})}) << 0
        << QSize(2, 2) << QList<QRgb>{white, black, black, white};
    QTest::newRow("4 bits") << WmfBuilder::dib(2, 1, 4, ramp16(), {bytes({0x1F})}) << 0
                            << QSize(2, 1) << QList<QRgb>{qRgb(16, 0, 0), qRgb(240, 0, 0)};
    QTest::newRow("8 bits, short colour table")
        << WmfBuilder::dib(3, 1, 8, {red, green, blue}, {bytes({2, 0, 1})}) << 0 << QSize(3, 1)
        << QList<QRgb>{blue, red, green};
    QTest::newRow("16 bits, 5-5-5") << WmfBuilder::dib(2, 1, 16, {}, {bytes({0, 0x7C, 0x1F, 0})})
                                    << 0 << QSize(2, 1) << QList<QRgb>{red, blue};
    QTest::newRow("16 bits, masks 5-6-5")
        << withMasks(WmfBuilder::dib(2, 1, 16, {}, {bytes({0xE0, 0x07, 0, 0xF8})}, 3), 0xF800,
                     0x07E0, 0x001F)
        << 0 << QSize(2, 1) << QList<QRgb>{green, red};
    QTest::newRow("24 bits") << WmfBuilder::dib(1, 1, 24, {}, {bytes({0x11, 0x22, 0x33})}) << 0
                             << QSize(1, 1) << QList<QRgb>{qRgb(0x33, 0x22, 0x11)};
    QTest::newRow("32 bits") << WmfBuilder::dib(1, 1, 32, {}, {bytes({0x11, 0x22, 0x33, 0x44})})
                             << 0 << QSize(1, 1) << QList<QRgb>{qRgb(0x33, 0x22, 0x11)};
    QTest::newRow("core header") << coreHeader24() << 0 << QSize(1, 1)
                                 << QList<QRgb>{qRgb(0x33, 0x22, 0x11)};
    QTest::newRow("run-length 8") << WmfBuilder::dib(4, 2, 8, {black, red, green},
                                                     {bytes({3, 1, 1, 2, 0, 0, 4, 2, 0, 1})}, 1)
                                  << 0 << QSize(4, 2)
                                  << QList<QRgb>{green, green, green, green, red, red, red, green};
    QTest::newRow("run-length 4") << WmfBuilder::dib(4, 1, 4, ramp16(), {bytes({4, 0x12, 0, 1})}, 2)
                                  << 0 << QSize(4, 1)
                                  << QList<QRgb>{qRgb(16, 0, 0), qRgb(32, 0, 0), qRgb(16, 0, 0),
                                                 qRgb(32, 0, 0)};
    QTest::newRow("palette indices")
        << indexedDib() << 1 << QSize(2, 1) << QList<QRgb>{green, blue};
    QTest::newRow("3 bits refused")
        << WmfBuilder::dib(1, 1, 3, {}, {bytes({0})}) << 0 << QSize() << QList<QRgb>{};
    QTest::newRow("no width refused")
        << WmfBuilder::dib(0, 1, 24, {}, {bytes({0})}) << 0 << QSize() << QList<QRgb>{};
    QTest::newRow("missing pixels refused")
        << WmfBuilder::dib(4, 4, 24, {}, {bytes({1, 2, 3})}) << 0 << QSize() << QList<QRgb>{};
    QTest::newRow("huge refused before reading")
        << WmfBuilder::dib(100000, 100000, 1, {black, white}, {}) << 0 << QSize() << QList<QRgb>{};
    QTest::newRow("JPEG that is none refused")
        << WmfBuilder::dib(1, 1, 0, {}, {bytes({0, 0, 0, 0})}, 4) << 0 << QSize() << QList<QRgb>{};
}

void TestWmfBitmaps::decode() {
    QFETCH(QByteArray, dib);
    QFETCH(int, colorUsage);
    QFETCH(QSize, size);
    QFETCH(QList<QRgb>, pixels);
    WmfBitmapBudget budget;
    // For palette indices: the logical palette is red, green, blue.
    const auto decoded =
        WmfDib::decode(WmfBytes(reinterpret_cast<const uchar*>(dib.constData()), dib.size()),
                       quint16(colorUsage), {red, green, blue}, budget);
    if (pixels.isEmpty()) {
        QVERIFY(!decoded);
        return;
    }
    QVERIFY(decoded);
    QCOMPARE(decoded->image.size(), size);
    for (int i = 0; i < pixels.size(); ++i) {
        const QPoint at(i % size.width(), i / size.width());
        QCOMPARE(decoded->image.pixel(at), pixels[i]);
    }
}

void TestWmfBitmaps::blits_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QList<QRgb>>("corners"); // at 25 and 75 in each direction, top row first

    const auto stretchDib = [](int sx, int sy, int sw, int sh, int dx, int dw) {
        return page()
            .bytes(R::StretchDib,
                   dword(0x00CC0020) + words({0, sh, sw, sy, sx, 100, dw, 0, dx}) + quadrants())
            .build();
    };
    QTest::newRow("STRETCHDIB whole")
        << stretchDib(0, 0, 2, 2, 0, 100) << QList<QRgb>{red, green, blue, white};
    QTest::newRow("STRETCHDIB counts rows from the bottom")
        << stretchDib(1, 1, 1, 1, 0, 100) << QList<QRgb>{green, green, green, green};
    QTest::newRow("STRETCHDIB mirrored")
        << stretchDib(0, 0, 2, 2, 100, -100) << QList<QRgb>{green, red, white, blue};
    QTest::newRow("DIBSTRETCHBLT counts rows from the top")
        << page()
               .bytes(R::DibStretchBlt,
                      dword(0x00CC0020) + words({1, 1, 0, 0, 100, 100, 0, 0}) + quadrants())
               .build()
        << QList<QRgb>{red, red, red, red};
    QTest::newRow("DIBBITBLT") << page()
                                      .windowExt(2, 2)
                                      .bytes(R::DibBitBlt, dword(0x00CC0020) +
                                                               words({0, 0, 2, 2, 0, 0}) +
                                                               quadrants())
                                      .build()
                               << QList<QRgb>{red, green, blue, white};
    QTest::newRow("DIBBITBLT without bitmap fills with the brush")
        << page()
               .brush(0, red)
               .select(0)
               .bytes(R::DibBitBlt, dword(0x00F00021) + words({0, 0, 0, 50, 100, 0, 0}))
               .build()
        << QList<QRgb>{red, red, white, white};
    QTest::newRow("PATBLT blackness")
        << page().bytes(R::PatBlt, dword(0x00000042) + words({100, 50, 0, 50})).build()
        << QList<QRgb>{white, black, white, black};
    QTest::newRow("PATBLT inverts")
        << page().bytes(R::PatBlt, dword(0x00550009) + words({100, 100, 0, 0})).build()
        << QList<QRgb>{black, black, black, black};
    QTest::newRow("BITBLT monochrome takes text and background colours")
        << page()
               .record(R::SetTextColor, {0x00FF, 0})
               .record(R::SetBkColor, {0, 0x00FF})
               .windowExt(2, 1)
               .bytes(R::BitBlt, dword(0x00CC0020) + words({0, 0, 1, 2, 0, 0}) +
                                     words({0, 2, 1, 2}) + bytes({1, 1, 0x40, 0}))
               .build()
        << QList<QRgb>{red, blue, red, blue};
}

void TestWmfBitmaps::blits() {
    QFETCH(QByteArray, file);
    QFETCH(QList<QRgb>, corners);
    const QImage image = render(file);
    const QList<QPoint> at{{25, 25}, {75, 25}, {25, 75}, {75, 75}};
    for (int i = 0; i < at.size(); ++i)
        QCOMPARE(image.pixel(at[i]), corners[i]);
}

void TestWmfBitmaps::patternBrushTilesInDevicePixels() {
    QList<QByteArray> rows;
    for (int y = 0; y < 8; ++y)
        rows.append(bytes({y % 2 ? 0x55 : 0xAA}));
    const QByteArray file = page()
                                .bytes(R::DibCreatePatternBrush,
                                       words({5, 0}) + WmfBuilder::dib(8, 8, 1, {red, blue}, rows))
                                .pen(5, 0, 0)
                                .select(0)
                                .select(1)
                                .windowExt(10, 10)
                                .rectangle(0, 0, 10, 10)
                                .build();
    const auto brushes = only<WmfCommand::SetBrush>(play(file).commands);
    QCOMPARE(brushes.size(), 1);
    QCOMPARE(brushes[0].brush.style, WmfBrush::Style::Pattern);
    QCOMPARE(brushes[0].brush.pattern.size(), QSize(8, 8));
    // Scaled ten times by the window, the checkerboard still alternates every pixel.
    const QImage image = render(file);
    for (int x = 40; x < 48; ++x) {
        QCOMPARE(image.pixel(x, 50) == red || image.pixel(x, 50) == blue, true);
        QVERIFY(image.pixel(x, 50) != image.pixel(x + 1, 50));
        QVERIFY(image.pixel(x, 50) != image.pixel(x, 51));
    }
}

void TestWmfBitmaps::hatchLinesStayEightPixelsApart() {
    const QByteArray file = page()
                                .windowExt(10, 10)
                                .brush(2, red, 0)
                                .pen(5, 0, 0)
                                .select(0)
                                .select(1)
                                .record(R::SetBkMode, {1})
                                .rectangle(0, 0, 10, 10)
                                .build();
    const QImage image = render(file);
    QList<int> rows;
    for (int y = 0; y < 100; ++y)
        if (image.pixel(50, y) == red)
            rows.append(y);
    QVERIFY(rows.size() >= 10);
    for (int i = 1; i < rows.size(); ++i)
        QCOMPARE(rows[i] - rows[i - 1], 8);
    QCOMPARE(image.pixel(50, rows[0] + 1), white); // transparent background between the lines
}

QTEST_MAIN(TestWmfBitmaps)
#include "tst_wmfbitmaps.moc"
