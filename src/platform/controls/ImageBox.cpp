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
    // A page is played once into a bitmap and shown from there after. The box takes the page's
    // size, which a file can make enormous: only the part inside the window is kept.
    const QRect visible = rect() & QRect(mapFrom(window(), QPoint(0, 0)), window()->size());
    if (visible.isEmpty())
        return;
    const qreal ratio = devicePixelRatioF();
    if (cache_.isNull() || cached_ != visible || cache_.devicePixelRatio() != ratio) {
        cache_ = QPixmap(visible.size() * ratio);
        cache_.setDevicePixelRatio(ratio);
        cache_.fill(Qt::transparent);
        cached_ = visible;
        QPainter pagePainter(&cache_);
        pagePainter.translate(-visible.topLeft());
        picture_.paint(pagePainter, QRectF(QPointF(0, 0), QSizeF(size())));
    }
    painter.drawPixmap(visible.topLeft(), cache_);
}
