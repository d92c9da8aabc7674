#pragma once

#include "platform/controls/ControlWidget.h"

#include <QColor>

// A label as the screens use it: caption, font, text and box colours, an opaque or transparent
// box, an optional thin border, alignment, word wrap, and its own mouse events. Menu entries
// and the draggable labels of the boards are labels too.
class Label : public ControlWidget {
    Q_OBJECT
public:
    enum class Align { Left, Right, Center };

    explicit Label(QWidget* parent);

    QString Caption() const { return caption_; }
    void setCaption(const QString& caption);
    // What is measured and drawn: the caption, cut to CaptionLimit::MaxShown characters.
    QString shownText() const { return shown_; }
    // What a screen reader adds after the name when the label takes the focus (where a board's
    // label stands); set quietly, since it is read only when the label is reached.
    QString description() const { return description_; }
    void setDescription(const QString& description) { description_ = description; }
    void setFontSpec(const QString& family, double points, bool bold = false);
    double FontSize() const { return fontPoints_; }
    void setFontSize(double points);
    QColor ForeColor() const { return foreColor_; }
    void setForeColor(const QColor& colour);
    QColor BackColor() const { return backColor_; }
    void setBackColor(const QColor& colour);
    bool Opaque() const { return opaque_; }
    void setOpaque(bool opaque);
    bool Border() const { return border_; }
    void setBorder(bool border);
    void setAlignment(Align align);
    // A menu entry lights up while it holds the focus, as it does under the pointer.
    void setLightsUpOnFocus(bool lights) { lightsUpOnFocus_ = lights; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString description_;
    QFont fittingFont(const QRect& box, int flags) const;

    QString caption_;
    QString shown_;
    QString family_ = QStringLiteral("MS Sans Serif");
    double fontPoints_ = 8.25;
    bool bold_ = false;
    QColor foreColor_{0, 0, 0};
    QColor backColor_{192, 192, 192};
    bool opaque_ = true;
    bool border_ = false;
    Align align_ = Align::Left;
    bool lightsUpOnFocus_ = false;
};
