#include "platform/wmf/WmfRecorder.h"

namespace {

template <class... Ts> struct Overloaded : Ts... { using Ts::operator()...; };
template <class... Ts> Overloaded(Ts...) -> Overloaded<Ts...>;

} // namespace

void WmfRecorder::replay(WmfPainter& p) const {
    using namespace WmfCommand;
    const auto visitor = Overloaded{
        [&](const SetPen& c) { p.setPen(c.pen); },
        [&](const SetBrush& c) { p.setBrush(c.brush); },
        [&](const SetBackground& c) { p.setBackground(c.opaque, c.color); },
        [&](const SetRasterOp& c) { p.setRasterOp(c.op); },
        [&](const SetClip& c) { p.setClip(c.clip); },
        [&](const Polyline& c) { p.drawPolyline(c.points); },
        [&](const Polygon& c) { p.drawPolygon(c.points, c.rule); },
        [&](const PolyPolygon& c) { p.drawPolyPolygon(c.polygons, c.rule); },
        [&](const Rect& c) { p.drawRect(c.rect); },
        [&](const RoundRect& c) { p.drawRoundRect(c.rect, c.radii); },
        [&](const Ellipse& c) { p.drawEllipse(c.rect); },
        [&](const Arc& c) { p.drawArc(c.kind, c.rect, c.startAngle, c.spanAngle); },
        [&](const Point& c) { p.drawPoint(c.point, c.color); },
        [&](const Text& c) { p.drawText(c.run); },
        [&](const Image& c) { p.drawImage(c.draw); },
        [&](const FillPath& c) { p.fillPath(c.area, c.brush, c.op); },
    };
    for (const auto& command : commands_)
        std::visit(visitor, command);
}

void WmfRecorder::setPen(const WmfPen& pen) {
    commands_.emplace_back(WmfCommand::SetPen{pen});
}

void WmfRecorder::setBrush(const WmfBrush& brush) {
    commands_.emplace_back(WmfCommand::SetBrush{brush});
}

void WmfRecorder::setBackground(bool opaque, const QColor& color) {
    commands_.emplace_back(WmfCommand::SetBackground{opaque, color});
}

void WmfRecorder::setRasterOp(WmfRasterOp op) {
    commands_.emplace_back(WmfCommand::SetRasterOp{op});
}

void WmfRecorder::setClip(const std::optional<QPainterPath>& clip) {
    commands_.emplace_back(WmfCommand::SetClip{clip});
}

void WmfRecorder::drawPolyline(const QPolygonF& points) {
    commands_.emplace_back(WmfCommand::Polyline{points});
}

void WmfRecorder::drawPolygon(const QPolygonF& points, Qt::FillRule rule) {
    commands_.emplace_back(WmfCommand::Polygon{points, rule});
}

void WmfRecorder::drawPolyPolygon(const QList<QPolygonF>& polygons, Qt::FillRule rule) {
    commands_.emplace_back(WmfCommand::PolyPolygon{polygons, rule});
}

void WmfRecorder::drawRect(const QRectF& rect) {
    commands_.emplace_back(WmfCommand::Rect{rect});
}

void WmfRecorder::drawRoundRect(const QRectF& rect, const QSizeF& radii) {
    commands_.emplace_back(WmfCommand::RoundRect{rect, radii});
}

void WmfRecorder::drawEllipse(const QRectF& rect) {
    commands_.emplace_back(WmfCommand::Ellipse{rect});
}

void WmfRecorder::drawArc(WmfArcKind kind, const QRectF& rect, qreal startAngle, qreal spanAngle) {
    commands_.emplace_back(WmfCommand::Arc{kind, rect, startAngle, spanAngle});
}

void WmfRecorder::drawPoint(const QPointF& point, const QColor& color) {
    commands_.emplace_back(WmfCommand::Point{point, color});
}

void WmfRecorder::drawText(const WmfTextRun& run) {
    commands_.emplace_back(WmfCommand::Text{run});
}

void WmfRecorder::drawImage(const WmfImageDraw& image) {
    commands_.emplace_back(WmfCommand::Image{image});
}

void WmfRecorder::fillPath(const QPainterPath& area, const WmfBrush& brush, WmfRasterOp op) {
    commands_.emplace_back(WmfCommand::FillPath{area, brush, op});
}
