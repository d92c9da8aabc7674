#pragma once

#include <QList>
#include <QWidget>

class QPainter;

// Moving through a window by keyboard alone. The program's own drawn controls take no focus
// from the mouse or when a window opens, so a window looks as it always has until a key is
// pressed; Tab then reaches them as it reaches the standard controls.
namespace KeyboardFocus {

// True for Enter, Return and Space: the keys that do what a click does.
bool isActivationKey(int key);

// Whether the widget can be reached by Tab now: shown, enabled, and either a standard control
// that takes the focus by Tab or one of the program's controls that answers a click.
bool isReachable(const QWidget* widget);

// The window's reachable controls top to bottom, left to right. Option buttons that exclude one
// another stand as one stop: the one with the focus, else the chosen one, else the first.
QList<QWidget*> readingOrder(QWidget* window);
// The reachable standard controls in the window's own tab chain, then the program's controls
// in reading order; for windows whose fields were given an order of their own.
QList<QWidget*> chainOrder(QWidget* window);

// The shown, enabled option buttons of the group `option` belongs to, in reading order.
QList<QWidget*> readingOrderOfGroup(QWidget* option);

// The stop after (or before) `current` in `order`, going round; null when the order is empty.
QWidget* step(const QList<QWidget*>& order, QWidget* current, bool forward);

// The dotted outline of a control that holds the focus, inside `box`.
void drawFocusOutline(QPainter& painter, const QRect& box, const QColor& colour);

// A frame drawn over another control to show it is picked by keyboard; the mouse passes through.
class Ring : public QWidget {
public:
    explicit Ring(QWidget* parent);
    // Stands around `target`, or hides when it is null.
    void surround(const QWidget* target);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace KeyboardFocus
