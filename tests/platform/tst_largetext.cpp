// Large text drawn from kept glyph pictures must look like Qt's own drawing of it, and give
// way to Qt where Qt's drawing serves.
#include "platform/LargeText.h"

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPicture>
#include <QTest>
#include <QWidget>

namespace {

const QString sample = QStringLiteral("Key Facts: Rich and Poor, 1603");

// The sample on one line from a point, or wrapped and centred in a box, by Qt or from kept
// glyphs; a null picture when the kept glyphs give way to Qt.
QImage drawn(int pixels, qreal ratio, const QColor& colour, bool large, bool inBox = false) {
    QImage image(QSize(pixels * 18, pixels * 4) * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::white);
    QPainter painter(&image);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(pixels);
    painter.setFont(font);
    painter.setPen(colour);
    const QPointF origin(pixels / 2.0, pixels * 1.4);
    const QRectF box(pixels / 2.0, pixels / 3.0, pixels * 11, pixels * 3.5);
    const int flags = Qt::AlignTop | Qt::AlignHCenter | Qt::TextWordWrap;
    if (!large && inBox)
        painter.drawText(box, flags, sample);
    else if (!large)
        painter.drawText(origin, sample);
    else if (inBox ? !LargeText::drawInBox(painter, box, flags, sample)
                   : !LargeText::draw(painter, origin, font, sample, colour))
        return {};
    return image;
}

// The ink of a picture on white, and how far two pictures differ, in the same unit.
double ink(const QImage& image) {
    double sum = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            sum += 255 - qGray(image.pixel(x, y));
    return sum;
}

double difference(const QImage& a, const QImage& b) {
    double sum = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            sum += qAbs(qGray(a.pixel(x, y)) - qGray(b.pixel(x, y)));
    return sum;
}

// A caption in a child window, painted as the window system paints it: through its parent,
// from where it stands in the parent.
class Caption : public QWidget {
public:
    Caption(QWidget* parent, bool large) : QWidget(parent), large_(large) {}

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPixelSize(80);
        painter.setFont(font);
        painter.setPen(Qt::black);
        const int flags = Qt::AlignCenter | Qt::TextWordWrap;
        if (!large_ || !LargeText::drawInBox(painter, rect(), flags, sample))
            painter.drawText(rect(), flags, sample);
    }

private:
    bool large_;
};

QImage parentWithCaption(bool large) {
    QWidget parent;
    parent.resize(1400, 700);
    parent.setStyleSheet(QStringLiteral("background: white"));
    (new Caption(&parent, large))->setGeometry(300, 200, 1000, 400);
    return parent.grab().toImage();
}

} // namespace

class TestLargeText : public QObject {
    Q_OBJECT
private slots:
    void looksLikeQtsOwn_data();
    void looksLikeQtsOwn();
    void standsWhereItsWidgetStands();
    void givesWayToQt();
};

void TestLargeText::looksLikeQtsOwn_data() {
    QTest::addColumn<int>("pixels");
    QTest::addColumn<qreal>("ratio");
    QTest::addColumn<QColor>("colour");
    QTest::addColumn<bool>("inBox");
    QTest::newRow("70 px") << 70 << 1.0 << QColor(Qt::black) << false;
    QTest::newRow("160 px, red") << 160 << 1.0 << QColor(160, 0, 0) << false;
    QTest::newRow("40 px on a display at twice") << 40 << 2.0 << QColor(Qt::blue) << false;
    QTest::newRow("70 px, wrapped in a box") << 70 << 1.0 << QColor(Qt::black) << true;
    QTest::newRow("40 px at twice, in a box") << 40 << 2.0 << QColor(Qt::darkGreen) << true;
}

void TestLargeText::looksLikeQtsOwn() {
    QFETCH(int, pixels);
    QFETCH(qreal, ratio);
    QFETCH(QColor, colour);
    QFETCH(bool, inBox);
    const QImage qt = drawn(pixels, ratio, colour, false, inBox);
    const QImage kept = drawn(pixels, ratio, colour, true, inBox);
    QVERIFY2(!kept.isNull(), "large text gave way to Qt");
    // The same letters, in the same places, with the same weight: whole-pixel placing and the
    // glyph's own filling leave only the edges' smoothing to differ.
    const double qtInk = ink(qt);
    QVERIFY(qtInk > 0);
    QVERIFY2(qAbs(ink(kept) - qtInk) < 0.03 * qtInk,
             qPrintable(QStringLiteral("ink %1 against %2").arg(ink(kept)).arg(qtInk)));
    QVERIFY2(
        difference(qt, kept) < 0.1 * qtInk,
        qPrintable(QStringLiteral("difference %1 of ink %2").arg(difference(qt, kept)).arg(qtInk)));
    // Drawn again from the kept glyphs, it comes out the same.
    QCOMPARE(drawn(pixels, ratio, colour, true, inBox), kept);
}

void TestLargeText::standsWhereItsWidgetStands() {
    const QImage qt = parentWithCaption(false);
    const QImage kept = parentWithCaption(true);
    QVERIFY(ink(qt) > 0);
    QVERIFY2(difference(qt, kept) < 0.1 * ink(qt),
             qPrintable(
                 QStringLiteral("difference %1 of ink %2").arg(difference(qt, kept)).arg(ink(qt))));
}

void TestLargeText::givesWayToQt() {
    // Small enough for Qt's own cache, or too large to keep.
    QVERIFY(drawn(40, 1.0, Qt::black, true).isNull());
    QVERIFY(drawn(400, 1.0, Qt::black, true).isNull());
    // A recording keeps text as text.
    QPicture picture;
    QPainter recorder(&picture);
    QFont font;
    font.setPixelSize(100);
    QVERIFY(!LargeText::draw(recorder, QPointF(0, 100), font, sample, Qt::black));
    recorder.end();
    // Rotated or stretched one way.
    QImage image(200, 200, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&image);
    painter.rotate(30);
    QVERIFY(!LargeText::draw(painter, QPointF(0, 100), font, sample, Qt::black));
    painter.resetTransform();
    painter.scale(2, 1);
    QVERIFY(!LargeText::draw(painter, QPointF(0, 100), font, sample, Qt::black));
}

QTEST_MAIN(TestLargeText)
#include "tst_largetext.moc"
