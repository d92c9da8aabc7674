#include "GifWriter.h"

#include <QBuffer>
#include <QImageReader>
#include <QRandomGenerator>
#include <QTest>

namespace {

gif::IndexedImage patterned(int width, int height, int colours, quint32 seed, bool noisy) {
    gif::IndexedImage image;
    image.width = width;
    image.height = height;
    for (int i = 0; i < colours; ++i)
        image.palette.push_back(qRgb((i * 37) & 0xff, (i * 91 + 13) & 0xff, (255 - i * 7) & 0xff));
    QRandomGenerator random(seed);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.pixels.push_back(
                uint8_t(noisy ? random.bounded(colours) : ((x / 5 + y / 3) % colours)));
    return image;
}

QImage decode(const QByteArray& bytes) {
    QBuffer buffer;
    buffer.setData(bytes);
    QImageReader reader(&buffer, "gif");
    return reader.read().convertToFormat(QImage::Format_RGB32);
}

} // namespace

class TestGifWriter : public QObject {
    Q_OBJECT
private slots:
    void roundTripsThroughQtReader_data() {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<int>("colours");
        QTest::addColumn<bool>("noisy");
        QTest::newRow("one pixel") << 1 << 1 << 2 << false;
        QTest::newRow("one colour") << 17 << 9 << 1 << false;
        QTest::newRow("two colours, odd size") << 33 << 21 << 2 << true;
        QTest::newRow("five colours pads the table") << 40 << 40 << 5 << true;
        QTest::newRow("runs of 256 colours") << 120 << 120 << 256 << false;
        // Noise fills the 4096-code table many times over, so the clear-and-restart path runs.
        QTest::newRow("noise of 256 colours") << 300 << 200 << 256 << true;
        QTest::newRow("noise of 16 colours") << 257 << 131 << 16 << true;
    }
    void roundTripsThroughQtReader() {
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(int, colours);
        QFETCH(bool, noisy);
        const gif::IndexedImage image = patterned(width, height, colours, 7u, noisy);
        const QImage decoded = decode(gif::encode(image));
        QCOMPARE(decoded.size(), QSize(width, height));
        int mismatches = 0;
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) {
                const QRgb expected = image.palette[image.pixels[size_t(y * width + x)]];
                if ((decoded.pixel(x, y) & 0xffffff) != (expected & 0xffffff))
                    ++mismatches;
            }
        QCOMPARE(mismatches, 0);
    }

    void paletteKeepsFewColoursExactly() {
        QImage picture(30, 20, QImage::Format_RGB32);
        const QList<QRgb> used{qRgb(250, 10, 10), qRgb(10, 200, 30), qRgb(0, 0, 90),
                               qRgb(255, 255, 255)};
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x)
                picture.setPixel(x, y, used[(x / 4 + y) % used.size()]);
        const QList<QRgb> palette = gif::medianCutPalette({picture}, 256);
        QCOMPARE(palette.size(), used.size());
        const gif::IndexedImage indexed = gif::toIndexed(picture, palette);
        const QImage decoded = decode(gif::encode(indexed));
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x)
                QCOMPARE(decoded.pixel(x, y) & 0xffffff, picture.pixel(x, y) & 0xffffff);
    }

    void paletteIsCappedAndCloseForGradients() {
        QImage picture(256, 64, QImage::Format_RGB32);
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x)
                picture.setPixel(x, y, qRgb(x, y * 4, 255 - x));
        const QList<QRgb> palette = gif::medianCutPalette({picture}, 64);
        QCOMPARE(palette.size(), 64);
        const gif::IndexedImage indexed = gif::toIndexed(picture, palette);
        int worst = 0;
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x) {
                const QRgb a = picture.pixel(x, y);
                const QRgb b = palette[indexed.pixels[size_t(y * picture.width() + x)]];
                worst = std::max({worst, std::abs(qRed(a) - qRed(b)),
                                  std::abs(qGreen(a) - qGreen(b)), std::abs(qBlue(a) - qBlue(b))});
            }
        QVERIFY2(worst <= 40, qPrintable(QString::number(worst)));
    }
};

QTEST_GUILESS_MAIN(TestGifWriter)
#include "tst_gifwriter.moc"
