#include "platform/controls/Buttons.h"

#include "platform/Fonts.h"
#include "platform/Twips.h"
#include "platform/controls/CaptionLimit.h"
#include "platform/controls/KeyboardFocus.h"
#include "platform/controls/ScaledStyle.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
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

void CommandButton::setCaption(const QString& caption) {
    setText(caption);
}

void CommandButton::setFontSpec(const QString& family, double points, bool bold) {
    Fonts::apply(*this, family, points, bold);
}

void CommandButton::setBackColor(const QColor& colour) {
    back_ = colour;
    paintWith(this, Qt::black, colour);
}

void CommandButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect box = rect();
    painter.fillRect(rect(), back_);
    const QColor light(255, 255, 255), shadow(128, 128, 128), dark(0, 0, 0);
    const auto bevel = [&](QRect r, const QColor& topLeft, const QColor& bottomRight) {
        painter.setPen(topLeft);
        painter.drawLine(r.topLeft(), r.topRight());
        painter.drawLine(r.topLeft(), r.bottomLeft());
        painter.setPen(bottomRight);
        painter.drawLine(r.bottomLeft(), r.bottomRight());
        painter.drawLine(r.topRight(), r.bottomRight());
    };
    // Each one-pixel ring of the classic face is as many pixels thick as the layout's scale.
    const int edge = Twips::edgePixels();
    for (int ring = 0; ring < edge; ++ring) {
        const QRect outer = box.adjusted(ring, ring, -ring, -ring);
        const QRect inner = outer.adjusted(edge, edge, -edge, -edge);
        if (isDown()) {
            bevel(outer, dark, dark);
            bevel(inner, shadow, shadow);
        } else {
            bevel(outer, light, dark);
            bevel(inner, back_.lighter(110), shadow);
        }
    }
    const QRect caption = rect().translated(isDown() ? edge : 0, isDown() ? edge : 0);
    painter.setPen(isEnabled() ? palette().color(QPalette::ButtonText) : shadow);
    painter.setFont(font());
    painter.drawText(caption, Qt::AlignCenter | Qt::TextShowMnemonic, text());
    // The classic dotted mark after a click; the clear ring once the keyboard is in use.
    if (hasFocus() && window()->testAttribute(Qt::WA_KeyboardFocusChange)) {
        KeyboardFocus::drawFocusOutline(
            painter, rect().adjusted(2 * edge, 2 * edge, -2 * edge, -2 * edge), dark);
    } else if (hasFocus()) {
        QPen dots(dark, 1, Qt::DotLine);
        painter.setPen(dots);
        painter.drawRect(rect().adjusted(4 * edge, 4 * edge, -1 - 4 * edge, -1 - 4 * edge));
    }
}

OptionButton::OptionButton(QWidget* parent) : QRadioButton(parent), TwipsGeometry(this) {
    setAttribute(Qt::WA_NoMousePropagation);
    setStyle(ScaledStyle::instance());
    setMouseTracking(true);
    connect(this, &QRadioButton::clicked, this, [this] {
        if (events.click)
            events.click();
    });
}

void OptionButton::setCaption(const QString& caption) {
    caption_ = caption;
    setText(CaptionLimit::shown(caption));
}

void OptionButton::setFontSpec(const QString& family, double points, bool bold) {
    Fonts::apply(*this, family, points, bold);
}

void OptionButton::setColours(const QColor& text, const QColor& background) {
    text_ = text;
    background_ = background;
    paintWith(this, text_, background_);
}

void OptionButton::setBackColor(const QColor& colour) {
    setColours(text_, colour);
}

void OptionButton::mouseMoveEvent(QMouseEvent* event) {
    QRadioButton::mouseMoveEvent(event);
    if (events.mouseMove)
        events.mouseMove(mouseArgs(event, false));
}

void OptionButton::mouseDoubleClickEvent(QMouseEvent* event) {
    event->accept();
}

void CommandButton::keyPressEvent(QKeyEvent* event) {
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        !event->isAutoRepeat()) {
        click();
        return;
    }
    QPushButton::keyPressEvent(event);
}

void OptionButton::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    const bool back = key == Qt::Key_Up || key == Qt::Key_Left;
    const bool on = key == Qt::Key_Down || key == Qt::Key_Right;
    if (!back && !on) {
        QRadioButton::keyPressEvent(event);
        return;
    }
    const QList<QWidget*> group = KeyboardFocus::readingOrderOfGroup(this);
    auto* next = static_cast<OptionButton*>(KeyboardFocus::step(group, this, on));
    if (next && next != this) {
        next->setFocus(Qt::TabFocusReason);
        next->click();
    }
}
