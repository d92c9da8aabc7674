#include "FigurePainter.h"

#include <cmath>

namespace {

const QColor lace(250, 247, 238);
const QColor linen(236, 228, 205);
const QColor shoeDark(58, 40, 32);

BodyFrame frameFor(const Person& who) {
    const bool woman = isWoman(who.role);
    if (who.child)
        return {10.2, -89.6, -74.5, woman ? 9.0 : 10.0, -53.0, woman ? 5.4 : 6.6, -25.0};
    return {7.6, -91.9, -80.0, woman ? 9.6 : 11.5, -57.0, woman ? 5.8 : 7.4, -27.0};
}

QPainterPath mirrorX(const QPainterPath& path) {
    return QTransform::fromScale(-1, 1).map(path);
}

} // namespace

bool isWoman(Role role) {
    return role == Role::Queen || role == Role::RichWoman || role == Role::PoorWoman ||
           role == Role::Princess;
}

bool isRich(Role role) {
    return role != Role::PoorMan && role != Role::PoorWoman;
}

void paintPerson(Sketch& sketch, QPointF feet, const Person& who) {
    QPainter& p = sketch.painter();
    p.save();
    const double scale = who.stature / 100.0;
    p.translate(feet);
    p.scale(who.flip ? -scale : scale, scale);
    const double ink = sketch.inkWidth();
    sketch.setInkWidth(ink / scale);
    FigurePainter(sketch, who).paint();
    sketch.setInkWidth(ink);
    p.restore();
}

FigurePainter::FigurePainter(Sketch& sketch, const Person& who)
    : sketch_(sketch), p_(sketch.painter()), who_(who), f_(frameFor(who)) {}

void FigurePainter::paint() {
    behind();
    legs();
    if (woman())
        skirt();
    else if (who_.role == Role::King)
        robe();
    neck();
    torso();
    if (who_.ruff)
        ruff();
    arms();
    head();
}

void FigurePainter::behind() {
    backHair();
    if (who_.hat == Hat::Hood)
        hood(true);
    if (who_.role == Role::RichMan)
        cape();
}

void FigurePainter::cape() {
    const double w = f_.shoulderW;
    QPainterPath path;
    path.moveTo(-w - 0.5, f_.shoulderY);
    path.cubicTo(-w - 5, f_.shoulderY + 6, -w - 6.5, f_.waistY + 4, -w - 5.5, f_.waistY + 11);
    path.quadTo(0, f_.waistY + 13, w + 5.5, f_.waistY + 11);
    path.cubicTo(w + 6.5, f_.waistY + 4, w + 5, f_.shoulderY + 6, w + 0.5, f_.shoulderY);
    path.closeSubpath();
    sketch_.shape(path, who_.second);
}

