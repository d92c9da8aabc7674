#include "platform/Picture.h"

#include "platform/ContentPath.h"
#include "platform/Logging.h"
#include "platform/Twips.h"
#include "platform/wmf/WmfRecorder.h"

#include "formats/Errors.h"
#include "formats/FileAccess.h"

#include <QBuffer>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QImageReader>
#include <QPainter>
#include <algorithm>
#include <vector>

namespace {

// Pictures larger than this are refused rather than decoded.
constexpr int maxPictureSide = 8192;

// Metafiles are known by their first bytes: the placeable key, or the standard header's
// type (1 or 2) and its header size of 9 words.
bool looksLikeMetafile(const QByteArray& head) {
    if (head.size() < 6)
        return false;
    const auto byte = [&](int i) { return static_cast<unsigned char>(head[i]); };
    const bool placeable = byte(0) == 0xD7 && byte(1) == 0xCD && byte(2) == 0xC6 && byte(3) == 0x9A;
    const bool standard =
        (byte(0) == 1 || byte(0) == 2) && byte(1) == 0 && byte(2) == 9 && byte(3) == 0;
    return placeable || standard;
}

// Screens load their pictures each time they open; a decoded picture or a parsed page is kept
// while its file is unchanged (same path, time and size), so that reopening a screen costs no
// reading at all. A picture that a live screen still shows costs nothing more to keep, since
// copies share their data; of the others only the most recently used are kept, up to
// `keptUnusedKb`, so a screen's pictures do not stay decoded long after the screen has gone.
// Pictures are loaded on the interface thread only.
struct Kept {
    Picture picture;
    qsizetype costKb = 0;
    quint64 lastUse = 0;
};

constexpr qsizetype keptUnusedKb = 2 * 1024;

QHash<QString, Kept>& decodedPictures() {
    static QHash<QString, Kept> pictures;
    return pictures;
}

quint64 nextUse() {
    static quint64 uses = 0;
    return ++uses;
}

QString cacheKey(const QFileInfo& info) {
    return info.absoluteFilePath() + QLatin1Char('\n') +
           QString::number(info.lastModified().toMSecsSinceEpoch()) + QLatin1Char('\n') +
           QString::number(info.size());
}

// `name` is only for the log.
QImage decode(const QByteArray& bytes, const QString& name) {
    QBuffer buffer;
    buffer.setData(bytes);
    QImageReader reader(&buffer);
    reader.setAutoTransform(true);
    const QSize size = reader.size();
    if (size.isValid() && (size.width() > maxPictureSide || size.height() > maxPictureSide)) {
        qCWarning(lcContent, "picture %s not shown: %dx%d pixels is larger than allowed",
                  qUtf8Printable(name), size.width(), size.height());
        return {};
    }
    QImage image = reader.read();
    if (image.isNull())
        qCWarning(lcContent, "picture %s not shown: %s", qUtf8Printable(name),
                  qUtf8Printable(reader.errorString()));
    return image;
}

} // namespace

Picture Picture::load(const QString& programPath) {
    if (programPath.isEmpty())
        return {};
    const QString path = ContentPath::resolve(programPath);
    const QFileInfo info(path);
    const QString key = cacheKey(info);
    Picture picture;
    if (auto kept = decodedPictures().find(key); kept != decodedPictures().end()) {
        kept->lastUse = nextUse();
        picture = kept->picture;
    } else {
        QByteArray bytes;
        try {
            bytes = FileAccess::read(path, FileAccess::Kind::Picture);
        } catch (const FileError& error) {
            qCWarning(lcContent, "picture %s not read: %s", qUtf8Printable(programPath),
                      error.what());
            return {};
        }
        if (looksLikeMetafile(bytes)) {
            picture.metafile_ = WmfPicture::fromData(bytes);
            if (const QString problem = picture.metafile_.problem(); !problem.isEmpty())
                qCWarning(lcContent, "page %s %s", qUtf8Printable(programPath),
                          qUtf8Printable(problem));
        } else {
            picture.image_ = decode(bytes, programPath);
        }
        if (picture.isNull())
            return {};
        const qsizetype costKb =
            picture.isMetafile() ? 4 * info.size() / 1024 : picture.image_.sizeInBytes() / 1024;
        decodedPictures().insert(key, {picture, qMax<qsizetype>(1, costKb), nextUse()});
        dropUnused();
    }
    picture.source_ = programPath;
    picture.key_ = key;
    return picture;
}

bool Picture::sharedElsewhere() const {
    // A metafile's parsed drawing is cheap to read again and its sharing is not visible here,
    // so a metafile always counts as unused.
    return !image_.isNull() && !image_.isDetached();
}

void Picture::dropUnused() {
    auto& kept = decodedPictures();
    std::vector<std::pair<quint64, QString>> unused;
    qsizetype unusedKb = 0;
    for (auto it = kept.cbegin(); it != kept.cend(); ++it) {
        if (it->picture.sharedElsewhere())
            continue;
        unused.emplace_back(it->lastUse, it.key());
        unusedKb += it->costKb;
    }
    std::sort(unused.begin(), unused.end());
    for (const auto& [lastUse, key] : unused) {
        if (unusedKb <= keptUnusedKb)
            break;
        unusedKb -= kept.value(key).costKb;
        kept.remove(key);
    }
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

QString Picture::description() const {
    if (isMetafile()) {
        QStringList runs;
        for (const WmfCommand::Any& command : metafile_.recording().commands()) {
            if (const auto* text = std::get_if<WmfCommand::Text>(&command))
                runs << text->run.text;
        }
        return runs.join(QLatin1Char(' ')).simplified();
    }
    if (isNull())
        return {};
    // Read only when a screen reader asks, which is seldom, so nothing is kept.
    const QFileInfo file(ContentPath::resolve(source_));
    QByteArray list;
    try {
        list = FileAccess::read(file.dir().filePath(QStringLiteral("descriptions.txt")),
                                FileAccess::Kind::Description);
    } catch (const FileError& error) {
        qCWarning(lcContent, "no description of %s: %s", qUtf8Printable(source_), error.what());
        return {};
    }
    const QString name = file.fileName() + QLatin1Char(':');
    for (QString line : QString::fromUtf8(list).split(QLatin1Char('\n'))) {
        line.remove(QLatin1Char('\r'));
        if (line.startsWith(name, Qt::CaseInsensitive))
            return line.mid(name.size()).trimmed();
    }
    return {};
}
