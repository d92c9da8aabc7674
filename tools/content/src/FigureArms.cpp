#include "FigurePainter.h"

#include <QLineF>

#include <cmath>

namespace {

const QColor lace(250, 247, 238);
const QColor gold(232, 188, 60);
const QColor wood(122, 82, 46);

QPointF along(QPointF from, QPointF to, double t) {
    return from + (to - from) * t;
}

} // namespace

ArmPose FigurePainter::pose(bool right) const {
    const double s = right ? 1 : -1;
    const double w = f_.shoulderW;
    const double y = f_.waistY;
    const QPointF shoulder(s * (w - 2.2), f_.shoulderY + 3);
    auto make = [&](double ex, double ey, double hx, double hy) {
        return ArmPose{shoulder, QPointF(s * ex, ey), QPointF(s * hx, hy)};
    };
    const auto hang = make(w + 1.2, y - 2, w + 2.2, y + 11);
    const auto folded = make(w + 2.3, y - 3.5, 2.6, y + 0.5);
    switch (who_.holds) {
    case Holds::Sceptre:
        return right ? make(w + 3.5, y - 0.5, w + 1.0, f_.shoulderY + 13) : hang;
    case Holds::Cane:
        return right ? make(w + 2.8, y - 3, w + 4.5, y + 6)
                     : make(w + 6.5, y - 3, f_.waistW + 1.8, y + 1);
    case Holds::Spade:
        return right ? make(w + 2.8, y - 3, w + 4.5, y + 6) : hang;
    case Holds::Basket:
        return right ? hang : make(w + 2.5, y - 2, w + 4.2, y + 9);
    case Holds::Fan:
        return right ? folded : make(w + 3.5, y - 1, 4.0, f_.shoulderY + 17);
    case Holds::Book:
        return make(w + 2.3, y - 3.5, 5.2, y - 5);
    case Holds::Flower:
        return folded;
    case Holds::Nothing:
        break;
    }
    return woman() ? folded : hang;
}

void FigurePainter::arms() {
    const ArmPose right = pose(true);
    const ArmPose left = pose(false);
    sleeve(left);
    sleeve(right);
    heldBehindHand(right, left);
    for (const ArmPose& arm : {left, right})
        sketch_.dot(arm.hand, who_.child ? 2.5 : 2.35, who_.skin);
    heldInFront(right, left);
}

void FigurePainter::sleeve(const ArmPose& arm) {
    const double width = who_.child ? 5.2 : (rich() ? 5.8 : 5.0);
    const QPointF wrist = along(arm.elbow, arm.hand, 0.82);
    const QColor cloth = who_.role == Role::PoorWoman ? who_.main.darker(108) : who_.main;
    if (who_.role == Role::PoorMan) {
        // Sleeves rolled up for work, showing the forearm.
        const QPointF rolled = along(arm.elbow, arm.hand, 0.35);
        QPainterPath forearm(rolled);
        forearm.lineTo(arm.hand);
        sketch_.limb(forearm, 3.6, who_.skin);
        QPainterPath upper(arm.shoulder);
        upper.lineTo(arm.elbow);
        upper.lineTo(rolled);
        sketch_.limb(upper, width, cloth);
        const QLineF dir(arm.elbow, arm.hand);
        const QLineF cuff = QLineF::fromPolar(width * 0.62, dir.angle() + 90).translated(rolled);
        QPainterPath band(rolled - (cuff.p2() - rolled));
        band.lineTo(cuff.p2());
        sketch_.limb(band, 1.6, cloth.lighter(115));
        return;
    }
    QPainterPath centre(arm.shoulder);
    centre.lineTo(arm.elbow);
    centre.lineTo(wrist);
    sketch_.limb(centre, width, cloth);
    if (rich()) {
        const QPainterPath puff =
            ellipsePath(arm.shoulder + QPointF(arm.shoulder.x() > 0 ? 0.6 : -0.6, 0.6), 3.6, 4.3);
        sketch_.shape(puff, cloth);
        QColor slash = who_.trim;
        slash.setAlpha(200);
        for (double dx : {-1.6, 0.0, 1.6})
            sketch_.line(arm.shoulder + QPointF(dx, -2.8), arm.shoulder + QPointF(dx * 1.2, 3.6),
                         0.8, slash);
    }
    const QLineF dir(arm.elbow, arm.hand);
    const QLineF across = QLineF::fromPolar(width * 0.55, dir.angle() + 90);
    const QPointF a = wrist + QPointF(across.dx(), across.dy());
    const QPointF b = wrist - QPointF(across.dx(), across.dy());
    QPainterPath cuff(a);
    cuff.lineTo(b);
    if (who_.role == Role::King) {
        const QLineF fwd = QLineF::fromPolar(2.6, dir.angle());
        const QPointF d(fwd.dx(), fwd.dy());
        ermine(polygonPath({a - d * 0.3, b - d * 0.3, b + d * 0.6, a + d * 0.6}));
    } else if (rich()) {
        sketch_.limb(cuff, 1.8, lace);
    } else {
        sketch_.limb(cuff, 1.0, cloth.darker(115));
    }
}

