#include "FigurePainter.h"

#include <QRadialGradient>

#include <cmath>

namespace {

const QColor lace(250, 247, 238);
const QColor linen(238, 232, 214);
const QColor velvet(38, 30, 44);
const QColor eyeDark(40, 30, 30);

QBrush goldBrush(double top, double bottom) {
    QLinearGradient g(0, top, 0, bottom);
    g.setColorAt(0, QColor(255, 232, 120));
    g.setColorAt(0.5, QColor(236, 190, 56));
    g.setColorAt(1, QColor(190, 138, 30));
    return QBrush(g);
}

} // namespace

void FigurePainter::backHair() {
    if (!who_.longHair)
        return;
    const double r = f_.headR;
    const QPointF c(0, f_.headY);
    QPainterPath hair = ellipsePath(c + QPointF(0, -0.3), r * 1.1, r * 1.08);
    QPainterPath fall;
    fall.moveTo(-r * 1.08, c.y());
    fall.cubicTo(-r * 1.2, c.y() + r * 1.4, -r * 1.45, f_.shoulderY + 4, -r * 1.2,
                 f_.shoulderY + 10);
    fall.quadTo(0, f_.shoulderY + 13, r * 1.2, f_.shoulderY + 10);
    fall.cubicTo(r * 1.45, f_.shoulderY + 4, r * 1.2, c.y() + r * 1.4, r * 1.08, c.y());
    fall.closeSubpath();
    sketch_.shape(hair.united(fall), who_.hair);
}

void FigurePainter::neck() {
    const double top = f_.headY + f_.headR * 0.5;
    const double y = f_.shoulderY;
    if (!woman() || who_.ruff) {
        sketch_.shape(rectPath(-2.6, top, 5.2, y + 2 - top), who_.skin);
        return;
    }
    const double w = f_.shoulderW;
    sketch_.shape(polygonPath({{-2.3, top},
                               {2.3, top},
                               {2.6, y - 1},
                               {w * 0.62, y},
                               {w * 0.58, y + 5.6},
                               {-w * 0.58, y + 5.6},
                               {-w * 0.62, y},
                               {-2.6, y - 1}}),
                  who_.skin);
}

void FigurePainter::head() {
    face();
    frontHair();
    hat();
}

void FigurePainter::face() {
    const double r = f_.headR;
    const QPointF c(0, f_.headY);
    if (!woman() && who_.hat != Hat::StrawHat && who_.hat != Hat::WoolCap)
        for (int s : {-1, 1})
            sketch_.shape(ellipsePath({s * r * 0.93, c.y() + r * 0.12}, r * 0.2, r * 0.28),
                          who_.skin);
    QRadialGradient skin(c + QPointF(-r * 0.35, -r * 0.4), r * 1.6);
    skin.setColorAt(0, who_.skin.lighter(108));
    skin.setColorAt(1, who_.skin.darker(110));
    sketch_.shape(ellipsePath(c, r * 0.93, r), QBrush(skin));

    const double eyeX = r * 0.36;
    const double eyeY = c.y() + r * 0.1;
    const double eyeR = who_.child ? r * 0.13 : r * 0.115;
    QColor brow = who_.hair.darker(125);
    for (int s : {-1, 1}) {
        sketch_.flat(ellipsePath({s * eyeX, eyeY}, eyeR, eyeR * 1.3), QBrush(eyeDark));
        sketch_.flat(
            ellipsePath({s * eyeX - eyeR * 0.3, eyeY - eyeR * 0.45}, eyeR * 0.38, eyeR * 0.38),
            QBrush(Qt::white));
        QPainterPath arch(QPointF(s * eyeX - r * 0.19, eyeY - r * 0.24));
        arch.quadTo(s * eyeX, eyeY - r * 0.38, s * eyeX + r * 0.19, eyeY - r * 0.25);
        sketch_.line(arch, r * 0.075, brow);
        QColor blush(236, 120, 120, 80);
        sketch_.flat(ellipsePath({s * r * 0.56, c.y() + r * 0.42}, r * 0.17, r * 0.13),
                     QBrush(blush));
    }
    QPainterPath nose(QPointF(r * 0.02, c.y() + r * 0.22));
    nose.quadTo(r * 0.16, c.y() + r * 0.4, -r * 0.04, c.y() + r * 0.43);
    sketch_.line(nose, r * 0.065, who_.skin.darker(145));
    beard();
    QPainterPath mouth(QPointF(-r * 0.24, c.y() + r * 0.57));
    mouth.quadTo(0, c.y() + r * 0.75, r * 0.24, c.y() + r * 0.57);
    sketch_.line(mouth, r * 0.075, QColor(150, 64, 62));
}

