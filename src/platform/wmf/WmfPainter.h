#pragma once

#include "platform/wmf/WmfTypes.h"

#include <QPainterPath>
#include <QPolygonF>

// Receives a metafile's drawing, in frame coordinates, from the reader. State calls come
// before the drawing they apply to and only when the state changes.
class WmfPainter {
public:
    virtual ~WmfPainter() = default;

    virtual void setPen(const WmfPen& pen) = 0;
    virtual void setBrush(const WmfBrush& brush) = 0;
    // Background for hatched brushes and styled lines; opaque false leaves gaps unpainted.
    virtual void setBackground(bool opaque, const QColor& color) = 0;
    virtual void setRasterOp(WmfRasterOp op) = 0;
    // No value removes the clip.
    virtual void setClip(const std::optional<QPainterPath>& clip) = 0;

    virtual void drawPolyline(const QPolygonF& points) = 0;
    virtual void drawPolygon(const QPolygonF& points, Qt::FillRule rule) = 0;
    virtual void drawPolyPolygon(const QList<QPolygonF>& polygons, Qt::FillRule rule) = 0;
    virtual void drawRect(const QRectF& rect) = 0;
    virtual void drawRoundRect(const QRectF& rect, const QSizeF& radii) = 0;
    virtual void drawEllipse(const QRectF& rect) = 0;
    // Angles in degrees, counter-clockwise, in the painter's ellipse parametrisation.
    virtual void drawArc(WmfArcKind kind, const QRectF& rect, qreal startAngle,
                         qreal spanAngle) = 0;
    virtual void drawPoint(const QPointF& point, const QColor& color) = 0;
    virtual void drawText(const WmfTextRun& run) = 0;
    virtual void drawImage(const WmfImageDraw& image) = 0;
    // Fills an area with a brush, without outline (blits without a bitmap, region fills).
    virtual void fillPath(const QPainterPath& area, const WmfBrush& brush, WmfRasterOp op) = 0;
};
