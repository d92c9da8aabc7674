#include "platform/controls/Control.h"

#include "platform/Twips.h"

#include <QMouseEvent>
#include <QRectF>
#include <QWidget>

namespace {

int buttonBits(Qt::MouseButtons buttons) {
    int bits = 0;
    if (buttons & Qt::LeftButton)
        bits |= 1;
    if (buttons & Qt::RightButton)
        bits |= 2;
    if (buttons & Qt::MiddleButton)
        bits |= 4;
    return bits;
}

int shiftBits(Qt::KeyboardModifiers modifiers) {
    int bits = 0;
    if (modifiers & Qt::ShiftModifier)
        bits |= 1;
    if (modifiers & Qt::ControlModifier)
        bits |= 2;
    if (modifiers & Qt::AltModifier)
        bits |= 4;
    return bits;
}

} // namespace

MouseArgs mouseArgs(const QMouseEvent* event, bool pressedButtonOnly) {
    MouseArgs args;
    args.Button =
        buttonBits(pressedButtonOnly ? Qt::MouseButtons(event->button()) : event->buttons());
    args.Shift = shiftBits(event->modifiers());
    const QPointF twips = Twips::fromPixels(event->position());
    args.X = twips.x();
    args.Y = twips.y();
    return args;
}

void TwipsGeometry::setLeft(double left) {
    Move(left, top_, width_, height_);
}
void TwipsGeometry::setTop(double top) {
    Move(left_, top, width_, height_);
}
void TwipsGeometry::setWidth(double width) {
    Move(left_, top_, width, height_);
}
void TwipsGeometry::setHeight(double height) {
    Move(left_, top_, width_, height);
}
void TwipsGeometry::Move(double left, double top) {
    Move(left, top, width_, height_);
}

void TwipsGeometry::Move(double left, double top, double width, double height) {
    left_ = left;
    top_ = top;
    width_ = width < 0 ? 0 : width;
    height_ = height < 0 ? 0 : height;
    applyGeometry();
}

void TwipsGeometry::applyGeometry() {
    widget_->setGeometry(Twips::toPixels(QRectF(left_, top_, width_, height_)));
}

void setControlName(QWidget* widget, const QString& name, int index) {
    widget->setObjectName(index < 0 ? name : name + QLatin1Char('_') + QString::number(index));
}
