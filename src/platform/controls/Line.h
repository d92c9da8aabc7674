#pragma once

#include <QColor>
#include <QPointF>
#include <QWidget>

// A straight line drawn on a window as decoration, from one twips point to another. It takes
// no part in the mouse: events pass through to whatever lies beneath it.
class Line : public QWidget {
    Q_OBJECT
public:
    explicit Line(QWidget* parent);

    QPointF from() const { return from_; }
    QPointF to() const { return to_; }
    void setEnds(const QPointF& fromTwips, const QPointF& toTwips);
    QColor BorderColor() const { return colour_; }
    void setBorderColor(const QColor& colour);
    // Width of the pen in pixels.
    int BorderWidth() const { return penPixels_; }
    void setBorderWidth(int pixels);
    // Re-places the line from its twips ends, after the twips scale has changed.
    void applyGeometry() { place(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void place();

    QPointF from_;
    QPointF to_;
    QColor colour_{0, 0, 0};
    int penPixels_ = 1;
};
