#include "platform/controls/ImageBox.h"

#include <QPainter>

ImageBox::ImageBox(QWidget* parent) : ControlWidget(parent) {}

void ImageBox::setPicture(const Picture& picture) {
    picture_ = picture;
    cache_ = QPixmap();
    paintedAt_ = QRect();
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
    // A page is drawn straight onto the window the first time, since the window keeps what was
    // drawn and most pages are painted once. Only a page painted again at the same place (a
    // control over it lit up, say) is played into a bitmap, to be shown from there after. The
    // box takes the page's size, which a file can make enormous: only the part inside the
    // window is drawn or kept.
    const QRect visible = rect() & QRect(mapFrom(window(), QPoint(0, 0)), window()->size());
    if (visible.isEmpty())
        return;
    const qreal ratio = devicePixelRatioF();
    const QRectF page(QPointF(0, 0), QSizeF(size()));
    if (cache_.isNull() || cached_ != visible || cache_.devicePixelRatio() != ratio) {
        if (paintedAt_ != visible || paintedRatio_ != ratio) {
            paintedAt_ = visible;
            paintedRatio_ = ratio;
            painter.setClipRect(visible, Qt::IntersectClip);
            picture_.paint(painter, page);
            return;
        }
        cache_ = QPixmap(visible.size() * ratio);
        cache_.setDevicePixelRatio(ratio);
        cache_.fill(Qt::transparent);
        cached_ = visible;
        QPainter pagePainter(&cache_);
        pagePainter.translate(-visible.topLeft());
        picture_.paint(pagePainter, page);
    }
    painter.drawPixmap(visible.topLeft(), cache_);
}
