#include "platform/wmf/WmfBuilder.h"
#include "platform/wmf/WmfTestSupport.h"

#include "platform/wmf/WmfDib.h"
#include "platform/wmf/WmfLimits.h"
#include "platform/wmf/WmfPicture.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QRandomGenerator>
#include <QTest>

using namespace WmfTest;
namespace R = WmfRecordType;

// Broken and hostile files: each is read and painted, and must neither crash nor run away.
class TestWmfMalformed : public QObject {
    Q_OBJECT
private slots:
    void brokenFiles_data();
    void brokenFiles();
    void limits_data();
    void limits();
    void bitmapBudget();
    void oversizedFileRefused();
    void mutatedFiles_data();
    void mutatedFiles();
    void mutatedCorpusFiles_data();
    void mutatedCorpusFiles() { mutatedFiles(); }
};

namespace {

WmfBuilder page() {
    return WmfBuilder().placeable(QRect(0, 0, 1000, 1000), 1440);
}

QByteArray words(std::initializer_list<int> values) {
    QByteArray out;
    for (int v : values)
        WmfBuilder::appendWord(out, v);
    return out;
}

void paintSmall(const WmfPicture& picture) {
    QImage image(64, 64, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    picture.paint(&painter, QRectF(0, 0, 64, 64));
}

QByteArray repeated(const QByteArray& record, int times) {
    QByteArray out;
    out.reserve(record.size() * times);
    for (int i = 0; i < times; ++i)
        out.append(record);
    return out;
}

QByteArray rawRecord(quint16 function, const QByteArray& params) {
    QByteArray out;
    WmfBuilder::appendDword(out, quint32(3 + params.size() / 2));
    WmfBuilder::appendWord(out, function);
    return out + params;
}

QByteArray withRecords(const QByteArray& records) {
    return page().bytes(R::SetBkMode, words({1})).build(false) + records;
}

} // namespace

void TestWmfMalformed::brokenFiles_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<QString>("problem"); // empty: read to the end

    const QByteArray good = page().rectangle(0, 0, 10, 10).build();
    QTest::newRow("header cut short") << good.left(30) << false << QString();
    QTest::newRow("placeable header alone") << good.left(22) << false << QString();
    QTest::newRow("record size 0")
        << page().raw(0, R::Rectangle, words({1, 2})).build() << true << "below three";
    QTest::newRow("record size 1")
        << page().raw(1, R::Rectangle, words({1, 2})).build() << true << "below three";
    QTest::newRow("record size 2")
        << page().raw(2, R::Rectangle, words({1, 2})).build() << true << "below three";
    QTest::newRow("record size past the end")
        << page().raw(1000, R::Rectangle, words({1, 2, 3, 4})).build(false) << true
        << "past the end";
    QTest::newRow("record size near 4G")
        << page().raw(0xFFFFFFFF, R::Rectangle, words({1, 2, 3, 4})).build(false) << true
        << "past the end";
    QTest::newRow("cut inside a record") << good.left(good.size() - 8) << true << "past the end";
    QTest::newRow("no end record") << good.left(good.size() - 6) << true << QString();
    QTest::newRow("records too short for their parameters")
        << page()
               .record(R::Rectangle, {1, 2})
               .record(R::Polygon, {1000, 1, 2})
               .record(R::PolyPolygon, {3, 100, 100})
               .record(R::TextOut, {500, 0x4141})
               .record(R::ExtTextOut, {0, 0, 5, 0x0004})
               .record(R::CreateFontIndirect, {10})
               .record(R::CreatePenIndirect, {})
               .record(R::SetWindowExt, {5})
               .record(R::Arc, {1, 2, 3})
               .record(R::DibCreatePatternBrush, {0, 0, 40, 0})
               .record(R::StretchDib, {0x20, 0xCC, 0, 1, 1})
               .record(R::DibBitBlt, {0x20, 0xCC, 0, 0, 5})
               .record(R::CreateRegion, {0, 6, 0, 0, 0, 30000, 5, 0, 0, 10, 10, 2})
               .record(R::SetDibToDev, {0})
               .record(R::RestoreDc, {})
               .select(0)
               .rectangle(0, 0, 5, 5)
               .build()
        << true << QString();
    QTest::newRow("indices far past the table") << page()
                                                       .select(65535)
                                                       .remove(65535)
                                                       .record(R::FillRegion, {60000, 60001})
                                                       .record(R::SelectClipRegion, {40000})
                                                       .record(R::SelectPalette, {65535})
                                                       .rectangle(0, 0, 5, 5)
                                                       .build()
                                                << true << QString();
    QTest::newRow("extreme mapping and coordinates")
        << page()
               .windowExt(1, 1)
               .viewportExt(32767, 32767)
               .pen(1, 0, 0)
               .select(0)
               .font(-32768, "Arial")
               .select(1)
               .moveTo(-32768, -32768)
               .lineTo(32767, 32767)
               .rectangle(-32768, -32768, 32767, 32767)
               .record(R::Arc, {32767, 32767, -32768, -32768, 32767, 32767, -32768, -32768})
               .textOut(0, 0, "Hi")
               .record(R::IntersectClipRect, {32767, 32767, -32768, -32768})
               .build()
        << true << QString();
    QTest::newRow("deep saves") << withRecords(repeated(rawRecord(R::SaveDc, {}), 5000) +
                                               repeated(rawRecord(R::RestoreDc, words({-1})), 5000))
                                << true << QString();
    QTest::newRow("bitmap bigger than allowed")
        << page()
               .bytes(R::StretchDib, words({0x20, 0xCC, 0, 1, 1, 0, 0, 10, 10, 0, 0}) +
                                         WmfBuilder::dib(20000, 20000, 1, {0, 0xFFFFFF}, {}))
               .rectangle(0, 0, 5, 5)
               .build()
        << true << QString();
    QTest::newRow("run-length codes running off the bitmap")
        << page()
               .bytes(R::StretchDib,
                      words({0x20, 0xCC, 0, 2, 2, 0, 0, 10, 10, 0, 0}) +
                          WmfBuilder::dib(2, 2, 8, {0, 0xFFFFFF},
                                          {QByteArray::fromHex("0002ffff0002ffff00ff0102ff01")}, 1))
               .build()
        << true << QString();
}

