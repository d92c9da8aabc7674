#include "Sketch.h"

#include <QLinearGradient>

Sketch::Sketch(QPainter& painter, double inkWidth, QColor ink)
    : painter_(painter), inkWidth_(inkWidth), ink_(ink) {
    painter_.setRenderHint(QPainter::Antialiasing, true);
    painter_.setRenderHint(QPainter::SmoothPixmapTransform, true);
}

QPen Sketch::inkPen(double extra) const {
    QPen pen(ink_, inkWidth_ + extra);
    pen.setJoinStyle(Qt::RoundJoin);
    pen.setCapStyle(Qt::RoundCap);
    return pen;
}

void Sketch::shape(const QPainterPath& path, const QColor& colour) {
    shape(path, sideLit(colour, path.boundingRect()));
}

void Sketch::shape(const QPainterPath& path, const QBrush& brush) {
    painter_.setPen(inkPen());
    painter_.setBrush(brush);
    painter_.drawPath(path);
}

void Sketch::flat(const QPainterPath& path, const QBrush& brush) {
    painter_.setPen(Qt::NoPen);
    painter_.setBrush(brush);
    painter_.drawPath(path);
}

void Sketch::limb(const QPainterPath& centre, double width, const QColor& colour) {
    painter_.setBrush(Qt::NoBrush);
    painter_.setPen(inkPen(width));
    painter_.drawPath(centre);
    QPen fill(colour, width);
    fill.setCapStyle(Qt::RoundCap);
    fill.setJoinStyle(Qt::RoundJoin);
    painter_.setPen(fill);
    painter_.drawPath(centre);
}

void Sketch::line(const QPainterPath& path, double width, const QColor& colour,
                  Qt::PenCapStyle cap) {
    QPen pen(colour, width);
    pen.setCapStyle(cap);
    pen.setJoinStyle(Qt::RoundJoin);
    painter_.setPen(pen);
    painter_.setBrush(Qt::NoBrush);
    painter_.drawPath(path);
}

void Sketch::line(QPointF a, QPointF b, double width, const QColor& colour) {
    QPainterPath path(a);
    path.lineTo(b);
    line(path, width, colour);
}

void Sketch::dot(QPointF centre, double radius, const QColor& colour, bool inked) {
    if (inked)
        shape(ellipsePath(centre, radius, radius), QBrush(colour));
    else
        flat(ellipsePath(centre, radius, radius), QBrush(colour));
}

QBrush Sketch::sideLit(const QColor& colour, const QRectF& bounds) {
    QLinearGradient gradient(bounds.left(), 0, bounds.right(), 0);
    gradient.setColorAt(0.0, colour.lighter(122));
    gradient.setColorAt(0.45, colour);
    gradient.setColorAt(1.0, colour.darker(122));
    return QBrush(gradient);
}

QBrush Sketch::vertical(const QColor& top, const QColor& bottom, double y0, double y1) {
    QLinearGradient gradient(0, y0, 0, y1);
    gradient.setColorAt(0, top);
    gradient.setColorAt(1, bottom);
    return QBrush(gradient);
}

QPainterPath ellipsePath(QPointF centre, double rx, double ry) {
    QPainterPath path;
    path.addEllipse(centre, rx, ry);
    return path;
}

QPainterPath rectPath(double x, double y, double w, double h, double radius) {
    QPainterPath path;
    if (radius > 0)
        path.addRoundedRect(QRectF(x, y, w, h), radius, radius);
    else
        path.addRect(QRectF(x, y, w, h));
    return path;
}

QPainterPath polygonPath(std::initializer_list<QPointF> points) {
    QPainterPath path;
    bool first = true;
    for (const QPointF& p : points) {
        if (first)
            path.moveTo(p);
        else
            path.lineTo(p);
        first = false;
    }
    path.closeSubpath();
    return path;
}
