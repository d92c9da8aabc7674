#include "platform/wmf/WmfDeviceContext.h"

#include "platform/wmf/WmfLimits.h"

#include <algorithm>

namespace {

// Merges the spans of the rectangles crossing one band (sorted by left edge) into `out`.
void bandSpans(const std::vector<QRect>& active, int top, int bottom, QList<QRect>& out) {
    int left = 0;
    int right = 0; // one past the span's last column
    bool open = false;
    for (const QRect& r : active) {
        if (open && r.left() <= right) {
            right = qMax(right, r.right() + 1);
            continue;
        }
        if (open)
            out.append(QRect(left, top, right - left, bottom - top));
        left = r.left();
        right = r.right() + 1;
        open = true;
    }
    if (open)
        out.append(QRect(left, top, right - left, bottom - top));
}

bool sameSpans(const QList<QRect>& rects, qsizetype a, qsizetype b, qsizetype count) {
    for (qsizetype i = 0; i < count; ++i)
        if (rects[a + i].left() != rects[b + i].left() ||
            rects[a + i].right() != rects[b + i].right())
            return false;
    return true;
}

} // namespace

std::optional<QRegion> wmfUnionOf(const QList<QRect>& rects, int maxRects, qint64& work) {
    std::vector<QRect> byTop;
    std::vector<int> edges;
    for (const QRect& r : rects) {
        if (r.isEmpty())
            continue;
        byTop.push_back(r);
        edges.push_back(r.top());
        edges.push_back(r.bottom() + 1);
    }
    std::sort(byTop.begin(), byTop.end(),
              [](const QRect& a, const QRect& b) { return a.top() < b.top(); });
    std::sort(edges.begin(), edges.end());
    edges.erase(std::unique(edges.begin(), edges.end()), edges.end());

    std::vector<QRect> active; // sorted by left edge
    QList<QRect> out;          // y-x banded, as QRegion keeps its rectangles
    qsizetype lastBand = 0;
    qsizetype lastCount = 0;
    size_t next = 0;
    for (size_t e = 0; e + 1 < edges.size(); ++e) {
        const int top = edges[e];
        const int bottom = edges[e + 1];
        std::erase_if(active, [&](const QRect& r) { return r.bottom() < top; });
        for (; next < byTop.size() && byTop[next].top() == top; ++next) {
            const auto at = std::upper_bound(
                active.begin(), active.end(), byTop[next],
                [](const QRect& a, const QRect& b) { return a.left() < b.left(); });
            active.insert(at, byTop[next]);
        }
        work -= qint64(active.size()) + 1;
        if (work < 0)
            return std::nullopt;
        const qsizetype start = out.size();
        bandSpans(active, top, bottom, out);
        const qsizetype count = out.size() - start;
        // A band that repeats the one just above it only makes that one taller.
        if (count > 0 && count == lastCount && out[lastBand].bottom() + 1 == top &&
            sameSpans(out, lastBand, start, count)) {
            out.resize(start);
            for (qsizetype i = 0; i < count; ++i)
                out[lastBand + i].setBottom(bottom - 1);
            continue;
        }
        if (out.size() > maxRects) {
            out.resize(start);
            break;
        }
        if (count > 0) {
            lastBand = start;
            lastCount = count;
        }
    }
    QRegion region;
    region.setRects(out.constData(), int(out.size()));
    return region;
}

int WmfObjectTable::add(WmfObject object) {
    int index;
    if (!free_.empty()) {
        index = *free_.begin();
        free_.erase(free_.begin());
        slots_[index] = std::move(object);
        return index;
    }
    if (slots_.size() >= size_t(WmfLimits::maxObjects))
        return -1;
    index = int(slots_.size());
    slots_.push_back(std::move(object));
    return index;
}

const WmfObject* WmfObjectTable::at(int index) const {
    if (index < 0 || size_t(index) >= slots_.size())
        return nullptr;
    const WmfObject& object = slots_[index];
    return std::holds_alternative<std::monostate>(object) ? nullptr : &object;
}

void WmfObjectTable::remove(int index) {
    if (!at(index))
        return;
    slots_[index] = std::monostate{};
    free_.insert(index);
}

void WmfMapping::reset(const QRectF& frame) {
    windowOrg = viewportOrg = frame.topLeft();
    windowExt = viewportExt = QPointF(frame.width(), frame.height());
    if (windowExt.x() == 0 || windowExt.y() == 0)
        windowExt = viewportExt = QPointF(1, 1);
}

qreal WmfMapping::scaleX() const {
    const qreal sx = viewportExt.x() / windowExt.x();
    if (mode != Isotropic)
        return sx;
    const qreal sy = viewportExt.y() / windowExt.y();
    return std::copysign(qMin(qAbs(sx), qAbs(sy)), sx);
}

qreal WmfMapping::scaleY() const {
    const qreal sy = viewportExt.y() / windowExt.y();
    if (mode != Isotropic)
        return sy;
    const qreal sx = viewportExt.x() / windowExt.x();
    return std::copysign(qMin(qAbs(sx), qAbs(sy)), sy);
}

QPointF WmfMapping::map(qreal x, qreal y) const {
    return {(x - windowOrg.x()) * scaleX() + viewportOrg.x(),
            (y - windowOrg.y()) * scaleY() + viewportOrg.y()};
}

std::array<qreal, 6> WmfMapping::key() const {
    return {scaleX(), scaleY(), windowOrg.x(), windowOrg.y(), viewportOrg.x(), viewportOrg.y()};
}

QRectF WmfMapping::mapRect(qreal left, qreal top, qreal right, qreal bottom) const {
    return QRectF(map(left, top), map(right, bottom)).normalized();
}