void TestWmfMalformed::brokenFiles() {
    QFETCH(QByteArray, file);
    QFETCH(bool, valid);
    QFETCH(QString, problem);
    const WmfPicture picture = WmfPicture::fromData(file);
    QCOMPARE(picture.parseResult().valid, valid);
    QCOMPARE(picture.isNull(), !valid);
    paintSmall(picture);
    if (!valid)
        return;
    QCOMPARE(picture.parseResult().complete, problem.isEmpty());
    QVERIFY2(picture.parseResult().problem.contains(problem),
             qPrintable(picture.parseResult().problem));
}

void TestWmfMalformed::limits_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("problem");

    QTest::newRow("records") << withRecords(repeated(rawRecord(R::SetBkMode, words({1})),
                                                     WmfLimits::maxRecords + 10))
                             << "too many records";
    QTest::newRow("objects") << withRecords(repeated(
                                    rawRecord(R::CreatePenIndirect, words({0, 1, 0, 0, 0})),
                                    WmfLimits::maxObjects + 5))
                             << "object table full";
    const int perRecord = 16000;
    QByteArray polyline = words({perRecord});
    polyline.append(QByteArray(perRecord * 4, '\x01'));
    QByteArray manyExclusions;
    for (int i = 0; i < 3000; ++i) {
        const int x = i * 7 % 990, y = i * 13 % 990;
        manyExclusions += rawRecord(R::ExcludeClipRect, words({y + 5, x + 5, y, x}));
        manyExclusions += rawRecord(R::Rectangle, words({100, 100, 0, 0}));
    }
    QTest::newRow("clip changes") << withRecords(manyExclusions) << "too many points";
    // Set below the page, so that drawing it costs next to nothing whatever the fonts' widths
    // and only the amount of text can stop it.
    QByteArray longText = words({2100}) + QByteArray(2100, 'a') + words({30000, 0});
    QTest::newRow("text") << withRecords(repeated(rawRecord(R::TextOut, longText), 100))
                          << "too much text";
    QTest::newRow("points") << withRecords(repeated(rawRecord(R::Polyline, polyline),
                                                    int(WmfLimits::maxTotalPoints / perRecord) + 2))
                            << "too many points";
}

void TestWmfMalformed::limits() {
    QFETCH(QByteArray, file);
    QFETCH(QString, problem);
    const WmfPicture picture = WmfPicture::fromData(file);
    QVERIFY(!picture.isNull());
    QVERIFY(!picture.parseResult().complete);
    QCOMPARE(picture.parseResult().problem, problem);
    QVERIFY(picture.parseResult().records <= WmfLimits::maxRecords);
}

void TestWmfMalformed::bitmapBudget() {
    WmfBitmapBudget budget;
    QVERIFY(!budget.take(WmfLimits::maxBitmapPixels + 1));
    QVERIFY(budget.take(WmfLimits::maxBitmapPixels));
    QVERIFY(budget.take(WmfLimits::maxTotalBitmapPixels - WmfLimits::maxBitmapPixels));
    QVERIFY(!budget.take(1));
}

