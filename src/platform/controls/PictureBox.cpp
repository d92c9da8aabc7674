#include "platform/controls/PictureBox.h"

#include "platform/Twips.h"

#include <QPainter>

PictureBox::PictureBox(QWidget* parent) : ControlWidget(parent) {}

void PictureBox::setBackColor(const QColor& colour) {
    backColor_ = colour;
    update();
}

void PictureBox::setPicture(const Picture& picture) {
    picture_ = picture;
    update();
}

bool PictureBox::LoadPicture(const QString& programPath) {
    setPicture(Picture::load(programPath));
    return !picture_.isNull();
}

void PictureBox::setBorder(bool border) {
    border_ = border;
    update();
}

void PictureBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), backColor_);
    if (!picture_.isNull()) {
        const QSizeF size = picture_.sizeTwips();
        picture_.paint(painter,
                       QRectF(0, 0, Twips::toPixels(size.width()), Twips::toPixels(size.height())));
    }
    if (border_) {
        // A sunken edge, dark above and to the left, light below and to the right.
        const QRect r = rect().adjusted(0, 0, -1, -1);
        painter.setPen(QColor(128, 128, 128));
        painter.drawLine(r.topLeft(), r.topRight());
        painter.drawLine(r.topLeft(), r.bottomLeft());
        painter.setPen(QColor(255, 255, 255));
        painter.drawLine(r.bottomLeft(), r.bottomRight());
        painter.drawLine(r.topRight(), r.bottomRight());
    }
}
