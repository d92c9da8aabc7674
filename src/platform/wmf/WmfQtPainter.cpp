#include "platform/wmf/WmfQtPainter.h"

#include <QPaintEngine>
#include <QtMath>

namespace {

qreal axisScale(const QTransform& t, qreal dx, qreal dy) {
    return QLineF(t.map(QPointF(0, 0)), t.map(QPointF(dx, dy))).length();
}

Qt::BrushStyle hatchStyle(WmfBrush::Hatch hatch) {
    switch (hatch) {
    case WmfBrush::Vertical:
        return Qt::VerPattern;
    case WmfBrush::ForwardDiagonal:
        return Qt::FDiagPattern;
    case WmfBrush::BackwardDiagonal:
        return Qt::BDiagPattern;
    case WmfBrush::Cross:
        return Qt::CrossPattern;
    case WmfBrush::DiagCross:
        return Qt::DiagCrossPattern;
    default:
        return Qt::HorPattern;
    }
}

// Dash lengths of the system's thin styled pens, in pen widths.
QList<qreal> dashesOf(WmfPen::Style style) {
    switch (style) {
    case WmfPen::Style::Dash:
        return {18, 6};
    case WmfPen::Style::Dot:
        return {3, 3};
    case WmfPen::Style::DashDot:
        return {9, 6, 3, 6};
    case WmfPen::Style::DashDotDot:
        return {9, 3, 3, 3, 3, 3};
    default:
        return {};
    }
}

} // namespace

WmfQtPainter::WmfQtPainter(QPainter* painter, const QRectF& frame, const QRectF& target)
    : m_p(painter) {
    m_p->save();
    QTransform toTarget;
    toTarget.translate(target.x(), target.y());
    toTarget.scale(target.width() / frame.width(), target.height() / frame.height());
    toTarget.translate(-frame.x(), -frame.y());
    m_p->setTransform(toTarget, true);
    m_p->setClipRect(frame, Qt::IntersectClip);
    m_baseClip = m_p->clipPath();
    m_toDevice = m_p->combinedTransform();
    m_deviceScale = (axisScale(m_toDevice, 1, 0) + axisScale(m_toDevice, 0, 1)) / 2;
    if (QPaintEngine* engine = m_p->paintEngine()) {
        m_rasterOps = engine->hasFeature(QPaintEngine::RasterOpModes);
        m_blendModes = engine->hasFeature(QPaintEngine::BlendModes);
    }
    m_qtPen = qtPen();
    m_qtBrush = qtBrush(m_brush, m_op);
}

WmfQtPainter::~WmfQtPainter() {
    m_p->restore();
}

void WmfQtPainter::setPen(const WmfPen& pen) {
    m_pen = pen;
    m_qtPen = qtPen();
}

void WmfQtPainter::setBrush(const WmfBrush& brush) {
    m_brush = brush;
    m_qtBrush = qtBrush(m_brush, m_op);
}

void WmfQtPainter::setBackground(bool opaque, const QColor& color) {
    m_backgroundOpaque = opaque;
    m_background = color;
}

void WmfQtPainter::setRasterOp(WmfRasterOp op) {
    m_op = op;
    m_qtPen = qtPen();
    m_qtBrush = qtBrush(m_brush, m_op);
}

void WmfQtPainter::setClip(const std::optional<QPainterPath>& clip) {
    m_p->setClipPath(m_baseClip, Qt::ReplaceClip);
    if (clip)
        m_p->setClipPath(*clip, Qt::IntersectClip);
}

QColor WmfQtPainter::opColor(const QColor& color, WmfRasterOp op) const {
    if (op == WmfRasterOp::Black)
        return Qt::black;
    if (op == WmfRasterOp::White)
        return Qt::white;
    return color;
}

// Lines thinner than a device pixel are drawn one pixel wide, as the system draws them; only
// such thin lines can be dashed or dotted, wider ones are always solid.
bool WmfQtPainter::penIsThin() const {
    return m_pen.width * m_deviceScale < 1.5;
}

QPen WmfQtPainter::qtPen() const {
    if (m_pen.style == WmfPen::Style::Null)
        return Qt::NoPen;
    QPen pen(opColor(m_pen.color, m_op));
    const bool thin = penIsThin();
    pen.setWidthF(thin ? 0 : m_pen.width);
    pen.setCosmetic(thin);
    pen.setCapStyle(m_pen.cap);
    pen.setJoinStyle(m_pen.join);
    if (const QList<qreal> dashes = dashesOf(m_pen.style); thin && !dashes.isEmpty())
        pen.setDashPattern(dashes);
    return pen;
}

// Hatches and patterns stay in device pixels, as the system lays them.
QBrush WmfQtPainter::qtBrush(const WmfBrush& brush, WmfRasterOp op) const {
    QBrush qt;
    switch (brush.style) {
    case WmfBrush::Style::Null:
        return Qt::NoBrush;
    case WmfBrush::Style::Solid:
        return opColor(brush.color, op);
    case WmfBrush::Style::Hatched:
        qt = QBrush(opColor(brush.color, op), hatchStyle(brush.hatch));
        break;
    case WmfBrush::Style::Pattern:
        if (op == WmfRasterOp::Black || op == WmfRasterOp::White || brush.pattern.isNull())
            return opColor(brush.color, op);
        qt = QBrush(brush.pattern);
        break;
    }
    qt.setTransform(m_toDevice.inverted());
    return qt;
}

