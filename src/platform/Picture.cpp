#include "platform/Picture.h"

#include "platform/ContentPath.h"
#include "platform/Twips.h"

#include <QCache>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QMutex>
#include <QPainter>

namespace {

// Pictures larger than this are refused rather than decoded.
constexpr int maxPictureSide = 8192;

// Metafiles are known by their first bytes: the placeable key, or the standard header's
// type (1 or 2) and its header size of 9 words.
bool looksLikeMetafile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray head = file.read(6);
    if (head.size() < 6)
        return false;
    const auto byte = [&](int i) { return static_cast<unsigned char>(head[i]); };
    const bool placeable = byte(0) == 0xD7 && byte(1) == 0xCD && byte(2) == 0xC6 && byte(3) == 0x9A;
    const bool standard = (byte(0) == 1 || byte(0) == 2) && byte(1) == 0 && byte(2) == 9 && byte(3) == 0;
    return placeable || standard;
}

// Screens load their pictures each time they open; a decoded picture is kept while its file
// is unchanged, so that reopening a screen costs no decoding. The cost is in kilobytes.
class DecodedPictures {
public:
    QImage find(const QString& key) {
        QMutexLocker lock(&mutex_);
        const QImage* image = cache_.object(key);
        return image ? *image : QImage();
    }
    void keep(const QString& key, const QImage& image) {
        QMutexLocker lock(&mutex_);
        cache_.insert(key, new QImage(image), qMax<qsizetype>(1, image.sizeInBytes() / 1024));
    }

private:
    QMutex mutex_;
    QCache<QString, QImage> cache_{24 * 1024};
};

DecodedPictures& decodedPictures() {
    static DecodedPictures pictures;
    return pictures;
}

QString cacheKey(const QString& path) {
    const QFileInfo info(path);
    return info.absoluteFilePath() + QLatin1Char('\n') +
           QString::number(info.lastModified().toMSecsSinceEpoch()) + QLatin1Char('\n') +
           QString::number(info.size());
}

QImage decode(const QString& path) {
    const QString key = cacheKey(path);
    QImage image = decodedPictures().find(key);
    if (!image.isNull())
        return image;
    QImageReader reader(path);
    reader.setAutoTransform(true);
    const QSize size = reader.size();
    if (size.isValid() && (size.width() > maxPictureSide || size.height() > maxPictureSide))
        return {};
    image = reader.read();
    if (!image.isNull())
        decodedPictures().keep(key, image);
    return image;
}

} // namespace

Picture Picture::load(const QString& programPath) {
    Picture picture;
    if (programPath.isEmpty())
        return picture;
    const QString path = ContentPath::resolve(programPath);
    if (looksLikeMetafile(path)) {
        picture.metafile_ = WmfPicture::load(path);
        if (!picture.metafile_.isNull())
            picture.source_ = programPath;
        return picture;
    }
    picture.image_ = decode(path);
    if (!picture.image_.isNull())
        picture.source_ = programPath;
    return picture;
}

QSizeF Picture::sizeTwips() const {
    if (!metafile_.isNull())
        return QSizeF(metafile_.sizeTwips());
    return QSizeF(image_.width() * Twips::perPixelAtStandardScale,
                  image_.height() * Twips::perPixelAtStandardScale);
}

void Picture::paint(QPainter& painter, const QRectF& target) const {
    if (!metafile_.isNull()) {
        painter.save();
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::TextAntialiasing);
        metafile_.paint(&painter, target);
        painter.restore();
        return;
    }
    if (image_.isNull())
        return;
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(target, image_);
}
