#include "platform/controls/Buttons.h"

#include "platform/Fonts.h"

#include <QMouseEvent>
#include <QPalette>

namespace {

void paintWith(QWidget* widget, const QColor& text, const QColor& background) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, background);
    palette.setColor(QPalette::Button, background);
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::ButtonText, text);
    palette.setColor(QPalette::Disabled, QPalette::WindowText, QColor(128, 128, 128));
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

} // namespace

CommandButton::CommandButton(QWidget* parent) : QPushButton(parent), TwipsGeometry(this) {
    setAttribute(Qt::WA_NoMousePropagation);
    connect(this, &QPushButton::clicked, this, [this] {
        if (events.click)
            events.click();
    });
}

void CommandButton::setCaption(const QString& caption) { setText(caption); }

void CommandButton::setFontSpec(const QString& family, double points, bool bold) {
    setFont(Fonts::make(family, points, bold));
}

void CommandButton::setBackColor(const QColor& colour) { paintWith(this, Qt::black, colour); }

OptionButton::OptionButton(QWidget* parent) : QRadioButton(parent), TwipsGeometry(this) {
    setAttribute(Qt::WA_NoMousePropagation);
    setMouseTracking(true);
    connect(this, &QRadioButton::clicked, this, [this] {
        if (events.click)
            events.click();
    });
}

void OptionButton::setCaption(const QString& caption) { setText(caption); }

void OptionButton::setFontSpec(const QString& family, double points, bool bold) {
    setFont(Fonts::make(family, points, bold));
}

void OptionButton::setColours(const QColor& text, const QColor& background) {
    text_ = text;
    background_ = background;
    paintWith(this, text_, background_);
}

void OptionButton::setBackColor(const QColor& colour) { setColours(text_, colour); }

void OptionButton::mouseMoveEvent(QMouseEvent* event) {
    QRadioButton::mouseMoveEvent(event);
    if (events.mouseMove)
        events.mouseMove(mouseArgs(event, false));
}
