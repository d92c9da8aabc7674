#include "platform/controls/Frame.h"

#include "platform/Twips.h"

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
    // An etched edge: a grey line and a white one beside it, each as thick as a scaled layout
    // makes a pixel.
    const int edge = Twips::edgePixels();
    const int top = caption_.isEmpty() ? Twips::edgePixels(3) : fontMetrics().height() / 2;
    const QRect outer = rect().adjusted(0, top, -2 * edge, -2 * edge);
    painter.setPen(QColor(128, 128, 128));
    for (int ring = 0; ring < edge; ++ring)
        painter.drawRect(outer.adjusted(ring, ring, -ring, -ring));
    painter.setPen(QColor(255, 255, 255));
    for (int ring = 0; ring < edge; ++ring)
        painter.drawRect(outer.translated(edge, edge).adjusted(ring, ring, -ring, -ring));
    if (!caption_.isEmpty()) {
        const QRect text(Twips::edgePixels(8), 0,
                         fontMetrics().horizontalAdvance(caption_) + Twips::edgePixels(4),
                         fontMetrics().height());
        painter.fillRect(text, backColor_);
        painter.setPen(Qt::black);
        painter.drawText(text, Qt::AlignCenter, caption_);
    }
}
