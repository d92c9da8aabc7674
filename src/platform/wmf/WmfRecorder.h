#pragma once

#include "platform/wmf/WmfPainter.h"

#include <variant>
#include <vector>

// The calls a painter received, kept in order so they can be replayed onto another painter
// (a picture parses once into a recording and replays it on every paint) or inspected by tests.
namespace WmfCommand {

struct SetPen {
    WmfPen pen;
};
struct SetBrush {
    WmfBrush brush;
};
struct SetBackground {
    bool opaque;
    QColor color;
};
struct SetRasterOp {
    WmfRasterOp op;
};
struct SetClip {
    std::optional<QPainterPath> clip;
};
struct Polyline {
    QPolygonF points;
};
struct Polygon {
    QPolygonF points;
    Qt::FillRule rule;
};
struct PolyPolygon {
    QList<QPolygonF> polygons;
    Qt::FillRule rule;
};
struct Rect {
    QRectF rect;
};
struct RoundRect {
    QRectF rect;
    QSizeF radii;
};
struct Ellipse {
    QRectF rect;
};
struct Arc {
    WmfArcKind kind;
    QRectF rect;
    qreal startAngle;
    qreal spanAngle;
};
struct Point {
    QPointF point;
    QColor color;
};
struct Text {
    WmfTextRun run;
};
struct Image {
    WmfImageDraw draw;
};
struct FillPath {
    QPainterPath area;
    WmfBrush brush;
    WmfRasterOp op;
};

using Any = std::variant<SetPen, SetBrush, SetBackground, SetRasterOp, SetClip, Polyline, Polygon,
                         PolyPolygon, Rect, RoundRect, Ellipse, Arc, Point, Text, Image, FillPath>;

} // namespace WmfCommand

class WmfRecorder : public WmfPainter {
public:
    const std::vector<WmfCommand::Any>& commands() const { return commands_; }
    void replay(WmfPainter& painter) const;
    void clear() { commands_.clear(); }

    void setPen(const WmfPen& pen) override;
    void setBrush(const WmfBrush& brush) override;
    void setBackground(bool opaque, const QColor& color) override;
    void setRasterOp(WmfRasterOp op) override;
    void setClip(const std::optional<QPainterPath>& clip) override;
    void drawPolyline(const QPolygonF& points) override;
    void drawPolygon(const QPolygonF& points, Qt::FillRule rule) override;
    void drawPolyPolygon(const QList<QPolygonF>& polygons, Qt::FillRule rule) override;
    void drawRect(const QRectF& rect) override;
    void drawRoundRect(const QRectF& rect, const QSizeF& radii) override;
    void drawEllipse(const QRectF& rect) override;
    void drawArc(WmfArcKind kind, const QRectF& rect, qreal startAngle, qreal spanAngle) override;
    void drawPoint(const QPointF& point, const QColor& color) override;
    void drawText(const WmfTextRun& run) override;
    void drawImage(const WmfImageDraw& image) override;
    void fillPath(const QPainterPath& area, const WmfBrush& brush, WmfRasterOp op) override;

private:
    std::vector<WmfCommand::Any> commands_;
};
