#pragma once

#include <QBrush>
#include <QColor>
#include <QPainter>
#include <QPainterPath>

// The flat illustrated look shared by every picture: shapes filled with a soft side light and
// drawn round with one dark ink line.
class Sketch {
public:
    Sketch(QPainter& painter, double inkWidth, QColor ink = QColor(48, 34, 30));

    QPainter& painter() { return painter_; }
    double inkWidth() const { return inkWidth_; }
    QColor ink() const { return ink_; }
    void setInkWidth(double width) { inkWidth_ = width; }

    // Filled and inked, lit from the left.
    void shape(const QPainterPath& path, const QColor& colour);
    // Filled and inked with any brush.
    void shape(const QPainterPath& path, const QBrush& brush);
    // Filled only: for highlights, shadows and patterns inside an inked shape.
    void flat(const QPainterPath& path, const QBrush& brush);
    // A thick line with an ink edge, for arms, legs, poles and ropes.
    void limb(const QPainterPath& centre, double width, const QColor& colour);
    // A plain line with no edge.
    void line(const QPainterPath& path, double width, const QColor& colour,
              Qt::PenCapStyle cap = Qt::RoundCap);
    void line(QPointF a, QPointF b, double width, const QColor& colour);
    // Small inked circle (buttons, jewels, pearls).
    void dot(QPointF centre, double radius, const QColor& colour, bool inked = true);

    static QBrush sideLit(const QColor& colour, const QRectF& bounds);
    static QBrush vertical(const QColor& top, const QColor& bottom, double y0, double y1);

private:
    QPen inkPen(double extra = 0) const;

    QPainter& painter_;
    double inkWidth_;
    QColor ink_;
};

QPainterPath ellipsePath(QPointF centre, double rx, double ry);
QPainterPath rectPath(double x, double y, double w, double h, double radius = 0);
QPainterPath polygonPath(std::initializer_list<QPointF> points);
