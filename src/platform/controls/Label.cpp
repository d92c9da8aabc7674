#include "platform/controls/Label.h"

#include "platform/Twips.h"

#include "platform/Fonts.h"
#include "platform/LargeText.h"
#include "platform/controls/CaptionLimit.h"
#include "platform/controls/KeyboardFocus.h"

#include <QFontMetrics>
#include <QPainter>

Label::Label(QWidget* parent) : ControlWidget(parent) {
    Fonts::apply(*this, family_, fontPoints_, bold_);
}

void Label::setCaption(const QString& caption) {
    caption_ = caption;
    shown_ = CaptionLimit::shown(caption);
    setAccessibleName(shown_);
    update();
}

void Label::setFontSpec(const QString& family, double points, bool bold) {
    family_ = family;
    fontPoints_ = points;
    bold_ = bold;
    Fonts::apply(*this, family_, fontPoints_, bold_);
    update();
}

void Label::setFontSize(double points) {
    setFontSpec(family_, points, bold_);
}

void Label::setForeColor(const QColor& colour) {
    foreColor_ = colour;
    update();
}

void Label::setBackColor(const QColor& colour) {
    backColor_ = colour;
    update();
}

void Label::setOpaque(bool opaque) {
    if (opaque_ == opaque)
        return;
    opaque_ = opaque;
    update();
}

void Label::setBorder(bool border) {
    border_ = border;
    update();
}

void Label::setAlignment(Align align) {
    align_ = align;
    update();
}

QFont Label::fittingFont(const QRect& box, int flags) const {
    // The stand-in faces run a little wider than the faces the screens were designed in; a
    // caption that would no longer fit its box is drawn slightly smaller rather than cut off.
    QFont fitted = font();
    const int designed = fitted.pixelSize();
    if (designed <= 0 || shown_.isEmpty())
        return fitted;
    for (int size = designed; size >= designed * 3 / 4; --size) {
        fitted.setPixelSize(size);
        if (QFontMetrics(fitted).boundingRect(box, flags, shown_).height() <= box.height())
            return fitted;
    }
    fitted.setPixelSize(designed);
    return fitted;
}

void Label::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect box = rect();
    if (opaque_ || (lightsUpOnFocus_ && hasFocus()))
        painter.fillRect(box, backColor_);
    QRect textBox = box;
    if (border_) {
        // A scaled layout thickens the one-pixel border with it.
        const int edge = Twips::edgePixels();
        painter.setPen(QPen(Qt::black, 1));
        for (int ring = 0; ring < edge; ++ring)
            painter.drawRect(box.adjusted(ring, ring, -1 - ring, -1 - ring));
        textBox.adjust(edge, edge, -edge, -edge);
    }
    int flags = Qt::AlignTop | Qt::TextWordWrap;
    flags |= align_ == Align::Center  ? Qt::AlignHCenter
             : align_ == Align::Right ? Qt::AlignRight
                                      : Qt::AlignLeft;
    // A disabled entry shows greyed text on its usual box.
    painter.setPen(isEnabled() ? foreColor_ : QColor(128, 128, 128));
    painter.setFont(fittingFont(textBox, flags));
    if (!LargeText::drawInBox(painter, textBox, flags, shown_))
        painter.drawText(textBox, flags, shown_);
    if (hasFocus())
        KeyboardFocus::drawFocusOutline(painter, box, foreColor_);
}
