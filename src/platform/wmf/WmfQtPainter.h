#pragma once

#include "platform/wmf/WmfPainter.h"

#include <QBrush>
#include <QPainter>
#include <QPen>

// Draws a metafile's calls with a QPainter, stretching the frame onto a target rectangle in the
// painter's current coordinates. Works on any paint device: widgets, images, printers, PDF.
// Construction saves the painter's state and destruction restores it.
class WmfQtPainter : public WmfPainter {
public:
    WmfQtPainter(QPainter* painter, const QRectF& frame, const QRectF& target);
    ~WmfQtPainter() override;
    WmfQtPainter(const WmfQtPainter&) = delete;
    WmfQtPainter& operator=(const WmfQtPainter&) = delete;

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
    template <class Draw> void drawShape(bool filled, const Draw& draw);
    bool beginOp(WmfRasterOp op);
    QColor opColor(const QColor& color, WmfRasterOp op) const;
    QPen qtPen() const;
    QBrush qtBrush(const WmfBrush& brush, WmfRasterOp op) const;
    bool penIsThin() const;
    bool penHasGaps() const;

    QPainter* painter_;
    QPainterPath baseClip_;
    bool rasterOps_ = false;
    bool blendModes_ = false;
    qreal deviceScale_ = 1; // device pixels per frame unit
    QTransform toDevice_;

    WmfPen pen_;
    WmfBrush brush_;
    bool backgroundOpaque_ = true;
    QColor background_ = Qt::white;
    WmfRasterOp op_ = WmfRasterOp::Copy;
    QPen qtPen_;
    QBrush qtBrush_;
};