void FigurePainter::heldBehindHand(const ArmPose& right, const ArmPose& left) {
    switch (who_.holds) {
    case Holds::Sceptre: {
        const QPointF h = right.hand;
        QPainterPath rod(h + QPointF(-1.2, 9));
        rod.lineTo(h + QPointF(3.2, -24));
        sketch_.limb(rod, 1.5, gold);
        const QPointF top = h + QPointF(3.45, -26);
        sketch_.dot(top, 2.4, gold);
        sketch_.line(top + QPointF(0, -2.4), top + QPointF(0, -6.0), 1.0, gold);
        sketch_.line(top + QPointF(-1.6, -4.4), top + QPointF(1.6, -4.4), 1.0, gold);
        sketch_.dot(top, 0.9, QColor(200, 40, 50), false);
        break;
    }
    case Holds::Cane: {
        QPainterPath cane(right.hand + QPointF(-0.2, -1.5));
        cane.lineTo(QPointF(right.hand.x() + 2.8, -0.6));
        sketch_.limb(cane, 1.5, QColor(70, 44, 30));
        sketch_.dot(right.hand + QPointF(-0.4, -3.0), 1.6, gold);
        break;
    }
    case Holds::Spade: {
        const QPointF h = right.hand;
        QPainterPath handle(QPointF(h.x() - 0.8, h.y() - 20));
        handle.lineTo(QPointF(h.x() + 0.6, -12));
        sketch_.limb(handle, 2.0, wood);
        QPainterPath grip(QPointF(h.x() - 3.4, h.y() - 20.5));
        grip.lineTo(QPointF(h.x() + 1.8, h.y() - 20.5));
        sketch_.limb(grip, 1.8, wood);
        QPainterPath blade;
        const double x = h.x() + 0.6;
        blade.moveTo(x - 4.2, -13);
        blade.lineTo(x + 4.2, -13);
        blade.lineTo(x + 3.8, -3.5);
        blade.quadTo(x, 0.6, x - 3.8, -3.5);
        blade.closeSubpath();
        sketch_.shape(blade, QColor(170, 172, 178));
        break;
    }
    case Holds::Basket: {
        QPainterPath handle(left.hand + QPointF(-6.5, 7.5));
        handle.cubicTo(left.hand + QPointF(-6.5, -3), left.hand + QPointF(5.5, -3),
                       left.hand + QPointF(5.5, 7.5));
        sketch_.limb(handle, 1.2, QColor(168, 124, 70));
        break;
    }
    case Holds::Fan: {
        const QPointF h = left.hand;
        QPainterPath fan(h);
        fan.arcTo(QRectF(h.x() - 10, h.y() - 10, 20, 20), 60, 100);
        fan.closeSubpath();
        sketch_.shape(fan, QBrush(lace));
        for (int i = 0; i <= 8; ++i) {
            const QLineF rib = QLineF::fromPolar(9.6, 60 + i * 12.5).translated(h);
            sketch_.line(rib.p1(), rib.p2(), 0.35, QColor(150, 120, 90));
        }
        QPainterPath edge;
        edge.arcMoveTo(QRectF(h.x() - 9, h.y() - 9, 18, 18), 60);
        edge.arcTo(QRectF(h.x() - 9, h.y() - 9, 18, 18), 60, 100);
        sketch_.line(edge, 1.1, who_.trim);
        break;
    }
    case Holds::Flower: {
        const QPointF h = left.hand;
        QPainterPath stem(h + QPointF(0.5, 2));
        stem.quadTo(h + QPointF(-1.5, -5), h + QPointF(-3.5, -11));
        sketch_.line(stem, 0.8, QColor(60, 130, 60));
        sketch_.shape(ellipsePath(h + QPointF(-2.8, -5.5), 1.9, 0.9), QColor(80, 160, 70));
        const QPointF bloom = h + QPointF(-3.6, -12);
        for (int i = 0; i < 5; ++i) {
            const QLineF petal = QLineF::fromPolar(1.7, 90 + i * 72).translated(bloom);
            sketch_.dot(petal.p2(), 1.5, QColor(236, 120, 160));
        }
        sketch_.dot(bloom, 1.0, QColor(250, 210, 70));
        break;
    }
    default:
        break;
    }
}

