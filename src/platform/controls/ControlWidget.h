#pragma once

#include "platform/controls/Control.h"

#include <QWidget>

// The base of the program's own drawn controls: twips geometry, the control's own mouse
// events (which never fall through to the window beneath), and a click on left-button release
// over the control that was pressed.
class ControlWidget : public QWidget, public TwipsGeometry {
    Q_OBJECT
public:
    explicit ControlWidget(QWidget* parent);

    bool Visible() const { return !isHidden(); }

    ControlEvents events;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    // The second press of a double-click is no new press: one double-click is one click.
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    bool leftPressed_ = false;
};
