#pragma once

#include <QList>
#include <QPointer>
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

// The ring around a control that holds the focus, inside `box`: drawn in the control's text
// colour with a dark line inside it, as many pixels thick as the layout's scale.
void drawFocusOutline(QPainter& painter, const QRect& box, const QColor& colour);

// Whether the key opens a right-click menu from the keyboard: the Menu key, or Shift+F10.
bool isMenuKey(int key, Qt::KeyboardModifiers modifiers);
// Opens the right-click menu of `control` at its middle, as a right-click there would; a control
// with no menu of its own passes it to its container and so on up to its window.
void openMenuOf(QWidget* control);
// From now on the menu keys open the menu of the control with the focus, in every window.
void watchMenuKeys();

// A frame drawn over another control to show it is picked by keyboard; the mouse passes through.
class Ring : public QWidget {
public:
    explicit Ring(QWidget* parent);
    // Stands around `target`, or hides when it is null; follows it when it moves or is resized
    // (F11 lays the screen out anew).
    void surround(QWidget* target);

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void fit();
    QPointer<QWidget> target_;
};

} // namespace KeyboardFocus
