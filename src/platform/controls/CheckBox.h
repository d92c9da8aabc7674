#pragma once

#include "platform/controls/Control.h"

#include <QCheckBox>

// A tick box with an optional caption. Its click runs when the user ticks or unticks it;
// setting it from code does not click it.
class CheckBox : public QCheckBox, public TwipsGeometry {
    Q_OBJECT
public:
    explicit CheckBox(QWidget* parent);

    QString Caption() const { return text(); }
    void setCaption(const QString& caption) { setText(caption); }
    void setFontSpec(const QString& family, double points, bool bold = false);
    void setColours(const QColor& text, const QColor& background);
    void setBackColor(const QColor& colour) { setColours(text_, colour); }
    QColor BackColor() const { return background_; }
    bool Value() const { return isChecked(); }
    void setValue(bool ticked) { setChecked(ticked); }
    bool Visible() const { return !isHidden(); }

    ControlEvents events;

protected:
    // The whole box answers the mouse, not only the square and the caption.
    bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }

private:
    QColor text_{0, 0, 0};
    QColor background_{192, 192, 192};
};
