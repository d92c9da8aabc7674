#pragma once

#include "platform/wmf/WmfParseResult.h"

#include <QByteArray>
#include <QRectF>
#include <QSize>
#include <QString>

#include <memory>

class QPainter;
class QTransform;
class WmfRecorder;

// A Windows Metafile picture, read once and painted as often as needed onto any QPainter.
// Copies share the parsed drawing. A picture that could not be read is null and paints nothing.
class WmfPicture {
public:
    WmfPicture();

    static WmfPicture fromData(const QByteArray& data);
    // `path` is a path on this system, already resolved; a missing or unreadable file, or one
    // larger than WmfLimits::maxFileBytes, gives a null picture.
    static WmfPicture load(const QString& path);

    bool isNull() const;
    // Natural size: the placeable header's bounding box at its units per inch, or for files
    // without one the window they set, taken as twips or screen pixels (see WmfParser).
    QSize sizeTwips() const;
    // Natural size in screen pixels, 15 twips to the pixel.
    QSize sizePixels() const;
    // Stretches the picture onto `target`, given in the painter's current coordinates, clipped to
    // it. The painter's render hints apply (antialiasing gives smoother curves, aliased drawing
    // is closer to the system's own player); its state is left as it was found.
    // A page whose drawing would cost more than WmfLimits::maxPaintWork at the painter's
    // resolution is drawn at a lower one and stretched.
    void paint(QPainter* painter, const QRectF& target) const;
    // The size `target` has on the device, relative to the frame shown at 704x528 (see WmfWork).
    qreal scaleOf(const QTransform& toDevice, const QRectF& target) const;
    // The scale a paint at `scale` draws at: lower when drawing at `scale` would cost too much.
    qreal paintedScale(qreal scale) const;

    // How reading went: whether the end was reached, and why not.
    const WmfParseResult& parseResult() const;
    // Why the picture is not shown, or shown only up to its damage, in words for the log; empty
    // when it was read whole.
    QString problem() const;
    // The drawing calls the file made, in frame coordinates.
    const WmfRecorder& recording() const;
    QRectF frame() const;

private:
    struct Data;
    std::shared_ptr<const Data> d;
};
