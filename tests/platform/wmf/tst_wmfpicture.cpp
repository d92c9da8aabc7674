#include "platform/wmf/WmfBuilder.h"

#include "platform/wmf/WmfPicture.h"
#include "platform/wmf/WmfRecorder.h"
#include "support/TempContent.h"

#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QTest>

namespace R = WmfRecordType;

class TestWmfPicture : public QObject {
    Q_OBJECT
private slots:
    void loadsFromFile();
    void missingFileIsNull();
    void tooLargeAPictureIsNull();
    void paintsInsideTarget_data();
    void paintsInsideTarget();
    void leavesPainterAsFound();
    void copiesShareTheDrawing();
    void paintsOnPdf();
    void nullPicturePaintsNothing();
};

namespace {

// A black square filling the whole picture, 100 units a side.
QByteArray blackSquare() {
    return WmfBuilder()
        .placeable(QRect(0, 0, 100, 100), 1440)
        .brush(0, qRgb(0, 0, 0))
        .pen(5, 0, 0)
        .select(0)
        .select(1)
        .rectangle(0, 0, 100, 100)
        .build();
}

QImage whiteImage(int w, int h) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

int blackPixels(const QImage& image, const QRect& area) {
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            n += qGray(image.pixel(x, y)) < 128;
    return n;
}

} // namespace

void TestWmfPicture::loadsFromFile() {
    TempContent content;
    content.write("wmf/square.wmf", blackSquare());
    const WmfPicture picture = WmfPicture::load(content.path() + "/wmf/square.wmf");
    QVERIFY(!picture.isNull());
    QCOMPARE(picture.sizeTwips(), QSize(100, 100));
    QCOMPARE(picture.sizePixels(), QSize(7, 7));
}

void TestWmfPicture::missingFileIsNull() {
    TempContent content;
    const WmfPicture picture = WmfPicture::load(content.path() + "/wmf/none.wmf");
    QVERIFY(picture.isNull());
    QCOMPARE(picture.sizeTwips(), QSize());
    QCOMPARE(picture.sizePixels(), QSize());
}

void TestWmfPicture::tooLargeAPictureIsNull() {
    // 30000 units at one unit an inch would be 30000 inches wide.
    const QByteArray file = WmfBuilder().placeable(QRect(0, 0, 30000, 100), 1).build();
    const WmfPicture picture = WmfPicture::fromData(file);
    QVERIFY(picture.isNull());
    QVERIFY(picture.parseResult().valid);
}

void TestWmfPicture::paintsInsideTarget_data() {
    QTest::addColumn<QTransform>("transform");
    QTest::addColumn<QRect>("clip"); // empty: none
    QTest::addColumn<QRectF>("target");
    QTest::addColumn<QRect>("black");

    QTest::newRow("plain") << QTransform() << QRect() << QRectF(10, 20, 30, 15)
                           << QRect(10, 20, 30, 15);
    QTest::newRow("painter scaled")
        << QTransform::fromScale(2, 2) << QRect() << QRectF(5, 5, 10, 10) << QRect(10, 10, 20, 20);
    QTest::newRow("painter clipped")
        << QTransform() << QRect(0, 0, 25, 60) << QRectF(10, 20, 30, 15) << QRect(10, 20, 15, 15);
}

void TestWmfPicture::paintsInsideTarget() {
    QFETCH(QTransform, transform);
    QFETCH(QRect, clip);
    QFETCH(QRectF, target);
    QFETCH(QRect, black);
    QImage image = whiteImage(60, 60);
    QPainter painter(&image);
    painter.setTransform(transform);
    if (!clip.isEmpty())
        painter.setClipRect(clip);
    WmfPicture::fromData(blackSquare()).paint(&painter, target);
    painter.end();
    QCOMPARE(blackPixels(image, black), black.width() * black.height());
    QCOMPARE(blackPixels(image, image.rect()), black.width() * black.height());
}

void TestWmfPicture::leavesPainterAsFound() {
    const QByteArray file = WmfBuilder()
                                .placeable(QRect(0, 0, 100, 100), 1440)
                                .pen(0, 5, qRgb(255, 0, 0))
                                .select(0)
                                .record(R::SetRop2, {7})
                                .record(R::IntersectClipRect, {50, 50, 0, 0})
                                .font(-10, "Arial")
                                .select(1)
                                .textOut(0, 0, "x")
                                .rectangle(0, 0, 100, 100)
                                .build();
    QImage image = whiteImage(50, 50);
    QPainter painter(&image);
    const QPen pen(Qt::green, 3);
    painter.setPen(pen);
    painter.setBrush(Qt::yellow);
    painter.setFont(QFont("Courier New", 7));
    WmfPicture::fromData(file).paint(&painter, QRectF(0, 0, 50, 50));
    QCOMPARE(painter.pen(), pen);
    QCOMPARE(painter.brush(), QBrush(Qt::yellow));
    QCOMPARE(painter.font().family(), QStringLiteral("Courier New"));
    QCOMPARE(painter.transform(), QTransform());
    QVERIFY(!painter.hasClipping());
    QCOMPARE(painter.compositionMode(), QPainter::CompositionMode_SourceOver);
}

void TestWmfPicture::copiesShareTheDrawing() {
    const WmfPicture picture = WmfPicture::fromData(blackSquare());
    const WmfPicture copy = picture;
    QCOMPARE(&copy.recording(), &picture.recording());
    QVERIFY(!picture.recording().commands().empty());
}

void TestWmfPicture::paintsOnPdf() {
    TempContent content;
    const QString path = content.path() + "/page.pdf";
    {
        QPdfWriter pdf(path);
        QPainter painter(&pdf);
        WmfPicture::load(QStringLiteral(ORVELLES_SOURCE_DIR "/content/wmf2/key introductionb.wmf"))
            .paint(&painter, QRectF(0, 0, 4000, 3000));
    }
    const QByteArray pdf = content.read("page.pdf");
    QVERIFY(pdf.startsWith("%PDF"));
    QVERIFY(pdf.size() > 5000);
}

void TestWmfPicture::nullPicturePaintsNothing() {
    QImage image = whiteImage(20, 20);
    QPainter painter(&image);
    WmfPicture().paint(&painter, QRectF(0, 0, 20, 20));
    WmfPicture::fromData("junk").paint(&painter, QRectF(0, 0, 20, 20));
    WmfPicture::fromData(blackSquare()).paint(nullptr, QRectF(0, 0, 20, 20));
    painter.end();
    QCOMPARE(blackPixels(image, image.rect()), 0);
    QVERIFY(WmfPicture().isNull());
}

QTEST_MAIN(TestWmfPicture)
#include "tst_wmfpicture.moc"
