#include "platform/wmf/WmfLimits.h"
#include "platform/wmf/WmfParser.h"

#include <QtMath>

namespace {

// A rectangle in a path costs about what eight points do.
constexpr int pointsPerRect = 8;

} // namespace

// Clipping. The clip is kept as a region of integer "clip units", a fixed fine grid over the
// frame, so intersecting and excluding rectangles costs little however many a file asks for;
// the painter gets it as a path in frame units.

QRect WmfParser::toClipUnits(const QRectF& frameRect) const {
    const QRectF r = frameRect.normalized().intersected(limitRect_);
    const QPoint topLeft(qRound(r.left() * clipScale_), qRound(r.top() * clipScale_));
    const QPoint bottomRight(qRound(r.right() * clipScale_), qRound(r.bottom() * clipScale_));
    return QRect(topLeft, bottomRight - QPoint(1, 1));
}

QRegion WmfParser::noClipArea() const {
    return QRegion(toClipUnits(limitRect_));
}

// A clip of more rectangles than the limit is not refined further: the operation that would
// make it is ignored.
void WmfParser::changeClip(std::optional<QRegion> clip) {
    if (clip && clip->rectCount() > WmfLimits::maxRegionRects)
        return;
    if (clip == dc_.clip)
        return; // the painter has it already
    dc_.clip = std::move(clip);
    dc_.clipId = ++clipCounter_;
}

void WmfParser::intersectClip(WmfBytes p) {
    if (!p.hasWords(4))
        return;
    const QRegion area(
        toClipUnits(dc_.mapping.mapRect(p.word(3), p.word(2), p.word(1), p.word(0))));
    changeClip(dc_.clip ? dc_.clip->intersected(area) : area);
}

void WmfParser::excludeClip(WmfBytes p) {
    if (!p.hasWords(4))
        return;
    const QRegion area(
        toClipUnits(dc_.mapping.mapRect(p.word(3), p.word(2), p.word(1), p.word(0))));
    changeClip(dc_.clip.value_or(noClipArea()).subtracted(area));
}

// The offset is bounded and the result cut back to the limit rectangle, so clip units always
// fit an int however often a file moves the clip.
void WmfParser::offsetClip(WmfBytes p) {
    if (!p.hasWords(2) || !dc_.clip)
        return;
    const qreal limit = qMax(limitRect_.width(), limitRect_.height()) * clipScale_;
    const auto units = [&](qreal frameUnits) {
        return int(qBound(-limit, frameUnits * clipScale_, limit));
    };
    const QPoint offset(units(p.word(1) * dc_.mapping.scaleX()),
                        units(p.word(0) * dc_.mapping.scaleY()));
    changeClip(dc_.clip->translated(offset).intersected(noClipArea()));
}

// Selecting a region makes a copy of it the clip; anything that is not a region clears it.
void WmfParser::selectClipRegion(WmfBytes p) {
    if (!p.hasWords(1))
        return;
    const WmfObject* object = objects_.at(p.uword(0));
    const auto* region = object ? std::get_if<WmfRegionObject>(object) : nullptr;
    if (!region) {
        changeClip(std::nullopt);
        return;
    }
    if (!region->clip || region->clip->first != dc_.mapping.key()) {
        QList<QRect> rects;
        for (const QRect& r : region->region)
            rects.append(
                toClipUnits(dc_.mapping.mapRect(r.left(), r.top(), r.right() + 1, r.bottom() + 1)));
        const auto clip = unionOf(rects);
        if (!clip)
            return;
        region->clip.emplace(dc_.mapping.key(), *clip);
    }
    changeClip(region->clip->second);
}

// A hostile file can ask for unions that cost far more than any drawing does; past the
// picture's allowance playback stops.
std::optional<QRegion> WmfParser::unionOf(const QList<QRect>& rects) {
    auto region = wmfUnionOf(rects, WmfLimits::maxRegionRects, regionWorkLeft_);
    if (!region)
        stop(QStringLiteral("regions too complex"));
    return region;
}

// Each clip sent costs points from the picture's budget, so clip changes cannot pile up
// memory without end.
void WmfParser::syncClip() {
    flushLine();
    if (clipSent_ && sentClipId_ == dc_.clipId)
        return;
    clipSent_ = true;
    sentClipId_ = dc_.clipId;
    if (!dc_.clip) {
        painter_.setClip(std::nullopt);
        return;
    }
    if (!takePoints(qint64(dc_.clip->rectCount()) * pointsPerRect))
        return;
    QPainterPath path;
    path.addRegion(*dc_.clip);
    painter_.setClip(QTransform::fromScale(1 / clipScale_, 1 / clipScale_).map(path));
}
