#pragma once

#include "platform/controls/Control.h"

#include <QColor>
#include <QWidget>
#include <functional>

class ControlWidget;
class Timer;

// A screen: one top-level window with its controls and handlers. Controls are members built
// in the constructor with their design-time properties; Form_Load runs when Screens creates
// the screen. Events reach the handlers through the dispatch guard, wired here once.
class Screen : public QWidget {
public:
    explicit Screen(const QString& name);

    virtual void Form_Load() {}
    // The pointer moves over the window's bare background.
    virtual void Form_MouseMove(const MouseArgs&) {}
    // The frame's own close button: does what the screen's Exit does. By default the screen
    // is unloaded.
    virtual void closeRequested();
    // Escape: leaves the way the close button does, unless the screen is a question whose
    // Escape means its Cancel.
    virtual void escapeRequested() { closeRequested(); }

    // The window's place on the display and its size, in twips.
    double Left() const;
    double Top() const;
    double Width() const { return width_; }
    double Height() const { return height_; }
    void Move(double left, double top);
    void setSize(double width, double height);

    QColor BackColor() const { return backColor_; }
    void setBackColor(const QColor& colour);
    QString Caption() const { return windowTitle(); }
    void setCaption(const QString& caption) { setWindowTitle(caption); }

    // Whether leaving now would throw away what the pupil has done here: Escape then asks
    // first. The Exit entry and the frame's close button never ask.
    virtual bool hasProgressToLose() const { return false; }

    // What F1 does on every screen; set once when the program starts.
    static void setHelpKey(std::function<void()> action);

    // Enter pressed on a control that has no use for it (an answer of a group) runs this
    // entry's click.
    void setEnterEntry(ControlWidget* entry) { enterEntry_ = entry; }

    bool isUnloaded() const { return unloaded_; }
    // Called by Screens when the screen is unloaded: its timers stop, its handlers stop running.
    void markUnloaded();

protected:
    // Runs `handler` under the dispatch guard, unless the screen has been unloaded meanwhile.
    void dispatch(const char* name, const std::function<void()>& handler);

    // Wires a control's click or a timer's tick to a handler of the screen.
    void onTick(Timer& timer, const char* name, std::function<void()> handler);
    template <class Control>
    void onClickOf(Control& control, const char* name, std::function<void()> handler) {
        control.events.click = [this, name, handler] { dispatch(name, handler); };
    }
    template <class Control>
    void onMouseMoveOf(Control& control, const char* name,
                       std::function<void(const MouseArgs&)> handler) {
        control.events.mouseMove = [this, name, handler](const MouseArgs& args) {
            dispatch(name, [&] { handler(args); });
        };
    }
    template <class Control>
    void onMouseDownOf(Control& control, const char* name,
                       std::function<void(const MouseArgs&)> handler) {
        control.events.mouseDown = [this, name, handler](const MouseArgs& args) {
            dispatch(name, [&] { handler(args); });
        };
    }
    template <class Control>
    void onMouseUpOf(Control& control, const char* name,
                     std::function<void(const MouseArgs&)> handler) {
        control.events.mouseUp = [this, name, handler](const MouseArgs& args) {
            dispatch(name, [&] { handler(args); });
        };
    }

    template <class Control>
    void onKeyOf(Control& control, const char* name, std::function<bool(int)> handler) {
        control.events.key = [this, name, handler](int key) {
            bool used = false;
            dispatch(name, [&] { used = handler(key); });
            return used;
        };
    }

    template <class Control>
    void onKeyPressOf(Control& control, const char* name, std::function<void(int)> handler) {
        control.keyPress = [this, name, handler](int keyAscii) {
            dispatch(name, [&] { handler(keyAscii); });
        };
    }

    // Tab and Shift+Tab go through the controls in reading order, unless the screen keeps the
    // order its fields were given.
    void keepTabChain() { keepTabChain_ = true; }

    void mouseMoveEvent(QMouseEvent* event) override;
    bool event(QEvent* event) override;
    bool focusNextPrevChild(bool next) override;
    // Escape does what the screen's Exit does, except from a text field; F1 opens the help.
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

public:
    // Grows each time a screen is shown or comes to the front: screens in this order stand
    // as the window system stacks them, the latest in front.
    quint64 frontSince() const { return frontSince_; }

private:
    QColor backColor_{192, 192, 192};
    quint64 frontSince_ = 0;
    double width_ = 0;
    double height_ = 0;
    bool unloaded_ = false;
    bool keepTabChain_ = false;
    ControlWidget* enterEntry_ = nullptr;
};
