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
    : painter_(painter) {
    painter_->save();
    QTransform toTarget;
    toTarget.translate(target.x(), target.y());
    toTarget.scale(target.width() / frame.width(), target.height() / frame.height());
    toTarget.translate(-frame.x(), -frame.y());
    painter_->setTransform(toTarget, true);
    painter_->setClipRect(frame, Qt::IntersectClip);
    baseClip_ = painter_->clipPath();
    toDevice_ = painter_->combinedTransform();
    deviceScale_ = (axisScale(toDevice_, 1, 0) + axisScale(toDevice_, 0, 1)) / 2;
    if (QPaintEngine* engine = painter_->paintEngine()) {
        rasterOps_ = engine->hasFeature(QPaintEngine::RasterOpModes);
        blendModes_ = engine->hasFeature(QPaintEngine::BlendModes);
    }
    qtPen_ = qtPen();
    qtBrush_ = qtBrush(brush_, op_);
}

WmfQtPainter::~WmfQtPainter() {
    painter_->restore();
}

void WmfQtPainter::setPen(const WmfPen& pen) {
    pen_ = pen;
    qtPen_ = qtPen();
}

void WmfQtPainter::setBrush(const WmfBrush& brush) {
    brush_ = brush;
    qtBrush_ = qtBrush(brush_, op_);
}

void WmfQtPainter::setBackground(bool opaque, const QColor& color) {
    backgroundOpaque_ = opaque;
    background_ = color;
}

void WmfQtPainter::setRasterOp(WmfRasterOp op) {
    op_ = op;
    qtPen_ = qtPen();
    qtBrush_ = qtBrush(brush_, op_);
}

void WmfQtPainter::setClip(const std::optional<QPainterPath>& clip) {
    painter_->setClipPath(baseClip_, Qt::ReplaceClip);
    if (clip)
        painter_->setClipPath(*clip, Qt::IntersectClip);
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
    return pen_.width * deviceScale_ < 1.5;
}

QPen WmfQtPainter::qtPen() const {
    if (pen_.style == WmfPen::Style::Null)
        return Qt::NoPen;
    QPen pen(opColor(pen_.color, op_));
    const bool thin = penIsThin();
    pen.setWidthF(thin ? 0 : pen_.width);
    pen.setCosmetic(thin);
    pen.setCapStyle(pen_.cap);
    pen.setJoinStyle(pen_.join);
    if (const QList<qreal> dashes = dashesOf(pen_.style); thin && !dashes.isEmpty())
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
    qt.setTransform(toDevice_.inverted());
    return qt;
}

bool WmfQtPainter::penHasGaps() const {
    return pen_.style != WmfPen::Style::Solid && pen_.style != WmfPen::Style::Null && penIsThin();
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
        if (!rasterOps_)
            return false;
        mode = QPainter::RasterOp_NotDestination;
        break;
    case WmfRasterOp::Xor:
        if (!rasterOps_)
            return false;
        mode = QPainter::RasterOp_SourceXorDestination;
        break;
    case WmfRasterOp::NotXor:
        if (!rasterOps_)
            return false;
        mode = QPainter::RasterOp_NotSourceXorDestination;
        break;
    case WmfRasterOp::And:
        if (rasterOps_)
            mode = QPainter::RasterOp_SourceAndDestination;
        else if (blendModes_)
            mode = QPainter::CompositionMode_Multiply;
        break;
    case WmfRasterOp::Or:
        if (rasterOps_)
            mode = QPainter::RasterOp_SourceOrDestination;
        else if (blendModes_)
            mode = QPainter::CompositionMode_Lighten;
        break;
    case WmfRasterOp::NotCopy:
        if (rasterOps_)
            mode = QPainter::RasterOp_NotSource;
        break;
    }
    if (painter_->compositionMode() != mode)
        painter_->setCompositionMode(mode);
    return true;
}

// Opaque backgrounds show through hatches and the gaps of styled lines, so those are painted
// first in the background colour.
template <class Draw> void WmfQtPainter::drawShape(bool filled, const Draw& draw) {
    if (!beginOp(op_))
        return;
    const bool hatchBackground =
        filled && backgroundOpaque_ && brush_.style == WmfBrush::Style::Hatched;
    const bool lineBackground = backgroundOpaque_ && penHasGaps();
    if (hatchBackground || lineBackground) {
        QPen gapPen = Qt::NoPen;
        if (lineBackground) {
            gapPen = qtPen_;
            gapPen.setStyle(Qt::SolidLine);
            gapPen.setColor(opColor(background_, op_));
        }
        painter_->setPen(gapPen);
        painter_->setBrush(hatchBackground ? QBrush(opColor(background_, op_)) : QBrush());
        draw();
    }
    painter_->setPen(qtPen_);
    painter_->setBrush(filled ? qtBrush_ : QBrush());
    draw();
}

void WmfQtPainter::drawPolyline(const QPolygonF& points) {
    drawShape(false, [&] { painter_->drawPolyline(points); });
}

void WmfQtPainter::drawPolygon(const QPolygonF& points, Qt::FillRule rule) {
    drawShape(true, [&] { painter_->drawPolygon(points, rule); });
}

void WmfQtPainter::drawPolyPolygon(const QList<QPolygonF>& polygons, Qt::FillRule rule) {
    QPainterPath path;
    path.setFillRule(rule);
    for (const QPolygonF& polygon : polygons) {
        path.addPolygon(polygon);
        path.closeSubpath();
    }
    drawShape(true, [&] { painter_->drawPath(path); });
}

void WmfQtPainter::drawRect(const QRectF& rect) {
    drawShape(true, [&] { painter_->drawRect(rect); });
}

void WmfQtPainter::drawRoundRect(const QRectF& rect, const QSizeF& radii) {
    drawShape(true, [&] {
        painter_->drawRoundedRect(rect, radii.width(), radii.height(), Qt::AbsoluteSize);
    });
}

void WmfQtPainter::drawEllipse(const QRectF& rect) {
    drawShape(true, [&] { painter_->drawEllipse(rect); });
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
    drawShape(kind != WmfArcKind::Arc, [&] { painter_->drawPath(path); });
}

void WmfQtPainter::drawPoint(const QPointF& point, const QColor& color) {
    if (!beginOp(op_))
        return;
    painter_->setPen(QPen(opColor(color, op_), 0));
    painter_->drawPoint(point);
}

void WmfQtPainter::drawImage(const WmfImageDraw& image) {
    if (!beginOp(image.op == WmfRasterOp::NotCopy && !rasterOps_ ? WmfRasterOp::Copy : image.op))
        return;
    QImage pixels = image.image;
    if (image.op == WmfRasterOp::NotCopy && !rasterOps_)
        pixels.invertPixels();
    painter_->setRenderHint(QPainter::SmoothPixmapTransform, image.smooth);
    painter_->drawImage(image.target, pixels, image.source);
}

void WmfQtPainter::fillPath(const QPainterPath& area, const WmfBrush& brush, WmfRasterOp op) {
    if (!beginOp(op))
        return;
    painter_->fillPath(area, qtBrush(brush, op));
}
