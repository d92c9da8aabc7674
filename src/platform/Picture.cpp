#include "platform/Picture.h"

#include "platform/ContentPath.h"
#include "platform/Twips.h"

#include <QImageReader>
#include <QPainter>

namespace {
// Pictures larger than this are refused rather than decoded.
constexpr int maxPictureSide = 8192;
} // namespace

Picture Picture::load(const QString& programPath) {
    Picture picture;
    if (programPath.isEmpty())
        return picture;
    QImageReader reader(ContentPath::resolve(programPath));
    reader.setAutoTransform(true);
    const QSize size = reader.size();
    if (size.isValid() && (size.width() > maxPictureSide || size.height() > maxPictureSide))
        return picture;
    picture.image_ = reader.read();
    if (!picture.image_.isNull())
        picture.source_ = programPath;
    return picture;
}

QSizeF Picture::sizeTwips() const {
    return QSizeF(image_.width() * Twips::perPixelAtStandardScale,
                  image_.height() * Twips::perPixelAtStandardScale);
}

void Picture::paint(QPainter& painter, const QRectF& target) const {
    if (image_.isNull())
        return;
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(target, image_);
}