void FigurePainter::legs() {
    const bool king = who_.role == Role::King;
    if (woman() || king) {
        for (int s : {-1, 1})
            sketch_.shape(ellipsePath({s * 4.6, -1.3}, 3.8, 1.9), shoeDark);
        return;
    }
    if (who_.role == Role::PoorMan) {
        const QColor hose(122, 112, 96);
        for (int s : {-1, 1}) {
            QPainterPath leg = rectPath(1.8, f_.kneeY - 2, 4.6, -f_.kneeY - 4, 1.5);
            sketch_.shape(s < 0 ? mirrorX(leg) : leg, hose);
            QPainterPath boot;
            boot.moveTo(1.4, -10);
            boot.lineTo(6.8, -10);
            boot.lineTo(7.0, -3.5);
            boot.quadTo(10.0, -3.0, 9.6, -0.4);
            boot.lineTo(1.2, -0.4);
            boot.closeSubpath();
            sketch_.shape(s < 0 ? mirrorX(boot) : boot, QColor(96, 64, 38));
            const QPainterPath breech = rectPath(0.6, -44, 9.2, f_.kneeY + 1.8 + 44, 2.2);
            sketch_.shape(s < 0 ? mirrorX(breech) : breech, who_.second);
            sketch_.line(QPointF(s * 3, f_.kneeY + 1.8), QPointF(s * 2.2, f_.kneeY + 4.2), 0.6,
                         sketch_.ink());
        }
        return;
    }
    // Hose, garters, shoes with rosettes, then puffed trunk hose over the thighs.
    const double top = f_.waistY + 6;
    for (int s : {-1, 1}) {
        QPainterPath leg = rectPath(1.5, top, 5.0, -top - 3, 2.0);
        sketch_.shape(s < 0 ? mirrorX(leg) : leg, who_.second);
        sketch_.shape(ellipsePath({s * 5.4, -1.9}, 4.5, 2.1), shoeDark);
        sketch_.dot({s * 5.0, -3.0}, 1.0, who_.trim);
        sketch_.line(QPointF(s * 1.6, f_.kneeY), QPointF(s * 6.4, f_.kneeY), 1.0, who_.trim);
        sketch_.dot({s * 6.6, f_.kneeY + 0.6}, 0.9, who_.trim);
    }
    const double w = f_.waistW;
    const double y = f_.waistY;
    QPainterPath trunks;
    trunks.moveTo(-w - 0.5, y - 1);
    trunks.cubicTo(-w - 5, y + 1, -w - 5.5, y + 10, -w - 2, y + 14);
    trunks.quadTo(-3, y + 15.5, 0, y + 12.5);
    trunks.quadTo(3, y + 15.5, w + 2, y + 14);
    trunks.cubicTo(w + 5.5, y + 10, w + 5, y + 1, w + 0.5, y - 1);
    trunks.closeSubpath();
    sketch_.shape(trunks, who_.main);
    p_.save();
    p_.setClipPath(trunks);
    QColor pane = who_.trim;
    pane.setAlpha(170);
    for (double x = -w - 3; x <= w + 3; x += 4.2)
        sketch_.line(QPointF(x, y - 1), QPointF(x * 1.05, y + 15), 1.5, pane);
    p_.restore();
    p_.setBrush(Qt::NoBrush);
    p_.setPen(QPen(sketch_.ink(), sketch_.inkWidth()));
    p_.drawPath(trunks);
}

void FigurePainter::skirt() {
    const double hem = -1.6;
    double hw = 17;
    switch (who_.role) {
    case Role::Queen:
        hw = 25;
        break;
    case Role::RichWoman:
        hw = 24;
        break;
    case Role::Princess:
        hw = who_.child ? 17.5 : 21;
        break;
    default:
        break;
    }
    const double w = f_.waistW;
    const double y = f_.waistY;
    QPainterPath s;
    s.moveTo(-w, y);
    s.cubicTo(-w - hw * (rich() ? 0.55 : 0.25), y + 8, -hw, hem - 18, -hw, hem);
    s.quadTo(0, hem + 2.4, hw, hem);
    s.cubicTo(hw, hem - 18, w + hw * (rich() ? 0.55 : 0.25), y + 8, w, y);
    s.closeSubpath();
    sketch_.shape(s, who_.main);

    p_.save();
    p_.setClipPath(s);
    QColor fold = who_.main.darker(130);
    fold.setAlpha(150);
    for (double k : {-0.62, -0.25, 0.25, 0.62}) {
        QPainterPath line(QPointF(k * w * 1.4, y + 6));
        line.quadTo(QPointF(k * hw * 0.8, hem - 20), QPointF(k * hw * 0.95, hem + 2));
        sketch_.line(line, 0.55, fold);
    }
    if (rich()) {
        QPainterPath front =
            polygonPath({{-1.8, y + 3}, {1.8, y + 3}, {hw * 0.45, hem + 3}, {-hw * 0.45, hem + 3}});
        sketch_.shape(front, who_.second);
        for (double yy = y + 8; yy < hem; yy += 4.6)
            for (double xx = -hw; xx < hw; xx += 4.2) {
                const double shift = std::fmod(std::abs(yy - y), 9.2) < 4.6 ? 0 : 2.1;
                const QPointF at(xx + shift, yy);
                if (front.contains(at))
                    sketch_.dot(at, 0.75, who_.trim, false);
            }
        for (int side : {-1, 1})
            sketch_.line(QPointF(side * 1.8, y + 3), QPointF(side * hw * 0.45, hem + 3), 1.1,
                         who_.trim);
        QPainterPath band(QPointF(-hw, hem - 2.2));
        band.quadTo(0, hem + 0.2, hw, hem - 2.2);
        sketch_.line(band, 1.6, who_.trim);
    }
    p_.restore();
    p_.setBrush(Qt::NoBrush);
    p_.setPen(QPen(sketch_.ink(), sketch_.inkWidth()));
    p_.drawPath(s);

    if (!rich()) {
        QPainterPath apron;
        apron.moveTo(-7.2, y + 0.6);
        apron.lineTo(7.2, y + 0.6);
        apron.lineTo(9.4, -15);
        apron.quadTo(0, -13.4, -9.4, -15);
        apron.closeSubpath();
        sketch_.shape(apron, linen);
        QPainterPath patch = rectPath(hw * 0.5, -22, 4.6, 4.4, 0.6);
        sketch_.shape(patch, who_.trim);
        QPen stitch(sketch_.ink(), 0.35, Qt::DashLine);
        p_.setPen(stitch);
        p_.setBrush(Qt::NoBrush);
        p_.drawRect(QRectF(hw * 0.5 + 0.7, -21.3, 3.2, 3.0));
    }
}

