#pragma once

#include "platform/controls/Control.h"

#include <QWidget>
#include <optional>

// The base of the program's own drawn controls: twips geometry, the control's own mouse
// events (which never fall through to the window beneath), and a click on left-button release
// over the control that was pressed.
class ControlWidget : public QWidget, public TwipsGeometry {
    Q_OBJECT
public:
    explicit ControlWidget(QWidget* parent);

    bool Visible() const { return !isHidden(); }
    // A right-click on the control opens its window's menu. Off by default: a control keeps
    // its mouse to itself, and the boards' labels are dragged with either button.
    void setRightClickGoesToWindow(bool on) { rightClickToWindow_ = on; }

    // Reached by Tab: by default a control that answers a click; a screen may say otherwise.
    bool takesKeys() const { return takesKeys_.value_or(static_cast<bool>(events.click)); }
    void setTakesKeys(bool takes) { takesKeys_ = takes; }

    ControlEvents events;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    // The second press of a double-click is no new press: one double-click is one click.
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    // Enter, Return or Space do what a click does, once per press; other keys go to the
    // control's own key handler, then to the window.
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool leftPressed_ = false;
    bool rightClickToWindow_ = false;
    std::optional<bool> takesKeys_;
};