void FigurePainter::heldInFront(const ArmPose& right, const ArmPose& left) {
    if (who_.holds == Holds::Basket) {
        basket(left.hand);
    } else if (who_.holds == Holds::Book) {
        const QPointF c = (left.hand + right.hand) / 2 + QPointF(0, -1.0);
        sketch_.shape(rectPath(c.x() - 6.8, c.y() - 4.8, 13.6, 9.8, 0.8), QColor(130, 34, 44));
        sketch_.flat(rectPath(c.x() - 6.2, c.y() + 4.3, 12.4, 0.6), QBrush(lace));
        sketch_.shape(ellipsePath(c, 2.2, 2.2), QBrush(gold));
        sketch_.line(c + QPointF(0, -1.3), c + QPointF(0, 1.3), 0.5, QColor(90, 60, 20));
        for (const ArmPose& arm : {left, right})
            sketch_.dot(arm.hand + QPointF(arm.hand.x() > 0 ? -1.6 : 1.6, -1.8), 1.0, who_.skin);
    }
}

void FigurePainter::basket(QPointF hand) {
    const QPointF c = hand + QPointF(-0.5, 10.5);
    for (const QPointF& at : {c + QPointF(-3.0, -3.4), c + QPointF(2.2, -3.6)})
        sketch_.shape(ellipsePath(at, 3.0, 1.9), QColor(196, 140, 74));
    sketch_.dot(c + QPointF(-0.2, -4.2), 1.7, QColor(200, 50, 40));
    sketch_.dot(c + QPointF(4.6, -3.2), 1.5, QColor(110, 170, 60));
    QPainterPath body;
    body.moveTo(c.x() - 7.2, c.y() - 3);
    body.lineTo(c.x() + 7.2, c.y() - 3);
    body.lineTo(c.x() + 5.8, c.y() + 4.5);
    body.quadTo(c.x(), c.y() + 5.6, c.x() - 5.8, c.y() + 4.5);
    body.closeSubpath();
    sketch_.shape(body, QColor(184, 138, 80));
    p_.save();
    p_.setClipPath(body);
    const QColor weave(130, 92, 48);
    for (double x = c.x() - 8; x < c.x() + 9; x += 2.2)
        sketch_.line(QPointF(x, c.y() - 3), QPointF(x + 0.6, c.y() + 6), 0.45, weave);
    for (double y = c.y() - 1.2; y < c.y() + 5; y += 2.0)
        sketch_.line(QPointF(c.x() - 8, y), QPointF(c.x() + 8, y), 0.45, weave);
    p_.restore();
    sketch_.line(QPointF(c.x() - 7.2, c.y() - 3), QPointF(c.x() + 7.2, c.y() - 3), 1.2,
                 QColor(150, 104, 56));
}