void TestWmfMalformed::oversizedFileRefused() {
    QByteArray file = page().build(false);
    file.append(repeated(rawRecord(R::SetBkMode, words({1})), 1));
    file.resize(WmfLimits::maxFileBytes + 2, '\0');
    QVERIFY(WmfPicture::fromData(file).isNull());
}

namespace {

// A page built here with the records the content pages lack: bitmaps, regions, clips, curves.
QByteArray mixedPage() {
    QByteArray region;
    for (int w : {0, 6, 0, 0, 0, 1, 4, 10, 10, 40, 20, 4, 10, 20, 10, 20, 30, 40, 4})
        WmfBuilder::appendWord(region, w);
    QByteArray bitmap = words({0x0020, 0x00CC, 2, 2, 0, 0, 100, 100, 0, 0});
    bitmap += WmfBuilder::dib(
        2, 2, 24, {}, {QByteArray::fromHex("ff000000ffff"), QByteArray::fromHex("0000ff00ff00")});
    return page()
        .windowExt(100, 100)
        .pen(0, 2, qRgb(200, 0, 0))
        .brush(0, qRgb(0, 120, 0))
        .font(-12, "Arial")
        .select(0)
        .select(1)
        .select(2)
        .record(R::SaveDc, {})
        .record(R::IntersectClipRect, {90, 90, 5, 5})
        .points(R::Polygon, {{10, 10}, {90, 20}, {50, 90}})
        .points(R::Polyline, {{0, 0}, {100, 100}, {0, 100}})
        .record(R::Ellipse, {60, 60, 20, 20})
        .record(R::Arc, {0, 50, 50, 0, 90, 90, 10, 10})
        .record(R::RestoreDc, {-1})
        .bytes(R::DibStretchBlt, bitmap)
        .bytes(R::CreateRegion, region)
        .record(R::SelectClipRegion, {3})
        .textOut(20, 40, "Orvelles")
        .extTextOut(20, 60, 0, "Rich and Poor")
        .rectangle(5, 5, 95, 95)
        .build();
}

} // namespace

// Seeds of the project's own making, so that a plain clone mutates them too: content pages as the
// page tool writes them, and pages built here.
void TestWmfMalformed::mutatedFiles_data() {
    QTest::addColumn<QByteArray>("seedFile");
    for (const char* name : {"guide1.wmf", "key introductionb.wmf", "acknowledgments.wmf"}) {
        QFile file(QStringLiteral(ORVELLES_SOURCE_DIR "/content/wmf2/") + QLatin1String(name));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QTest::newRow(name) << file.readAll();
    }
    QTest::newRow("built: shapes, bitmap, region") << mixedPage();
    QTest::newRow("built: placeable only") << page().rectangle(0, 0, 500, 500).build();
}

void TestWmfMalformed::mutatedCorpusFiles_data() {
    QTest::addColumn<QByteArray>("seedFile");
    const QString dir = QStringLiteral(ORVELLES_WMF_CORPUS "/");
    if (!QDir(dir).exists())
        QSKIP("the shared metafile corpus (ORVELLES_WMF_CORPUS) is not beside the project");
    for (const char* name : {"wmf2svg--fulltest.wmf", "lo--test_libuemf_ref.wmf",
                             "libwmf--fulltest.wmf", "lo--image81.wmf", "wmfpreview--bird.wmf"}) {
        QFile file(dir + QLatin1String(name));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QTest::newRow(name) << file.readAll();
    }
}

// Random damage with a fixed seed: bytes changed, sizes rewritten, files cut short.
void TestWmfMalformed::mutatedFiles() {
    QFETCH(QByteArray, seedFile);
    QVERIFY(WmfPicture::fromData(seedFile).parseResult().complete);
    QRandomGenerator random(20240607);
    for (int round = 0; round < 150; ++round) {
        QByteArray file = seedFile;
        const int changes = 1 + int(random.bounded(12));
        for (int i = 0; i < changes; ++i) {
            const int at = int(random.bounded(quint32(file.size())));
            file[at] = char(random.bounded(4) == 0 ? 0xFF : random.bounded(256));
        }
        if (random.bounded(4) == 0)
            file.truncate(int(random.bounded(quint32(file.size()))));
        const WmfPicture picture = WmfPicture::fromData(file);
        paintSmall(picture);
        QVERIFY(picture.isNull() || picture.parseResult().records <= WmfLimits::maxRecords);
    }
}

QTEST_MAIN(TestWmfMalformed)
#include "tst_wmfmalformed.moc"
