#include "platform/controls/ImageBox.h"

#include <QPainter>

ImageBox::ImageBox(QWidget* parent) : ControlWidget(parent) {}

void ImageBox::setPicture(const Picture& picture) {
    picture_ = picture;
    cache_ = QPixmap();
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
    if (!picture_.isMetafile()) {
        picture_.paint(painter, QRectF(rect()));
        return;
    }
    // A page is played once into a bitmap of the box's size and shown from there after.
    const qreal ratio = devicePixelRatioF();
    if (cache_.isNull() || cache_.size() != size() * ratio) {
        cache_ = QPixmap(size() * ratio);
        cache_.setDevicePixelRatio(ratio);
        cache_.fill(Qt::transparent);
        QPainter pagePainter(&cache_);
        picture_.paint(pagePainter, QRectF(QPointF(0, 0), QSizeF(size())));
    }
    painter.drawPixmap(0, 0, cache_);
}
