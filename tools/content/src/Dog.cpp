#include "Figure.h"

void paintDog(Sketch& sketch, QPointF paws, double height, QColor coat, QColor patch) {
    QPainter& p = sketch.painter();
    p.save();
    const double scale = height / 100.0;
    p.translate(paws);
    p.scale(scale, scale);
    const double ink = sketch.inkWidth();
    sketch.setInkWidth(ink / scale);

    QPainterPath tail(QPointF(11, -8));
    tail.cubicTo(22, -10, 26, -22, 21, -34);
    sketch.limb(tail, 4.5, coat);

    QPainterPath body;
    body.moveTo(-14, -2);
    body.cubicTo(-17, -30, -9, -52, 0, -54);
    body.cubicTo(9, -52, 17, -30, 14, -2);
    body.quadTo(0, 1, -14, -2);
    body.closeSubpath();
    sketch.shape(body, coat);
    sketch.flat(ellipsePath({0, -28}, 6.5, 13), QBrush(patch));

    for (int s : {-1, 1}) {
        sketch.shape(rectPath(s > 0 ? 1.5 : -7.5, -24, 6, 22, 2.5), coat);
        sketch.shape(ellipsePath({s * 4.6, -2}, 4.4, 2.4), patch);
    }
    for (int s : {-1, 1}) {
        p.save();
        p.translate(s * 12.5, -66);
        p.rotate(s * 18);
        sketch.shape(ellipsePath({0, 4}, 5.2, 11), coat.darker(135));
        p.restore();
    }
    sketch.shape(ellipsePath({0, -68}, 14, 13.5), coat);
    sketch.flat(ellipsePath({4, -74}, 5.5, 4.5), QBrush(patch));
    sketch.shape(ellipsePath({0, -59}, 8, 6), patch);
    sketch.shape(ellipsePath({1.2, -54.5}, 2.0, 2.6), QColor(236, 120, 130));
    sketch.shape(ellipsePath({0, -62.5}, 2.8, 2.0), QColor(40, 30, 30));
    QPainterPath mouth(QPointF(-3, -57));
    mouth.quadTo(0, -55.5, 0, -60.5);
    mouth.quadTo(0, -55.5, 3, -57);
    sketch.line(mouth, 0.7, QColor(40, 30, 30));
    for (int s : {-1, 1}) {
        sketch.flat(ellipsePath({s * 5.5, -70}, 1.9, 2.2), QBrush(QColor(40, 30, 30)));
        sketch.flat(ellipsePath({s * 5.5 - 0.6, -70.8}, 0.7, 0.7), QBrush(Qt::white));
    }
    QPainterPath collar(QPointF(-10, -51.5));
    collar.quadTo(0, -46, 10, -51.5);
    sketch.limb(collar, 3.0, QColor(200, 40, 50));
    sketch.dot({0, -47.2}, 2.0, QColor(236, 190, 56));

    sketch.setInkWidth(ink);
    p.restore();
}