void FigurePainter::beard() {
    if (!who_.beard)
        return;
    const double r = f_.headR;
    const double y = f_.headY;
    QPainterPath b;
    b.moveTo(-r * 0.9, y + r * 0.05);
    b.cubicTo(-r * 0.95, y + r * 0.8, -r * 0.4, y + r * 1.35, 0, y + r * 1.55);
    b.cubicTo(r * 0.4, y + r * 1.35, r * 0.95, y + r * 0.8, r * 0.9, y + r * 0.05);
    b.lineTo(r * 0.78, y + r * 0.05);
    b.cubicTo(r * 0.7, y + r * 0.78, r * 0.35, y + r * 0.84, 0, y + r * 0.86);
    b.cubicTo(-r * 0.35, y + r * 0.84, -r * 0.7, y + r * 0.78, -r * 0.78, y + r * 0.05);
    b.closeSubpath();
    sketch_.shape(b, who_.hair);
    for (int s : {-1, 1}) {
        QPainterPath tash(QPointF(s * r * 0.04, y + r * 0.5));
        tash.quadTo(s * r * 0.25, y + r * 0.42, s * r * 0.46, y + r * 0.6);
        sketch_.limb(tash, r * 0.13, who_.hair);
    }
}

void FigurePainter::frontHair() {
    const double r = f_.headR;
    const QPointF c(0, f_.headY);
    QPainterPath hair;
    if (!woman()) {
        const double fringe = who_.child ? -0.38 : -0.48;
        hair.moveTo(-r * 0.98, c.y() + r * 0.15);
        hair.cubicTo(-r * 1.15, c.y() - r * 0.95, -r * 0.5, c.y() - r * 1.18, 0, c.y() - r * 1.12);
        hair.cubicTo(r * 0.5, c.y() - r * 1.18, r * 1.15, c.y() - r * 0.95, r * 0.98,
                     c.y() + r * 0.15);
        hair.lineTo(r * 0.8, c.y() + r * 0.15);
        hair.cubicTo(r * 0.82, c.y() + r * (fringe + 0.1), r * 0.3, c.y() + r * (fringe - 0.05), 0,
                     c.y() + r * fringe);
        hair.cubicTo(-r * 0.3, c.y() + r * (fringe + 0.12), -r * 0.82, c.y() + r * (fringe + 0.1),
                     -r * 0.8, c.y() + r * 0.15);
        hair.closeSubpath();
    } else {
        hair.moveTo(-r * 1.0, c.y() + r * 0.3);
        hair.cubicTo(-r * 1.12, c.y() - r * 0.95, -r * 0.5, c.y() - r * 1.14, 0, c.y() - r * 1.08);
        hair.cubicTo(r * 0.5, c.y() - r * 1.14, r * 1.12, c.y() - r * 0.95, r * 1.0,
                     c.y() + r * 0.3);
        hair.lineTo(r * 0.8, c.y() + r * 0.2);
        hair.cubicTo(r * 0.76, c.y() - r * 0.4, r * 0.3, c.y() - r * 0.62, 0.05, c.y() - r * 0.6);
        hair.lineTo(-0.05, c.y() - r * 0.6);
        hair.cubicTo(-r * 0.3, c.y() - r * 0.62, -r * 0.76, c.y() - r * 0.4, -r * 0.8,
                     c.y() + r * 0.2);
        hair.closeSubpath();
    }
    sketch_.shape(hair, who_.hair);
    QColor shine = who_.hair.lighter(135);
    shine.setAlpha(160);
    QPainterPath gleam(QPointF(-r * 0.65, c.y() - r * 0.62));
    gleam.quadTo(-r * 0.45, c.y() - r * 0.95, -r * 0.1, c.y() - r * 0.98);
    sketch_.line(gleam, r * 0.09, shine);
}

void FigurePainter::hat() {
    switch (who_.hat) {
    case Hat::Crown:
        if (woman())
            crown(f_.headR * 0.72, f_.headR * 0.72);
        else
            crown(f_.headR * 0.95, f_.headR * 0.92);
        break;
    case Hat::Circlet:
        circlet();
        break;
    case Hat::FeatherCap:
        featherCap();
        break;
    case Hat::Coif:
        coif();
        break;
    case Hat::StrawHat:
        strawHat();
        break;
    case Hat::WoolCap:
        woolCap();
        break;
    case Hat::Hood:
        hood(false);
        break;
    case Hat::None:
        break;
    }
}