void FigurePainter::robe() {
    const double w = f_.shoulderW;
    QPainterPath gown;
    gown.moveTo(-w - 1.5, f_.shoulderY + 1);
    gown.cubicTo(-w - 3, f_.waistY, -19, -20, -20, -1.5);
    gown.quadTo(0, 0.8, 20, -1.5);
    gown.cubicTo(19, -20, w + 3, f_.waistY, w + 1.5, f_.shoulderY + 1);
    gown.closeSubpath();
    sketch_.shape(gown, who_.main);
    p_.save();
    p_.setClipPath(gown);
    const double top = f_.shoulderY + 5;
    sketch_.shape(polygonPath({{-3, top}, {3, top}, {6.5, 1}, {-6.5, 1}}), who_.second);
    for (double yy = top + 4; yy < -3; yy += 5)
        sketch_.line(QPointF(-2.5 - (yy - top) * 0.04, yy), QPointF(2.5 + (yy - top) * 0.04, yy),
                     0.5, who_.trim);
    for (int s : {-1, 1}) {
        const QPainterPath edge =
            polygonPath({{s * 3.0, top}, {s * 6.4, top}, {s * 10.0, 1}, {s * 6.5, 1}});
        ermine(edge);
    }
    QPainterPath hemBand(QPointF(-21, -5.5));
    hemBand.quadTo(0, -3.2, 21, -5.5);
    hemBand.lineTo(21, 2);
    hemBand.lineTo(-21, 2);
    hemBand.closeSubpath();
    ermine(hemBand);
    p_.restore();
    p_.setBrush(Qt::NoBrush);
    p_.setPen(QPen(sketch_.ink(), sketch_.inkWidth()));
    p_.drawPath(gown);
}

void FigurePainter::ermine(const QPainterPath& band) {
    sketch_.shape(band, QBrush(lace));
    p_.save();
    p_.setClipPath(band, Qt::IntersectClip);
    const QRectF box = band.boundingRect();
    int row = 0;
    for (double y = box.top() + 1.2; y < box.bottom(); y += 2.6, ++row)
        for (double x = box.left() + (row % 2 ? 1.6 : 0.2); x < box.right(); x += 3.2) {
            QPainterPath tail = ellipsePath({x, y}, 0.38, 0.85);
            sketch_.flat(tail, QBrush(QColor(30, 26, 26)));
        }
    p_.restore();
}

