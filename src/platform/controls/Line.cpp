#include "platform/controls/Line.h"

#include "platform/Twips.h"

#include <QPainter>
#include <algorithm>

Line::Line(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Line::setEnds(const QPointF& fromTwips, const QPointF& toTwips) {
    from_ = fromTwips;
    to_ = toTwips;
    place();
}

void Line::setBorderColor(const QColor& colour) {
    colour_ = colour;
    update();
}

void Line::setBorderWidth(int pixels) {
    penPixels_ = std::max(1, pixels);
    place();
}

// The widget covers the line's ends with room for the pen on every side.
void Line::place() {
    const QPoint a(Twips::toPixels(from_.x()), Twips::toPixels(from_.y()));
    const QPoint b(Twips::toPixels(to_.x()), Twips::toPixels(to_.y()));
    const int margin = Twips::edgePixels(penPixels_);
    setGeometry(QRect(a, b).normalized().adjusted(-margin, -margin, margin, margin));
    update();
}

void Line::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(QPen(colour_, Twips::edgePixels(penPixels_), Qt::SolidLine, Qt::FlatCap));
    const QPoint origin = geometry().topLeft();
    const QPoint a(Twips::toPixels(from_.x()), Twips::toPixels(from_.y()));
    const QPoint b(Twips::toPixels(to_.x()), Twips::toPixels(to_.y()));
    painter.drawLine(a - origin, b - origin);
}
