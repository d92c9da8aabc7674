#include "platform/controls/PictureBox.h"

#include "platform/Twips.h"

#include <QCache>
#include <QPainter>
#include <QPixmap>

namespace {

// Metafile frames of the logo animation, painted once each: the timer shows a new frame every
// few tens of milliseconds, and playing a metafile at each one keeps the processor busy. The
// cost is in kilobytes.
QCache<QString, QPixmap>& paintedFrames() {
    static QCache<QString, QPixmap> frames(8 * 1024);
    return frames;
}

} // namespace

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

// The frame as the box shows it, clipped to the box, from the cache when it was painted before.
QPixmap PictureBox::paintedFrame(const QSizeF& natural) const {
    const qreal ratio = devicePixelRatioF();
    const QSize shown = QSizeF(natural).toSize().boundedTo(size()).expandedTo(QSize(1, 1));
    const QString key =
        picture_.contentKey() +
        QStringLiteral("\n%1x%2@%3").arg(natural.width()).arg(natural.height()).arg(ratio);
    if (const QPixmap* kept = paintedFrames().object(key); kept && kept->size() == shown * ratio)
        return *kept;
    QPixmap frame(shown * ratio);
    frame.setDevicePixelRatio(ratio);
    frame.fill(Qt::transparent);
    {
        QPainter framePainter(&frame);
        picture_.paint(framePainter, QRectF(QPointF(0, 0), natural));
    }
    paintedFrames().insert(key, new QPixmap(frame),
                           qMax<qsizetype>(1, qsizetype(frame.width()) * frame.height() / 256));
    ++framesPainted_;
    return frame;
}

void PictureBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), backColor_);
    if (!picture_.isNull()) {
        const QSizeF size = picture_.sizeTwips();
        const QRectF target(0, 0, Twips::toPixels(size.width()), Twips::toPixels(size.height()));
        if (picture_.isMetafile() && !picture_.contentKey().isEmpty())
            painter.drawPixmap(0, 0, paintedFrame(target.size()));
        else
            picture_.paint(painter, target);
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
