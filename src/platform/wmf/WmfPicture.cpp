#include "platform/wmf/WmfPicture.h"

#include "formats/Errors.h"
#include "formats/FileAccess.h"
#include "platform/Logging.h"
#include "platform/wmf/WmfLimits.h"
#include "platform/wmf/WmfParser.h"
#include "platform/wmf/WmfQtPainter.h"
#include "platform/wmf/WmfRecorder.h"

#include <QImage>
#include <QPaintEngine>
#include <QPainter>

#include <cmath>

namespace {

constexpr int twipsPerPixel = 15;

QSize naturalTwips(const WmfParseResult& result) {
    if (result.unitsPerInch <= 0)
        return {};
    const qreal scale = 1440.0 / result.unitsPerInch;
    return QSize(qRound(result.frame.width() * scale), qRound(result.frame.height() * scale));
}

bool sizeAllowed(const QSize& twips) {
    const int maxTwips = WmfLimits::maxPicturePixels * twipsPerPixel;
    return twips.width() > 0 && twips.height() > 0 && twips.width() <= maxTwips &&
           twips.height() <= maxTwips;
}

} // namespace

struct WmfPicture::Data {
    WmfParseResult result;
    WmfRecorder recording;
    QSize twips;
    bool null = true;
};

WmfPicture::WmfPicture() {
    static const auto empty = std::make_shared<const Data>();
    d = empty;
}

WmfPicture WmfPicture::fromData(const QByteArray& data) {
    auto parsed = std::make_shared<Data>();
    parsed->result = WmfParser::parse(data, parsed->recording);
    parsed->twips = naturalTwips(parsed->result);
    parsed->null = parsed->result.tooCostly || !parsed->result.valid ||
                   !parsed->result.frame.isValid() || !sizeAllowed(parsed->twips);
    if (parsed->null) {
        // What was learnt about the file stays readable, but there is nothing to paint.
        parsed->recording.clear();
        parsed->twips = QSize();
    }
    WmfPicture picture;
    picture.d = std::move(parsed);
    return picture;
}

WmfPicture WmfPicture::load(const QString& path) {
    try {
        return fromData(FileAccess::read(path, FileAccess::Kind::Page));
    } catch (const FileError& error) {
        qCWarning(lcContent, "page not read: %s", error.what());
        return {};
    }
}

bool WmfPicture::isNull() const {
    return d->null;
}

QSize WmfPicture::sizeTwips() const {
    return d->twips;
}

QSize WmfPicture::sizePixels() const {
    if (!d->twips.isValid())
        return {};
    return QSize(qRound(d->twips.width() / qreal(twipsPerPixel)),
                 qRound(d->twips.height() / qreal(twipsPerPixel)));
}

qreal WmfPicture::scaleOf(const QTransform& toDevice, const QRectF& target) const {
    const QRectF frame = d->result.frame;
    if (frame.isEmpty())
        return 0;
    const qreal area = qAbs(toDevice.determinant()) * target.width() * target.height();
    return std::sqrt(area / (frame.width() * frame.height())) /
           d->result.cost.referencePixelsPerUnit;
}

qreal WmfPicture::paintedScale(qreal scale) const {
    return d->result.cost.largestScaleWithin(scale, WmfLimits::maxPaintWork);
}

// Painted so large that drawing would take too long (a page sent to the printer), the page is
// drawn at the largest size within the limit and that image stretched over the target.
void WmfPicture::paint(QPainter* painter, const QRectF& target) const {
    if (isNull() || !painter || !painter->isActive() || target.isEmpty())
        return;
    const QTransform toDevice = painter->deviceTransform();
    const qreal scale = scaleOf(toDevice, target);
    const qreal within = paintedScale(scale);
    // Only a raster device pays for resolution. A PDF or a printer gets every record as it is
    // drawn, so text stays text and the page prints sharp however fine the printer is.
    const QPaintEngine* engine = painter->paintEngine();
    if (within >= scale || (engine && engine->type() != QPaintEngine::Raster)) {
        WmfQtPainter player(painter, d->result.frame, target);
        d->recording.replay(player);
        return;
    }
    const QSizeF device = toDevice.mapRect(target).size() * (within / scale);
    // Rounded down, so that no pen reaches the width where it would be stroked after all.
    const QSize pixels = QSize(int(device.width()), int(device.height())).expandedTo(QSize(1, 1));
    QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
    if (image.isNull())
        return;
    image.fill(Qt::transparent);
    {
        QPainter offscreen(&image);
        offscreen.setRenderHints(painter->renderHints());
        WmfQtPainter player(&offscreen, d->result.frame, QRectF(QPointF(0, 0), QSizeF(pixels)));
        d->recording.replay(player);
    }
    painter->save();
    painter->setRenderHint(QPainter::SmoothPixmapTransform);
    painter->drawImage(target, image);
    painter->restore();
}

const WmfParseResult& WmfPicture::parseResult() const {
    return d->result;
}

QString WmfPicture::problem() const {
    const WmfParseResult& read = d->result;
    QString problem;
    if (!read.valid)
        problem = QStringLiteral("not shown: no metafile header, or larger than allowed");
    else if (read.tooCostly)
        problem = QStringLiteral("not shown: it costs more to draw than allowed");
    else if (d->null)
        problem = QStringLiteral("not shown: its size is out of range");
    if (read.valid && !read.complete) {
        problem += problem.isEmpty() ? QStringLiteral("drawn up to its damage: ")
                                     : QStringLiteral("; reading stopped: ");
        problem += read.problem;
    }
    return problem;
}

const WmfRecorder& WmfPicture::recording() const {
    return d->recording;
}

QRectF WmfPicture::frame() const {
    return d->result.frame;
}