void FigurePainter::crown(double w, double h) {
    const double r = f_.headR;
    const double y0 = f_.headY - r * (woman() ? 0.78 : 0.62);
    const double band = r * 0.3;
    sketch_.shape(ellipsePath({0, y0 - h * 0.5}, w * 0.86, h * 0.58), QColor(172, 28, 52));
    QPainterPath c;
    c.moveTo(-w, y0);
    c.lineTo(-w * 1.07, y0 - h);
    c.lineTo(-w * 0.75, y0 - band * 1.25);
    c.lineTo(-w * 0.5, y0 - h * 0.72);
    c.lineTo(-w * 0.25, y0 - band * 1.25);
    c.lineTo(0, y0 - h * 1.08);
    c.lineTo(w * 0.25, y0 - band * 1.25);
    c.lineTo(w * 0.5, y0 - h * 0.72);
    c.lineTo(w * 0.75, y0 - band * 1.25);
    c.lineTo(w * 1.07, y0 - h);
    c.lineTo(w, y0);
    c.quadTo(0, y0 + r * 0.14, -w, y0);
    c.closeSubpath();
    sketch_.shape(c, goldBrush(y0 - h, y0));
    QPainterPath rim(QPointF(-w * 1.02, y0 - band));
    rim.quadTo(0, y0 - band + r * 0.12, w * 1.02, y0 - band);
    sketch_.line(rim, r * 0.06, QColor(170, 120, 24));
    const QColor jewels[] = {QColor(60, 90, 210), QColor(210, 40, 50), QColor(40, 160, 80)};
    for (int i = 0; i < 3; ++i)
        sketch_.dot({(i - 1) * w * 0.58, y0 - band * 0.42 + (i == 1 ? r * 0.05 : 0)}, r * 0.1,
                    jewels[i]);
    for (const QPointF& tip :
         {QPointF(-w * 1.07, y0 - h), QPointF(-w * 0.5, y0 - h * 0.72), QPointF(0, y0 - h * 1.08),
          QPointF(w * 0.5, y0 - h * 0.72), QPointF(w * 1.07, y0 - h)})
        sketch_.dot(tip, r * 0.085, lace);
}

void FigurePainter::circlet() {
    const double r = f_.headR;
    const double y = f_.headY - r * 0.52;
    QPainterPath band(QPointF(-r * 0.93, y + r * 0.12));
    band.quadTo(0, y - r * 0.04, r * 0.93, y + r * 0.12);
    for (double x : {-0.42, 0.0, 0.42})
        sketch_.shape(polygonPath({{(x - 0.1) * r, y + r * 0.02},
                                   {x * r, y - r * (x == 0 ? 0.34 : 0.24)},
                                   {(x + 0.1) * r, y + r * 0.02}}),
                      goldBrush(y - r * 0.3, y));
    sketch_.limb(band, r * 0.13, QColor(236, 190, 56));
    sketch_.dot({0, y + r * 0.02}, r * 0.12, woman() ? QColor(60, 110, 220) : QColor(210, 40, 50));
}

void FigurePainter::featherCap() {
    const double r = f_.headR;
    p_.save();
    p_.translate(QPointF(r * 0.08, f_.headY - r * 0.8));
    p_.rotate(-8);
    sketch_.shape(ellipsePath({0, 0}, r * 1.32, r * 0.34), velvet);
    QPainterPath feather;
    feather.moveTo(r * 0.5, -r * 0.2);
    feather.cubicTo(r * 1.0, -r * 1.1, r * 1.7, -r * 1.4, r * 2.25, -r * 0.95);
    feather.cubicTo(r * 1.8, -r * 0.9, r * 1.1, -r * 0.6, r * 0.75, -r * 0.05);
    feather.closeSubpath();
    sketch_.shape(feather, QBrush(lace));
    QPainterPath quill(QPointF(r * 0.6, -r * 0.15));
    quill.cubicTo(r * 1.1, -r * 0.9, r * 1.7, -r * 1.15, r * 2.2, -r * 0.95);
    sketch_.line(quill, r * 0.04, QColor(170, 160, 150));
    sketch_.shape(ellipsePath({0, -r * 0.2}, r * 0.95, r * 0.38), velvet);
    sketch_.dot({r * 0.55, -r * 0.12}, r * 0.16, QColor(236, 190, 56));
    p_.restore();
}

