#include "platform/wmf/WmfDeviceContext.h"

#include "platform/wmf/WmfLimits.h"

namespace {

QRegion unionOf(const QList<QRect>& rects, qsizetype first, qsizetype count) {
    if (count == 1)
        return QRegion(rects[first]);
    const qsizetype half = count / 2;
    return unionOf(rects, first, half).united(unionOf(rects, first + half, count - half));
}

} // namespace

QRegion wmfUnionOf(const QList<QRect>& rects) {
    return rects.isEmpty() ? QRegion() : unionOf(rects, 0, rects.size());
}

int WmfObjectTable::add(WmfObject object) {
    int index;
    if (!m_free.empty()) {
        index = *m_free.begin();
        m_free.erase(m_free.begin());
        m_slots[index] = std::move(object);
        return index;
    }
    if (m_slots.size() >= size_t(WmfLimits::maxObjects))
        return -1;
    index = int(m_slots.size());
    m_slots.push_back(std::move(object));
    return index;
}

const WmfObject* WmfObjectTable::at(int index) const {
    if (index < 0 || size_t(index) >= m_slots.size())
        return nullptr;
    const WmfObject& object = m_slots[index];
    return std::holds_alternative<std::monostate>(object) ? nullptr : &object;
}

void WmfObjectTable::remove(int index) {
    if (!at(index))
        return;
    m_slots[index] = std::monostate{};
    m_free.insert(index);
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

QRectF WmfMapping::mapRect(qreal left, qreal top, qreal right, qreal bottom) const {
    return QRectF(map(left, top), map(right, bottom)).normalized();
}
