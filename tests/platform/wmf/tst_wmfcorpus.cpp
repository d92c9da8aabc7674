#include "platform/wmf/WmfPicture.h"
#include "platform/wmf/WmfQtPainter.h"
#include "platform/wmf/WmfRecorder.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QTest>

// The public sample metafiles of the shared corpus: every one reads to its end and paints, and the
// two that come with renderings by the system's own player look like them.
class TestWmfCorpus : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void everyFileReadsAndPaints_data();
    void everyFileReadsAndPaints();
    void naturalSizes_data();
    void naturalSizes();
    void looksLikeReference_data();
    void looksLikeReference();
    void matchesOwnReference_data() { everyFileReadsAndPaints_data(); }
    void matchesOwnReference();
};

namespace {

QString corpus(const QString& name = {}) {
    return QStringLiteral(ORVELLES_WMF_CORPUS "/") + name;
}

QImage blank(QSize size) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

int colourDistance(QRgb p, QRgb q) {
    return qMax(qAbs(qRed(p) - qRed(q)),
                qMax(qAbs(qGreen(p) - qGreen(q)), qAbs(qBlue(p) - qBlue(q))));
}

// Whether some pixel of `image` within one pixel of (x, y) has about the colour `c`.
bool hasNear(const QImage& image, int x, int y, QRgb c) {
    for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
            const int nx = qBound(0, x + dx, image.width() - 1);
            const int ny = qBound(0, y + dy, image.height() - 1);
            if (colourDistance(image.pixel(nx, ny), c) <= 96)
                return true;
        }
    }
    return false;
}

// Share of pixels of either image with nothing like them within a pixel in the other: a line
// one pixel to the side does not count, a missing, extra or misplaced shape does.
qreal strongDifference(const QImage& a, const QImage& b) {
    qint64 differing = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x)
            differing += !hasNear(b, x, y, a.pixel(x, y)) || !hasNear(a, x, y, b.pixel(x, y));
    }
    return qreal(differing) / (qreal(a.width()) * a.height());
}

QRectF drawnBounds(const WmfRecorder& recording) {
    QRectF bounds;
    for (const auto& c : recording.commands()) {
        if (const auto* p = std::get_if<WmfCommand::Polygon>(&c))
            bounds |= p->points.boundingRect();
    }
    return bounds;
}

} // namespace

void TestWmfCorpus::everyFileReadsAndPaints_data() {
    QTest::addColumn<QString>("path");
    const QStringList files = QDir(corpus()).entryList({QStringLiteral("*.wmf")}, QDir::Files);
    QVERIFY(files.size() >= 30);
    for (const QString& name : files)
        QTest::newRow(qPrintable(name)) << corpus(name);
}

void TestWmfCorpus::everyFileReadsAndPaints() {
    QFETCH(QString, path);
    const WmfPicture picture = WmfPicture::load(path);
    QVERIFY(!picture.isNull());
    QVERIFY2(picture.parseResult().complete, qPrintable(picture.parseResult().problem));
    const QSize size = picture.sizePixels();
    QVERIFY(size.width() >= 16 && size.height() >= 16);
    QVERIFY(size.width() <= 4000 && size.height() <= 4000);

    const QSize shown = size.boundedTo(QSize(800, 800));
    QImage image = blank(shown);
    QPainter painter(&image);
    painter.setTransform(QTransform::fromTranslate(3, 5)); // state the picture must restore
    picture.paint(&painter, QRectF(QPointF(-3, -5), QSizeF(shown)));
    QCOMPARE(painter.transform(), QTransform::fromTranslate(3, 5));
    painter.end();
    // Something visible was drawn.
    QVERIFY(strongDifference(image, blank(shown)) > 0.001);
}

void TestWmfCorpus::naturalSizes_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSize>("pixels");
    QTest::newRow("placeable, 2540 units an inch") << "wmf2svg--fulltest.wmf" << QSize(1056, 816);
    QTest::newRow("placeable, 1200 units an inch") << "pillow--drawing.wmf" << QSize(110, 110);
    QTest::newRow("placeable, 96 units an inch") << "wmfpreview--tucan.wmf" << QSize(398, 530);
    QTest::newRow("window, twips")
        << "lo--problemcausing_200000620005A6F10001B215A12FD2C0.wmf" << QSize(933, 280);
    QTest::newRow("window, pixels") << "dotnet--gdiwmfboundariesbug.wmf" << QSize(324, 252);
    QTest::newRow("neither: what is drawn") << "libwmf--text.wmf" << QSize(446, 341);
}

