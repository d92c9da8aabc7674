#include "platform/controls/Frame.h"

#include <QPainter>

Frame::Frame(QWidget* parent) : ControlWidget(parent) {}

void Frame::setBackColor(const QColor& colour) {
    backColor_ = colour;
    update();
}

void Frame::setCaption(const QString& caption) {
    caption_ = caption;
    update();
}

void Frame::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), backColor_);
    const int top = caption_.isEmpty() ? 3 : fontMetrics().height() / 2;
    const QRect edge = rect().adjusted(0, top, -2, -2);
    painter.setPen(QColor(128, 128, 128));
    painter.drawRect(edge);
    painter.setPen(QColor(255, 255, 255));
    painter.drawRect(edge.translated(1, 1));
    if (!caption_.isEmpty()) {
        const QRect text(8, 0, fontMetrics().horizontalAdvance(caption_) + 4,
                         fontMetrics().height());
        painter.fillRect(text, backColor_);
        painter.setPen(Qt::black);
        painter.drawText(text, Qt::AlignCenter, caption_);
    }
}
