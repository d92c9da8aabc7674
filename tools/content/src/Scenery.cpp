#include "Scenery.h"

#include <QLinearGradient>
#include <QRadialGradient>

#include <cmath>

namespace scenery {
namespace {

const QColor orvelleRed(176, 30, 42);

QBrush gold(double top, double bottom) {
    QLinearGradient g(0, top, 0, bottom);
    g.setColorAt(0, QColor(255, 230, 120));
    g.setColorAt(0.55, QColor(236, 188, 54));
    g.setColorAt(1, QColor(196, 142, 34));
    return QBrush(g);
}

QPainterPath shieldPath(QPointF c, double h) {
    const double w = h * 0.42;
    const double top = c.y() - h / 2;
    QPainterPath path;
    path.moveTo(c.x() - w, top);
    path.lineTo(c.x() + w, top);
    path.lineTo(c.x() + w, top + h * 0.45);
    path.cubicTo(c.x() + w, top + h * 0.8, c.x() + w * 0.3, top + h * 0.92, c.x(), top + h);
    path.cubicTo(c.x() - w * 0.3, top + h * 0.92, c.x() - w, top + h * 0.8, c.x() - w,
                 top + h * 0.45);
    path.closeSubpath();
    return path;
}

// The oak itself, fitted in a box of the given height centred on c: a broad rounded crown on
// a stout trunk with spreading roots, and an acorn hanging at each side.
void oak(Sketch& sketch, QPointF c, double h) {
    const double top = c.y() - h / 2;
    auto at = [&](double x, double y) { return QPointF(c.x() + x * h, top + y * h); };
    QPainterPath trunk;
    trunk.moveTo(at(-0.08, 0.5));
    trunk.lineTo(at(0.08, 0.5));
    trunk.lineTo(at(0.09, 0.86));
    trunk.quadTo(at(0.14, 0.96), at(0.3, 1.0));
    trunk.lineTo(at(-0.3, 1.0));
    trunk.quadTo(at(-0.14, 0.96), at(-0.09, 0.86));
    trunk.closeSubpath();
    QPainterPath crown;
    const double r = h * 0.15;
    for (const QPointF& lobe :
         {QPointF(-0.34, 0.4), QPointF(-0.24, 0.22), QPointF(0, 0.13), QPointF(0.24, 0.22),
          QPointF(0.34, 0.4), QPointF(-0.17, 0.46), QPointF(0.17, 0.46), QPointF(0, 0.34)})
        crown.addEllipse(at(lobe.x(), lobe.y()), r, r * 0.95);
    crown.setFillRule(Qt::WindingFill);
    sketch.shape(trunk.united(crown.simplified()), gold(top, top + h));
    const QColor shade(176, 124, 30);
    sketch.line(at(0, 0.62), at(-0.12, 0.5), h * 0.025, shade);
    sketch.line(at(0, 0.68), at(0.12, 0.52), h * 0.025, shade);
    for (double side : {-1.0, 1.0}) {
        sketch.shape(ellipsePath(at(side * 0.42, 0.66), h * 0.05, h * 0.065), QColor(214, 160, 60));
        sketch.shape(ellipsePath(at(side * 0.42, 0.61), h * 0.06, h * 0.03), QColor(130, 86, 30));
    }
}

} // namespace

void oakBadge(Sketch& sketch, QPointF centre, double height) {
    const QPainterPath shield = shieldPath(centre, height);
    sketch.shape(shield, orvelleRed);
    const double saved = sketch.inkWidth();
    sketch.line(shieldPath(centre, height * 0.86), height * 0.025, QColor(236, 188, 54));
    sketch.setInkWidth(saved * 0.8);
    oak(sketch, centre + QPointF(0, -height * 0.04), height * 0.62);
    sketch.setInkWidth(saved);
}

void banner(Sketch& sketch, QPointF topCentre, double width, double height) {
    const double x0 = topCentre.x() - width / 2;
    const double y0 = topCentre.y();
    QPainterPath cloth;
    cloth.moveTo(x0, y0);
    cloth.lineTo(x0 + width, y0);
    cloth.lineTo(x0 + width, y0 + height);
    cloth.lineTo(topCentre.x(), y0 + height * 0.82);
    cloth.lineTo(x0, y0 + height);
    cloth.closeSubpath();
    sketch.shape(cloth, orvelleRed);
    sketch.line(QPointF(x0 + width * 0.08, y0 + 2), QPointF(x0 + width * 0.08, y0 + height * 0.9),
                width * 0.05, QColor(236, 188, 54));
    sketch.line(QPointF(x0 + width * 0.92, y0 + 2), QPointF(x0 + width * 0.92, y0 + height * 0.9),
                width * 0.05, QColor(236, 188, 54));
    const double saved = sketch.inkWidth();
    sketch.setInkWidth(saved * 0.8);
    oak(sketch, QPointF(topCentre.x(), y0 + height * 0.38), std::min(width * 0.75, height * 0.45));
    sketch.setInkWidth(saved);
    QPainterPath rod(QPointF(x0 - width * 0.12, y0));
    rod.lineTo(x0 + width * 1.12, y0);
    sketch.limb(rod, width * 0.07, QColor(120, 80, 40));
    sketch.dot(QPointF(x0 - width * 0.12, y0), width * 0.06, QColor(236, 188, 54));
    sketch.dot(QPointF(x0 + width * 1.12, y0), width * 0.06, QColor(236, 188, 54));
}

void archWindow(Sketch& sketch, const QRectF& o, const QColor& stone) {
    QPainter& p = sketch.painter();
    const double frame = o.width() * 0.12;
    auto arch = [](const QRectF& r) {
        QPainterPath path;
        const double rad = r.width() / 2;
        path.moveTo(r.left(), r.bottom());
        path.lineTo(r.left(), r.top() + rad);
        path.arcTo(QRectF(r.left(), r.top(), r.width(), r.width()), 180, -180);
        path.lineTo(r.right(), r.bottom());
        path.closeSubpath();
        return path;
    };
    sketch.shape(arch(o.adjusted(-frame, -frame, frame, frame * 0.6)), stone);
    const QPainterPath glass = arch(o);
    QLinearGradient sky(0, o.top(), 0, o.bottom());
    sky.setColorAt(0, QColor(150, 200, 240));
    sky.setColorAt(1, QColor(215, 235, 250));
    sketch.shape(glass, QBrush(sky));
    p.save();
    p.setClipPath(glass);
    const double step = o.width() / 3.2;
    QColor lead(80, 80, 90, 200);
    const double run = o.height() * 0.55; // diamonds taller than they are wide
    for (double d = -run; d < o.width() + run; d += step) {
        sketch.line(QPointF(o.left() + d, o.top()), QPointF(o.left() + d + run, o.bottom()), 0.9,
                    lead);
        sketch.line(QPointF(o.left() + d, o.top()), QPointF(o.left() + d - run, o.bottom()), 0.9,
                    lead);
    }
    QColor glint(255, 255, 255, 90);
    sketch.flat(polygonPath({{o.left() + o.width() * 0.15, o.bottom()},
                             {o.left() + o.width() * 0.45, o.bottom()},
                             {o.left() + o.width() * 0.95, o.top()},
                             {o.left() + o.width() * 0.65, o.top()}}),
                QBrush(glint));
    p.restore();
    sketch.line(QPointF(o.center().x(), o.top()), QPointF(o.center().x(), o.bottom()),
                o.width() * 0.06, stone.darker(110));
    sketch.line(QPointF(o.left(), o.top() + o.height() * 0.55),
                QPointF(o.right(), o.top() + o.height() * 0.55), o.width() * 0.05,
                stone.darker(110));
    p.setPen(QPen(sketch.ink(), sketch.inkWidth()));
    p.setBrush(Qt::NoBrush);
    p.drawPath(glass);
}

void cloud(Sketch& sketch, QPointF c, double w) {
    QPainterPath puff;
    puff.addEllipse(c + QPointF(-w * 0.28, w * 0.04), w * 0.22, w * 0.16);
    puff.addEllipse(c + QPointF(0, -w * 0.06), w * 0.26, w * 0.22);
    puff.addEllipse(c + QPointF(w * 0.26, w * 0.05), w * 0.2, w * 0.15);
    puff.addRoundedRect(QRectF(c.x() - w * 0.45, c.y(), w * 0.9, w * 0.17), w * 0.08, w * 0.08);
    puff.setFillRule(Qt::WindingFill);
    QLinearGradient g(0, c.y() - w * 0.3, 0, c.y() + w * 0.2);
    g.setColorAt(0, QColor(255, 255, 255));
    g.setColorAt(1, QColor(220, 230, 242));
    sketch.shape(puff.simplified(), QBrush(g));
}

void tree(Sketch& sketch, QPointF base, double h, const QColor& leaves) {
    QPainterPath trunk;
    trunk.moveTo(base.x() - h * 0.06, base.y());
    trunk.lineTo(base.x() - h * 0.04, base.y() - h * 0.45);
    trunk.lineTo(base.x() + h * 0.04, base.y() - h * 0.45);
    trunk.lineTo(base.x() + h * 0.06, base.y());
    trunk.closeSubpath();
    sketch.shape(trunk, QColor(110, 74, 44));
    QPainterPath crown;
    for (const QPointF& at : {QPointF(0, -0.72), QPointF(-0.2, -0.55), QPointF(0.2, -0.56),
                              QPointF(-0.1, -0.85), QPointF(0.12, -0.8)})
        crown.addEllipse(base + at * h, h * 0.2, h * 0.18);
    crown.setFillRule(Qt::WindingFill);
    QRadialGradient g(base + QPointF(-h * 0.12, -h * 0.85), h * 0.55);
    g.setColorAt(0, leaves.lighter(125));
    g.setColorAt(1, leaves.darker(115));
    sketch.shape(crown.simplified(), QBrush(g));
}

void shadow(QPainter& painter, QPointF centre, double rx, double ry, int alpha) {
    QRadialGradient g(centre, rx);
    g.setColorAt(0, QColor(0, 0, 0, alpha));
    g.setColorAt(1, QColor(0, 0, 0, 0));
    painter.save();
    painter.translate(centre);
    painter.scale(1.0, ry / rx);
    painter.translate(-centre);
    painter.setPen(Qt::NoPen);
    painter.setBrush(g);
    painter.drawEllipse(centre, rx, rx);
    painter.restore();
}

void chicken(Sketch& sketch, QPointF feet, double h, bool facingRight) {
    QPainter& p = sketch.painter();
    p.save();
    p.translate(feet);
    if (!facingRight)
        p.scale(-1, 1);
    const QColor beak(240, 170, 40);
    for (double x : {-0.1, 0.08})
        sketch.line(QPointF(x * h, -0.3 * h), QPointF(x * h, 0), h * 0.04, beak);
    QPainterPath tail;
    tail.moveTo(-0.3 * h, -0.55 * h);
    tail.lineTo(-0.55 * h, -0.95 * h);
    tail.lineTo(-0.42 * h, -0.5 * h);
    tail.closeSubpath();
    sketch.shape(tail, QColor(150, 80, 40));
    sketch.shape(ellipsePath({-0.05 * h, -0.52 * h}, 0.36 * h, 0.26 * h), QColor(196, 120, 60));
    sketch.shape(ellipsePath({-0.1 * h, -0.52 * h}, 0.18 * h, 0.1 * h), QColor(170, 96, 46));
    sketch.shape(ellipsePath({0.26 * h, -0.82 * h}, 0.15 * h, 0.16 * h), QColor(196, 120, 60));
    sketch.shape(polygonPath({{0.38 * h, -0.86 * h}, {0.52 * h, -0.8 * h}, {0.38 * h, -0.76 * h}}),
                 beak);
    sketch.shape(ellipsePath({0.24 * h, -0.99 * h}, 0.08 * h, 0.06 * h), QColor(220, 40, 40));
    sketch.dot(QPointF(0.3 * h, -0.85 * h), 0.025 * h, QColor(30, 20, 20), false);
    p.restore();
}

void flag(Sketch& sketch, QPointF foot, double poleHeight, double w) {
    const QPointF top = foot - QPointF(0, poleHeight);
    sketch.line(foot, top, std::max(1.0, w * 0.06), QColor(90, 70, 50));
    QPainterPath cloth(top + QPointF(0, w * 0.05));
    cloth.cubicTo(top + QPointF(w * 0.35, -w * 0.1), top + QPointF(w * 0.65, w * 0.2),
                  top + QPointF(w, w * 0.05));
    cloth.lineTo(top + QPointF(w * 0.85, w * 0.3));
    cloth.lineTo(top + QPointF(w, w * 0.55));
    cloth.cubicTo(top + QPointF(w * 0.65, w * 0.7), top + QPointF(w * 0.35, w * 0.4),
                  top + QPointF(0, w * 0.6));
    cloth.closeSubpath();
    sketch.shape(cloth, orvelleRed);
    sketch.dot(top + QPointF(w * 0.42, w * 0.3), w * 0.1, QColor(236, 188, 54), false);
    sketch.dot(top, std::max(1.0, w * 0.06), QColor(236, 188, 54));
}

} // namespace scenery
