#pragma once

#include "platform/controls/Control.h"

#include <QPushButton>
#include <QRadioButton>

// A push button with a caption and a click.
class CommandButton : public QPushButton, public TwipsGeometry {
    Q_OBJECT
public:
    explicit CommandButton(QWidget* parent);

    QString Caption() const { return text(); }
    void setCaption(const QString& caption);
    void setFontSpec(const QString& family, double points, bool bold = false);
    void setBackColor(const QColor& colour);
    bool Visible() const { return !isHidden(); }

    ControlEvents events;

protected:
    // Drawn as the classic raised button in its own back colour; the style's drawing would keep
    // a cached face for every new button's palette.
    void paintEvent(QPaintEvent* event) override;
    // Enter presses the button, as Space does.
    void keyPressEvent(QKeyEvent* event) override;

private:
    QColor back_ = QColor(192, 192, 192);
};

// An option button; the option buttons of one container form one group. Its click runs when
// the user selects it; setting it from code does not click it.
class OptionButton : public QRadioButton, public TwipsGeometry {
    Q_OBJECT
public:
    explicit OptionButton(QWidget* parent);

    QString Caption() const { return caption_; }
    void setCaption(const QString& caption);
    void setFontSpec(const QString& family, double points, bool bold = false);
    void setColours(const QColor& text, const QColor& background);
    void setBackColor(const QColor& colour);
    bool Value() const { return isChecked(); }
    void setValue(bool value) { setChecked(value); }
    bool Visible() const { return !isHidden(); }

    ControlEvents events;

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    // The arrow keys choose the next or the previous option of the group, as a click does.
    void keyPressEvent(QKeyEvent* event) override;
    // One double-click chooses once, as a single click does.
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    // The whole box answers the mouse, not only the circle and the text.
    bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }

private:
    QString caption_;
    QColor text_{0, 0, 0};
    QColor background_{192, 192, 192};
};