void TestWmfCorpus::naturalSizes() {
    QFETCH(QString, name);
    QFETCH(QSize, pixels);
    QCOMPARE(WmfPicture::load(corpus(name)).sizePixels(), pixels);
}

void TestWmfCorpus::looksLikeReference_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("reference");
    QTest::addColumn<bool>("fitDrawing");
    QTest::addColumn<qreal>("allowed");

    QTest::newRow("broad test chart") << "wmf2svg--fulltest.wmf"
                                      << "wmf2svg--fulltest.png" << false << 0.025;
    // That renderer converts the file first and fits what is drawn to the image, so the
    // comparison does the same rather than use the placeable box.
    QTest::newRow("filled circle") << "pillow--drawing.wmf"
                                   << "pillow--drawing_wmf_ref.png" << true << 0.02;
}

void TestWmfCorpus::looksLikeReference() {
    QFETCH(QString, name);
    QFETCH(QString, reference);
    QFETCH(bool, fitDrawing);
    QFETCH(qreal, allowed);
    const QImage expected = QImage(corpus(reference)).convertToFormat(QImage::Format_RGB32);
    QVERIFY(!expected.isNull());
    const WmfPicture picture = WmfPicture::load(corpus(name));
    QImage actual = blank(expected.size());
    {
        QPainter painter(&actual);
        const QRectF target(QPointF(0, 0), QSizeF(expected.size()));
        if (fitDrawing) {
            WmfQtPainter player(&painter, drawnBounds(picture.recording()), target);
            picture.recording().replay(player);
        } else {
            picture.paint(&painter, target);
        }
    }
    const qreal difference = strongDifference(actual, expected);
    const qreal blankDifference = strongDifference(blank(expected.size()), expected);
    qInfo("%s: %.2f%% of pixels differ strongly (a blank picture: %.2f%%)", qPrintable(name),
          100 * difference, 100 * blankDifference);
    QVERIFY(difference < allowed);
    QVERIFY(difference < blankDifference / 2);
}

void TestWmfCorpus::initTestCase() {
    if (!QDir(corpus()).exists())
        QSKIP("the shared metafile corpus (ORVELLES_WMF_CORPUS) is not beside the project");
}

// Each corpus file as this reader paints it, kept small under tests/, so that a change that
// alters a picture shows up here and in review. ORVELLES_UPDATE_REFERENCES=1 rewrites them.
void TestWmfCorpus::matchesOwnReference() {
    QFETCH(QString, path);
    const WmfPicture picture = WmfPicture::load(path);
    QVERIFY(!picture.isNull());
    const QSize size =
        QSize(picture.sizePixels()).scaled(240, 240, Qt::KeepAspectRatio).expandedTo({1, 1});
    QImage rendering = blank(size);
    {
        QPainter painter(&rendering);
        painter.setRenderHint(QPainter::Antialiasing);
        picture.paint(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    }
    const QString reference = QStringLiteral(ORVELLES_SOURCE_DIR "/tests/platform/wmf/reference/") +
                              QFileInfo(path).completeBaseName() + QStringLiteral(".png");
    if (qEnvironmentVariableIsSet("ORVELLES_UPDATE_REFERENCES")) {
        QDir().mkpath(QFileInfo(reference).absolutePath());
        QVERIFY(rendering.save(reference));
        return;
    }
    QImage expected(reference);
    QVERIFY2(!expected.isNull(), qPrintable("no reference image " + reference));
    expected = expected.convertToFormat(QImage::Format_RGB32);
    QCOMPARE(expected.size(), rendering.size());
    QVERIFY2(strongDifference(expected, rendering) <= 0.01, qPrintable(path));
}

QTEST_MAIN(TestWmfCorpus)
#include "tst_wmfcorpus.moc"