void FigurePainter::coif() {
    const double r = f_.headR;
    const double y = f_.headY;
    QPainterPath cap;
    cap.moveTo(-r * 1.06, y + r * 0.32);
    cap.cubicTo(-r * 1.18, y - r * 1.2, r * 1.18, y - r * 1.2, r * 1.06, y + r * 0.32);
    cap.lineTo(r * 0.88, y + r * 0.32);
    cap.cubicTo(r * 0.86, y - r * 0.52, -r * 0.86, y - r * 0.52, -r * 0.88, y + r * 0.32);
    cap.closeSubpath();
    sketch_.shape(cap, QBrush(linen));
    QPainterPath edge(QPointF(-r * 0.9, y + r * 0.2));
    edge.cubicTo(-r * 0.86, y - r * 0.42, r * 0.86, y - r * 0.42, r * 0.9, y + r * 0.2);
    QPen frill(QColor(200, 190, 170), r * 0.06, Qt::DotLine, Qt::RoundCap);
    p_.setPen(frill);
    p_.setBrush(Qt::NoBrush);
    p_.drawPath(edge);
    for (int s : {-1, 1}) {
        QPainterPath tie(QPointF(s * r * 0.97, y + r * 0.3));
        tie.quadTo(s * r * 0.95, y + r * 0.95, s * r * 0.35, y + r * 1.12);
        sketch_.limb(tie, r * 0.1, linen);
    }
}

void FigurePainter::hood(bool back) {
    const double r = f_.headR;
    const QPointF c(0, f_.headY);
    if (back) {
        QPainterPath veil = ellipsePath(c + QPointF(0, -r * 0.1), r * 1.3, r * 1.22);
        veil.addRect(QRectF(-r * 1.3, c.y(), r * 2.6, f_.shoulderY + 3 - c.y()));
        veil.setFillRule(Qt::WindingFill);
        sketch_.shape(veil.simplified(), velvet);
        return;
    }
    // Drawn as two arcs rather than a boolean of ellipses, which leaves a seam across the face.
    const QRectF outer(-r * 1.3, c.y() - r * 0.12 - r * 1.24, r * 2.6, r * 2.48);
    const QRectF inner(-r * 1.0, c.y() + r * 0.05 - r * 0.97, r * 2.0, r * 1.94);
    QPainterPath crescent;
    crescent.arcMoveTo(outer, -22);
    crescent.arcTo(outer, -22, 224);
    crescent.arcTo(inner, 202, -224);
    crescent.closeSubpath();
    sketch_.shape(crescent, who_.main.darker(150));
    QPainterPath arc;
    for (int i = 0; i <= 20; ++i) {
        const double a = M_PI * (1.06 + 0.88 * i / 20.0);
        const QPointF at(std::cos(a) * r * 1.13, c.y() - r * 0.03 + std::sin(a) * r * 1.08);
        if (i == 0)
            arc.moveTo(at);
        else
            arc.lineTo(at);
    }
    sketch_.line(arc, r * 0.12, QColor(236, 190, 56));
    for (int i = 0; i <= 14; ++i)
        sketch_.dot(arc.pointAtPercent(i / 14.0), r * 0.07, lace);
}

void FigurePainter::strawHat() {
    const double r = f_.headR;
    const double y = f_.headY;
    const QColor straw(224, 190, 112);
    sketch_.shape(ellipsePath({0, y - r * 0.55}, r * 1.95, r * 0.42), straw);
    QPainterPath crownPart;
    crownPart.moveTo(-r * 1.0, y - r * 0.62);
    crownPart.cubicTo(-r * 1.06, y - r * 1.75, r * 1.06, y - r * 1.75, r * 1.0, y - r * 0.62);
    crownPart.quadTo(0, y - r * 0.42, -r * 1.0, y - r * 0.62);
    crownPart.closeSubpath();
    sketch_.shape(crownPart, straw);
    QPainterPath band(QPointF(-r * 1.0, y - r * 0.75));
    band.quadTo(0, y - r * 0.55, r * 1.0, y - r * 0.75);
    sketch_.line(band, r * 0.2, QColor(120, 80, 46));
    const QColor weave(176, 140, 70);
    for (double x : {-1.55, -1.25, 1.25, 1.55})
        sketch_.line(QPointF(x * r, y - r * 0.62), QPointF(x * r * 1.08, y - r * 0.45), r * 0.05,
                     weave);
}

void FigurePainter::woolCap() {
    const double r = f_.headR;
    const double y = f_.headY;
    const QColor wool(150, 70, 52);
    QPainterPath cap;
    cap.moveTo(-r * 1.03, y - r * 0.22);
    cap.cubicTo(-r * 1.15, y - r * 1.5, r * 1.15, y - r * 1.5, r * 1.03, y - r * 0.22);
    cap.quadTo(0, y - r * 0.42, -r * 1.03, y - r * 0.22);
    cap.closeSubpath();
    sketch_.shape(cap, wool);
    QPainterPath band(QPointF(-r * 1.0, y - r * 0.36));
    band.quadTo(0, y - r * 0.56, r * 1.0, y - r * 0.36);
    sketch_.limb(band, r * 0.28, wool.darker(115));
}
