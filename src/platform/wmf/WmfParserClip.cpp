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
    const QRectF r = frameRect.normalized().intersected(m_limitRect);
    const QPoint topLeft(qRound(r.left() * m_clipScale), qRound(r.top() * m_clipScale));
    const QPoint bottomRight(qRound(r.right() * m_clipScale), qRound(r.bottom() * m_clipScale));
    return QRect(topLeft, bottomRight - QPoint(1, 1));
}

QRegion WmfParser::noClipArea() const {
    return QRegion(toClipUnits(m_limitRect));
}

// A clip of more rectangles than the limit is not refined further: the operation that would
// make it is ignored.
void WmfParser::changeClip(std::optional<QRegion> clip) {
    if (clip && clip->rectCount() > WmfLimits::maxRegionRects)
        return;
    if (clip == m_dc.clip)
        return; // the painter has it already
    m_dc.clip = std::move(clip);
    m_dc.clipId = ++m_clipCounter;
}

void WmfParser::intersectClip(WmfBytes p) {
    if (!p.hasWords(4))
        return;
    const QRegion area(
        toClipUnits(m_dc.mapping.mapRect(p.word(3), p.word(2), p.word(1), p.word(0))));
    changeClip(m_dc.clip ? m_dc.clip->intersected(area) : area);
}

void WmfParser::excludeClip(WmfBytes p) {
    if (!p.hasWords(4))
        return;
    const QRegion area(
        toClipUnits(m_dc.mapping.mapRect(p.word(3), p.word(2), p.word(1), p.word(0))));
    changeClip(m_dc.clip.value_or(noClipArea()).subtracted(area));
}

// The offset is bounded and the result cut back to the limit rectangle, so clip units always
// fit an int however often a file moves the clip.
void WmfParser::offsetClip(WmfBytes p) {
    if (!p.hasWords(2) || !m_dc.clip)
        return;
    const qreal limit = qMax(m_limitRect.width(), m_limitRect.height()) * m_clipScale;
    const auto units = [&](qreal frameUnits) {
        return int(qBound(-limit, frameUnits * m_clipScale, limit));
    };
    const QPoint offset(units(p.word(1) * m_dc.mapping.scaleX()),
                        units(p.word(0) * m_dc.mapping.scaleY()));
    changeClip(m_dc.clip->translated(offset).intersected(noClipArea()));
}

// Selecting a region makes a copy of it the clip; anything that is not a region clears it.
void WmfParser::selectClipRegion(WmfBytes p) {
    if (!p.hasWords(1))
        return;
    const WmfObject* object = m_objects.at(p.uword(0));
    const auto* region = object ? std::get_if<WmfRegionObject>(object) : nullptr;
    if (!region) {
        changeClip(std::nullopt);
        return;
    }
    if (!region->clip || region->clip->first != m_dc.mapping.key()) {
        QList<QRect> rects;
        for (const QRect& r : region->region)
            rects.append(toClipUnits(
                m_dc.mapping.mapRect(r.left(), r.top(), r.right() + 1, r.bottom() + 1)));
        const auto clip = unionOf(rects);
        if (!clip)
            return;
        region->clip.emplace(m_dc.mapping.key(), *clip);
    }
    changeClip(region->clip->second);
}

// A hostile file can ask for unions that cost far more than any drawing does; past the
// picture's allowance playback stops.
std::optional<QRegion> WmfParser::unionOf(const QList<QRect>& rects) {
    auto region = wmfUnionOf(rects, WmfLimits::maxRegionRects, m_regionWorkLeft);
    if (!region)
        stop(QStringLiteral("regions too complex"));
    return region;
}

// Each clip sent costs points from the picture's budget, so clip changes cannot pile up
// memory without end.
void WmfParser::syncClip() {
    flushLine();
    if (m_clipSent && m_sentClipId == m_dc.clipId)
        return;
    m_clipSent = true;
    m_sentClipId = m_dc.clipId;
    if (!m_dc.clip) {
        m_painter.setClip(std::nullopt);
        return;
    }
    if (!takePoints(qint64(m_dc.clip->rectCount()) * pointsPerRect))
        return;
    QPainterPath path;
    path.addRegion(*m_dc.clip);
    m_painter.setClip(QTransform::fromScale(1 / m_clipScale, 1 / m_clipScale).map(path));
}
