#include "platform/controls/CheckBox.h"

#include "platform/Fonts.h"
#include "platform/controls/ScaledStyle.h"

#include <QPalette>

CheckBox::CheckBox(QWidget* parent) : QCheckBox(parent), TwipsGeometry(this) {
    setAttribute(Qt::WA_NoMousePropagation);
    setStyle(ScaledStyle::instance());
    connect(this, &QCheckBox::clicked, this, [this] {
        if (events.click)
            events.click();
    });
    setColours(text_, background_);
}

void CheckBox::setFontSpec(const QString& family, double points, bool bold) {
    Fonts::apply(*this, family, points, bold);
}

void CheckBox::setColours(const QColor& text, const QColor& background) {
    text_ = text;
    background_ = background;
    QPalette colours = palette();
    colours.setColor(QPalette::Window, background_);
    colours.setColor(QPalette::Button, background_);
    colours.setColor(QPalette::WindowText, text_);
    colours.setColor(QPalette::ButtonText, text_);
    setPalette(colours);
    setAutoFillBackground(true);
}