bool WmfQtPainter::penHasGaps() const {
    return m_pen.style != WmfPen::Style::Solid && m_pen.style != WmfPen::Style::Null && penIsThin();
}

// Picks the composition for an operation; false when the device cannot do it and drawing it
// as a plain copy would look wrong.
bool WmfQtPainter::beginOp(WmfRasterOp op) {
    QPainter::CompositionMode mode = QPainter::CompositionMode_SourceOver;
    switch (op) {
    case WmfRasterOp::Nop:
        return false;
    case WmfRasterOp::Copy:
    case WmfRasterOp::Black:
    case WmfRasterOp::White:
        break;
    case WmfRasterOp::Invert:
        if (!m_rasterOps)
            return false;
        mode = QPainter::RasterOp_NotDestination;
        break;
    case WmfRasterOp::Xor:
        if (!m_rasterOps)
            return false;
        mode = QPainter::RasterOp_SourceXorDestination;
        break;
    case WmfRasterOp::NotXor:
        if (!m_rasterOps)
            return false;
        mode = QPainter::RasterOp_NotSourceXorDestination;
        break;
    case WmfRasterOp::And:
        if (m_rasterOps)
            mode = QPainter::RasterOp_SourceAndDestination;
        else if (m_blendModes)
            mode = QPainter::CompositionMode_Multiply;
        break;
    case WmfRasterOp::Or:
        if (m_rasterOps)
            mode = QPainter::RasterOp_SourceOrDestination;
        else if (m_blendModes)
            mode = QPainter::CompositionMode_Lighten;
        break;
    case WmfRasterOp::NotCopy:
        if (m_rasterOps)
            mode = QPainter::RasterOp_NotSource;
        break;
    }
    if (m_p->compositionMode() != mode)
        m_p->setCompositionMode(mode);
    return true;
}

// Opaque backgrounds show through hatches and the gaps of styled lines, so those are painted
// first in the background colour.
template <class Draw> void WmfQtPainter::drawShape(bool filled, const Draw& draw) {
    if (!beginOp(m_op))
        return;
    const bool hatchBackground =
        filled && m_backgroundOpaque && m_brush.style == WmfBrush::Style::Hatched;
    const bool lineBackground = m_backgroundOpaque && penHasGaps();
    if (hatchBackground || lineBackground) {
        QPen gapPen = Qt::NoPen;
        if (lineBackground) {
            gapPen = m_qtPen;
            gapPen.setStyle(Qt::SolidLine);
            gapPen.setColor(opColor(m_background, m_op));
        }
        m_p->setPen(gapPen);
        m_p->setBrush(hatchBackground ? QBrush(opColor(m_background, m_op)) : QBrush());
        draw();
    }
    m_p->setPen(m_qtPen);
    m_p->setBrush(filled ? m_qtBrush : QBrush());
    draw();
}

void WmfQtPainter::drawPolyline(const QPolygonF& points) {
    drawShape(false, [&] { m_p->drawPolyline(points); });
}

void WmfQtPainter::drawPolygon(const QPolygonF& points, Qt::FillRule rule) {
    drawShape(true, [&] { m_p->drawPolygon(points, rule); });
}

void WmfQtPainter::drawPolyPolygon(const QList<QPolygonF>& polygons, Qt::FillRule rule) {
    QPainterPath path;
    path.setFillRule(rule);
    for (const QPolygonF& polygon : polygons) {
        path.addPolygon(polygon);
        path.closeSubpath();
    }
    drawShape(true, [&] { m_p->drawPath(path); });
}

void WmfQtPainter::drawRect(const QRectF& rect) {
    drawShape(true, [&] { m_p->drawRect(rect); });
}

void WmfQtPainter::drawRoundRect(const QRectF& rect, const QSizeF& radii) {
    drawShape(true,
              [&] { m_p->drawRoundedRect(rect, radii.width(), radii.height(), Qt::AbsoluteSize); });
}

void WmfQtPainter::drawEllipse(const QRectF& rect) {
    drawShape(true, [&] { m_p->drawEllipse(rect); });
}

void WmfQtPainter::drawArc(WmfArcKind kind, const QRectF& rect, qreal startAngle, qreal spanAngle) {
    QPainterPath path;
    if (kind == WmfArcKind::Pie)
        path.moveTo(rect.center());
    else
        path.arcMoveTo(rect, startAngle);
    path.arcTo(rect, startAngle, spanAngle);
    if (kind != WmfArcKind::Arc)
        path.closeSubpath();
    drawShape(kind != WmfArcKind::Arc, [&] { m_p->drawPath(path); });
}

void WmfQtPainter::drawPoint(const QPointF& point, const QColor& color) {
    if (!beginOp(m_op))
        return;
    m_p->setPen(QPen(opColor(color, m_op), 0));
    m_p->drawPoint(point);
}

void WmfQtPainter::drawImage(const WmfImageDraw& image) {
    if (!beginOp(image.op == WmfRasterOp::NotCopy && !m_rasterOps ? WmfRasterOp::Copy : image.op))
        return;
    QImage pixels = image.image;
    if (image.op == WmfRasterOp::NotCopy && !m_rasterOps)
        pixels.invertPixels();
    m_p->setRenderHint(QPainter::SmoothPixmapTransform, image.smooth);
    m_p->drawImage(image.target, pixels, image.source);
}

void WmfQtPainter::fillPath(const QPainterPath& area, const WmfBrush& brush, WmfRasterOp op) {
    if (!beginOp(op))
        return;
    m_p->fillPath(area, qtBrush(brush, op));
}
