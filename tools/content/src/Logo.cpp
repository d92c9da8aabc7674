#include "Pictures.h"
#include "Sketch.h"

#include <QFont>
#include <QLinearGradient>

#include <cmath>

namespace pictures {
namespace {

const QColor navy(22, 38, 96);
const QColor cream(250, 244, 226);
const QColor gold(236, 188, 54);
const QColor viewerBlue(49, 130, 212); // the acknowledgements page's background

// The Quenmark mark: a ring for the Q, crossed by a quill that forms its tail.
void mark(Sketch& s, QPointF c, double r, const QColor& ring) {
    QPainterPath band;
    band.addEllipse(c, r, r);
    band.addEllipse(c, r * 0.68, r * 0.68);
    s.shape(band, QBrush(ring));
    QPainter& p = s.painter();
    p.save();
    p.translate(c + QPointF(r * 0.74, r * 0.74));
    p.rotate(-42);
    QPainterPath vane;
    vane.moveTo(-r * 0.1, 0);
    vane.cubicTo(-r * 0.35, -r * 0.5, -r * 0.3, -r * 1.2, 0, -r * 1.55);
    vane.cubicTo(r * 0.3, -r * 1.2, r * 0.35, -r * 0.5, r * 0.1, 0);
    vane.closeSubpath();
    QLinearGradient g(-r * 0.3, 0, r * 0.3, 0);
    g.setColorAt(0, QColor(255, 240, 180));
    g.setColorAt(1, gold);
    s.shape(vane, QBrush(g));
    s.line(QPointF(0, r * 0.05), QPointF(0, -r * 1.45), std::max(0.6, r * 0.05),
           QColor(170, 120, 30));
    for (double y = -r * 0.4; y > -r * 1.3; y -= r * 0.22) {
        s.line(QPointF(0, y), QPointF(-r * 0.2, y - r * 0.12), std::max(0.5, r * 0.03),
               QColor(200, 150, 40));
        s.line(QPointF(0, y), QPointF(r * 0.2, y - r * 0.12), std::max(0.5, r * 0.03),
               QColor(200, 150, 40));
    }
    QPainterPath nib;
    nib.moveTo(-r * 0.1, 0);
    nib.lineTo(r * 0.1, 0);
    nib.lineTo(0, r * 0.42);
    nib.closeSubpath();
    s.shape(nib, QColor(60, 60, 70));
    p.restore();
}

void star(Sketch& s, QPointF c, double r, const QColor& colour) {
    QPainterPath path;
    for (int i = 0; i < 10; ++i) {
        const double a = -M_PI / 2 + i * M_PI / 5;
        const double rr = i % 2 ? r * 0.42 : r;
        const QPointF at = c + QPointF(std::cos(a), std::sin(a)) * rr;
        if (i == 0)
            path.moveTo(at);
        else
            path.lineTo(at);
    }
    path.closeSubpath();
    s.shape(path, QBrush(colour));
}

} // namespace

QImage makerLogo() {
    QImage image(120, 89, QImage::Format_RGB32);
    image.fill(viewerBlue);
    QPainter painter(&image);
    Sketch s(painter, 1.0, navy);
    s.shape(rectPath(1.5, 1.5, 117, 86, 8), QBrush(cream));
    s.line(rectPath(5, 5, 110, 79, 6), 1.0, gold);
    mark(s, QPointF(60, 29), 17, navy);
    QFont title(QStringLiteral("Liberation Serif"));
    title.setPixelSize(17);
    title.setBold(true);
    title.setLetterSpacing(QFont::AbsoluteSpacing, 0.6);
    painter.setFont(title);
    painter.setPen(navy);
    painter.drawText(QRectF(0, 50, 120, 20), Qt::AlignCenter, QStringLiteral("QUENMARK"));
    QFont small(QStringLiteral("Liberation Sans"));
    small.setPixelSize(8);
    small.setBold(true);
    small.setLetterSpacing(QFont::AbsoluteSpacing, 1.6);
    painter.setFont(small);
    painter.setPen(QColor(150, 104, 30));
    painter.drawText(QRectF(0, 69, 120, 11), Qt::AlignCenter, QStringLiteral("PUBLISHING"));
    return image;
}

// A gold star circles the badge once every frameCount frames, trailing fading sparks.
QImage logoFrame(int frame, int frameCount) {
    constexpr int scale = 3;
    QImage big(120 * scale, 120 * scale, QImage::Format_RGB32);
    big.fill(viewerBlue);
    QPainter painter(&big);
    painter.scale(scale, scale);
    Sketch s(painter, 1.2, QColor(12, 20, 60));
    const QPointF c(60, 60);
    QRadialGradient disc(c + QPointF(-12, -14), 62);
    disc.setColorAt(0, navy.lighter(150));
    disc.setColorAt(1, navy);
    s.shape(ellipsePath(c, 52, 52), QBrush(disc));
    QPainterPath rim;
    rim.addEllipse(c, 52, 52);
    rim.addEllipse(c, 47, 47);
    s.shape(rim, QBrush(gold));
    mark(s, c + QPointF(-3, -3), 25, cream);
    const double orbit = 49.5;
    for (int trail = 4; trail >= 1; --trail) {
        const double a = 2 * M_PI * (frame - trail * 0.35) / frameCount - M_PI / 2;
        QColor spark(255, 246, 200, 200 - trail * 40);
        s.dot(c + QPointF(std::cos(a), std::sin(a)) * orbit, 3.2 - trail * 0.5, spark, false);
    }
    const double a = 2 * M_PI * frame / frameCount - M_PI / 2;
    star(s, c + QPointF(std::cos(a), std::sin(a)) * orbit, 7.5, QColor(255, 236, 120));
    painter.end();
    return big.scaled(120, 120, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

} // namespace pictures
