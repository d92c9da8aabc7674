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

// Screens load their pictures each time they open; a decoded picture or a parsed page is kept
// while its file is unchanged, so that reopening a screen costs no decoding. Copies of either
// share their data. The cost is in kilobytes.
template <class Decoded> class DecodedPictures {
public:
    explicit DecodedPictures(qsizetype limitKb) : cache_(limitKb) {}
    Decoded find(const QString& key) {
        QMutexLocker lock(&mutex_);
        const Decoded* found = cache_.object(key);
        return found ? *found : Decoded();
    }
    void keep(const QString& key, const Decoded& decoded, qsizetype costKb) {
        QMutexLocker lock(&mutex_);
        cache_.insert(key, new Decoded(decoded), qMax<qsizetype>(1, costKb));
    }

private:
    QMutex mutex_;
    QCache<QString, Decoded> cache_;
};

DecodedPictures<QImage>& decodedImages() {
    static DecodedPictures<QImage> images(24 * 1024);
    return images;
}

DecodedPictures<WmfPicture>& parsedPages() {
    static DecodedPictures<WmfPicture> pages(8 * 1024);
    return pages;
}

QString cacheKey(const QString& path) {
    const QFileInfo info(path);
    return info.absoluteFilePath() + QLatin1Char('\n') +
           QString::number(info.lastModified().toMSecsSinceEpoch()) + QLatin1Char('\n') +
           QString::number(info.size());
}

WmfPicture parse(const QString& path) {
    const QString key = cacheKey(path);
    WmfPicture page = parsedPages().find(key);
    if (!page.isNull())
        return page;
    page = WmfPicture::load(path);
    // A parsed page takes a few times its file's size.
    if (!page.isNull())
        parsedPages().keep(key, page, 4 * QFileInfo(path).size() / 1024);
    return page;
}

QImage decode(const QString& path) {
    const QString key = cacheKey(path);
    QImage image = decodedImages().find(key);
    if (!image.isNull())
        return image;
    QImageReader reader(path);
    reader.setAutoTransform(true);
    const QSize size = reader.size();
    if (size.isValid() && (size.width() > maxPictureSide || size.height() > maxPictureSide))
        return {};
    image = reader.read();
    if (!image.isNull())
        decodedImages().keep(key, image, image.sizeInBytes() / 1024);
    return image;
}

} // namespace

Picture Picture::load(const QString& programPath) {
    Picture picture;
    if (programPath.isEmpty())
        return picture;
    const QString path = ContentPath::resolve(programPath);
    if (looksLikeMetafile(path)) {
        picture.metafile_ = parse(path);
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
