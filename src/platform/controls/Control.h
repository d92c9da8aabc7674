#pragma once

#include <QString>
#include <functional>

class QWidget;
class QMouseEvent;

// Mouse event arguments as handlers receive them: buttons and shift state as bit sets
// (1 left, 2 right, 4 middle; 1 shift, 2 ctrl, 4 alt) and the pointer in twips relative to
// the control's top-left corner.
struct MouseArgs {
    int Button = 0;
    int Shift = 0;
    double X = 0;
    double Y = 0;
};

MouseArgs mouseArgs(const QMouseEvent* event, bool pressedButtonOnly);

// What every control can report. Screens wire these once, through the dispatch guard.
struct ControlEvents {
    std::function<void()> click;
    std::function<void(const MouseArgs&)> mouseDown;
    std::function<void(const MouseArgs&)> mouseMove;
    std::function<void(const MouseArgs&)> mouseUp;
    // A key pressed while the control holds the focus (a Qt::Key); true when it was used.
    std::function<bool(int key)> key;
};

// A control's place and size in twips. The model holds the exact values; the widget follows,
// so rounding to pixels never changes what the program reads back.
class TwipsGeometry {
public:
    explicit TwipsGeometry(QWidget* widget) : widget_(widget) {}

    double Left() const { return left_; }
    double Top() const { return top_; }
    double Width() const { return width_; }
    double Height() const { return height_; }
    void setLeft(double left);
    void setTop(double top);
    void setWidth(double width);
    void setHeight(double height);
    void Move(double left, double top);
    void Move(double left, double top, double width, double height);
    // Re-places the widget from the twips model, after the twips scale has changed.
    void applyGeometry();

private:
    QWidget* widget_;
    double left_ = 0;
    double top_ = 0;
    double width_ = 0;
    double height_ = 0;
};

// Sets the control's name as the program knows it: "Label3" alone or "Label3_2" for Label3(2).
void setControlName(QWidget* widget, const QString& name, int index = -1);