void FigurePainter::torso() {
    switch (who_.role) {
    case Role::King: {
        const double w = f_.shoulderW;
        const double y = f_.shoulderY;
        QPainterPath collar;
        collar.moveTo(-w - 2.4, y + 1);
        collar.quadTo(-w - 2.8, y + 9, -w + 1, y + 11);
        collar.quadTo(0, y + 13.5, w - 1, y + 11);
        collar.quadTo(w + 2.8, y + 9, w + 2.4, y + 1);
        collar.quadTo(0, y - 3, -w - 2.4, y + 1);
        collar.closeSubpath();
        ermine(collar);
        QPainterPath chain(QPointF(-6.5, y + 8));
        chain.quadTo(0, y + 24, 6.5, y + 8);
        for (int i = 0; i <= 14; ++i)
            sketch_.dot(chain.pointAtPercent(i / 14.0), 0.75, who_.trim);
        sketch_.dot({0, y + 17}, 2.0, who_.trim);
        sketch_.dot({0, y + 17}, 0.9, QColor(60, 120, 60), false);
        break;
    }
    case Role::RichMan:
    case Role::Prince:
        manDoublet();
        break;
    case Role::PoorMan:
        poorTunic();
        break;
    default:
        womanBodice();
        break;
    }
}

void FigurePainter::womanBodice() {
    const double w = f_.shoulderW;
    const double y = f_.shoulderY;
    const double point = rich() ? 5 : 1.2;
    const double neckLine = who_.ruff ? 0 : 5;
    QPainterPath bodice;
    bodice.moveTo(-w, y + 0.8);
    bodice.lineTo(-w * 0.6, y);
    bodice.lineTo(-w * 0.55, y + neckLine);
    bodice.lineTo(w * 0.55, y + neckLine);
    bodice.lineTo(w * 0.6, y);
    bodice.lineTo(w, y + 0.8);
    bodice.lineTo(f_.waistW, f_.waistY);
    bodice.lineTo(0, f_.waistY + point);
    bodice.lineTo(-f_.waistW, f_.waistY);
    bodice.closeSubpath();
    sketch_.shape(bodice, who_.main);
    if (rich()) {
        const QPainterPath stomacher = polygonPath(
            {{-w * 0.45, y + neckLine + 0.6}, {w * 0.45, y + neckLine + 0.6}, {0, f_.waistY + 4}});
        sketch_.shape(stomacher, who_.second);
        for (double t = 0.15; t < 0.95; t += 0.2)
            sketch_.dot({0, y + neckLine + 0.6 + t * (f_.waistY + 4 - y - neckLine)}, 0.8,
                        who_.trim);
        if (!who_.ruff)
            for (double x = -w * 0.5; x <= w * 0.5 + 0.01; x += 1.35)
                sketch_.dot({x, y + neckLine}, 0.62, lace);
        return;
    }
    for (double yy = y + 7; yy < f_.waistY - 1; yy += 2.6) {
        sketch_.line(QPointF(-1.5, yy), QPointF(1.5, yy + 1.6), 0.45, sketch_.ink());
        sketch_.line(QPointF(1.5, yy), QPointF(-1.5, yy + 1.6), 0.45, sketch_.ink());
    }
    QPainterPath kerchief;
    kerchief.moveTo(-w - 0.6, y + 0.6);
    kerchief.quadTo(-w * 0.5, y - 1.2, 0, y + 3.5);
    kerchief.quadTo(w * 0.5, y - 1.2, w + 0.6, y + 0.6);
    kerchief.lineTo(w * 0.3, y + 9);
    kerchief.lineTo(0, y + 11.5);
    kerchief.lineTo(-w * 0.3, y + 9);
    kerchief.closeSubpath();
    sketch_.shape(kerchief, linen);
}

void FigurePainter::manDoublet() {
    const double w = f_.shoulderW;
    const double y = f_.shoulderY;
    QPainterPath body;
    body.moveTo(-w, y + 1.5);
    body.quadTo(-w, y - 0.5, -w + 2, y - 0.5);
    body.lineTo(w - 2, y - 0.5);
    body.quadTo(w, y - 0.5, w, y + 1.5);
    body.lineTo(f_.waistW + 1, f_.waistY);
    body.lineTo(0, f_.waistY + 4);
    body.lineTo(-f_.waistW - 1, f_.waistY);
    body.closeSubpath();
    sketch_.shape(body, who_.main);
    QColor seam = who_.main.darker(140);
    for (int s : {-1, 1}) {
        QPainterPath panel(QPointF(s * w * 0.5, y + 1));
        panel.quadTo(s * w * 0.45, f_.waistY - 6, s * f_.waistW * 0.5, f_.waistY + 1.5);
        sketch_.line(panel, 0.5, seam);
    }
    sketch_.line(QPointF(-f_.waistW - 0.8, f_.waistY - 0.6), QPointF(0, f_.waistY + 3.2), 1.0,
                 who_.trim);
    sketch_.line(QPointF(f_.waistW + 0.8, f_.waistY - 0.6), QPointF(0, f_.waistY + 3.2), 1.0,
                 who_.trim);
    for (int i = 0; i < 6; ++i)
        sketch_.dot({0, y + 2.5 + i * (f_.waistY - y - 1) / 6.0}, 0.7, who_.trim);
}

