#include "platform/controls/ImageBox.h"

#include <QPainter>

ImageBox::ImageBox(QWidget* parent) : ControlWidget(parent) {}

void ImageBox::setPicture(const Picture& picture) {
    picture_ = picture;
    if (!stretch_ && !picture_.isNull()) {
        const QSizeF size = picture_.sizeTwips();
        Move(Left(), Top(), size.width(), size.height());
    }
    update();
}

bool ImageBox::LoadPicture(const QString& programPath) {
    setPicture(Picture::load(programPath));
    return !picture_.isNull();
}

void ImageBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    picture_.paint(painter, QRectF(rect()));
}