void FigurePainter::poorTunic() {
    const double w = f_.shoulderW;
    const double y = f_.shoulderY;
    QPainterPath body;
    body.moveTo(-w, y + 1.5);
    body.quadTo(-w, y - 0.5, -w + 2, y - 0.5);
    body.lineTo(w - 2, y - 0.5);
    body.quadTo(w, y - 0.5, w, y + 1.5);
    body.lineTo(w + 2.4, -37.5);
    body.quadTo(0, -35.2, -w - 2.4, -37.5);
    body.closeSubpath();
    sketch_.shape(body, who_.main);
    sketch_.shape(polygonPath({{-2.6, y - 0.4}, {2.6, y - 0.4}, {0, y + 6.5}}), who_.skin);
    for (double yy = y + 1.6; yy < y + 5.5; yy += 1.6)
        sketch_.line(QPointF(-1.4 + (yy - y) * 0.2, yy), QPointF(1.4 - (yy - y) * 0.2, yy + 0.8),
                     0.4, sketch_.ink());
    const QColor rope(196, 166, 104);
    QPainterPath belt(QPointF(-w * 0.8, f_.waistY + 1));
    belt.quadTo(0, f_.waistY + 2.6, w * 0.8, f_.waistY + 1);
    sketch_.limb(belt, 1.3, rope);
    sketch_.dot({2.3, f_.waistY + 2.0}, 1.2, rope);
    QPainterPath knotEnd(QPointF(2.2, f_.waistY + 2.1));
    knotEnd.quadTo(3.2, f_.waistY + 6, 2.0, f_.waistY + 9);
    sketch_.limb(knotEnd, 0.9, rope);
    QPen stitch(sketch_.ink(), 0.35, Qt::DashLine);
    for (const QRectF& r :
         {QRectF(-w + 1.5, f_.waistY + 6, 4.6, 4.2), QRectF(3.5, y + 9, 4, 3.6)}) {
        sketch_.shape(rectPath(r.x(), r.y(), r.width(), r.height(), 0.5), who_.trim);
        p_.setPen(stitch);
        p_.setBrush(Qt::NoBrush);
        p_.drawRect(r.adjusted(0.7, 0.7, -0.7, -0.7));
    }
}

void FigurePainter::ruff() {
    const double rx = woman() ? 8.0 : 8.8;
    const double ry = 3.1;
    const QPointF c(0, f_.shoulderY - 0.6);
    QPainterPath frill;
    const int steps = 180;
    for (int i = 0; i <= steps; ++i) {
        const double a = 2 * M_PI * i / steps;
        const double wobble = 1 + 0.07 * std::abs(std::sin(9 * a));
        const QPointF at(c.x() + rx * wobble * std::cos(a), c.y() + ry * wobble * std::sin(a));
        if (i == 0)
            frill.moveTo(at);
        else
            frill.lineTo(at);
    }
    frill.closeSubpath();
    sketch_.shape(frill, QBrush(lace));
    QColor pleat = sketch_.ink();
    pleat.setAlpha(140);
    for (int i = 0; i < 18; ++i) {
        const double a = 2 * M_PI * (i + 0.5) / 18;
        const QPointF in(c.x() + rx * 0.55 * std::cos(a), c.y() + ry * 0.55 * std::sin(a));
        const QPointF out(c.x() + rx * 0.92 * std::cos(a), c.y() + ry * 0.92 * std::sin(a));
        sketch_.line(in, out, 0.35, pleat);
    }
}
