#include "platform/controls/ControlWidget.h"

#include "platform/controls/KeyboardFocus.h"

#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>

ControlWidget::ControlWidget(QWidget* parent) : QWidget(parent), TwipsGeometry(this) {
    setAttribute(Qt::WA_NoMousePropagation);
    setMouseTracking(true);
}

void ControlWidget::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        leftPressed_ = true;
    if (events.mouseDown)
        events.mouseDown(mouseArgs(event, true));
}

void ControlWidget::mouseMoveEvent(QMouseEvent* event) {
    if (events.mouseMove)
        events.mouseMove(mouseArgs(event, false));
}

void ControlWidget::mouseReleaseEvent(QMouseEvent* event) {
    const bool clicked = event->button() == Qt::LeftButton && leftPressed_ &&
                         rect().contains(event->position().toPoint());
    if (event->button() == Qt::LeftButton)
        leftPressed_ = false;
    if (events.mouseUp)
        events.mouseUp(mouseArgs(event, true));
    if (clicked && events.click)
        events.click();
}

void ControlWidget::mouseDoubleClickEvent(QMouseEvent* event) {
    event->accept();
}

void ControlWidget::keyPressEvent(QKeyEvent* event) {
    if (events.key && events.key(event->key()))
        return;
    if (events.click && KeyboardFocus::isActivationKey(event->key())) {
        if (!event->isAutoRepeat())
            events.click();
        return;
    }
    event->ignore();
}

void ControlWidget::contextMenuEvent(QContextMenuEvent* event) {
    // The control stops mouse events going up to its window, so the menu's event is passed on
    // by hand, at the window's coordinates.
    if (!rightClickToWindow_ || isWindow()) {
        event->ignore();
        return;
    }
    QContextMenuEvent forwarded(event->reason(), mapTo(window(), event->pos()), event->globalPos(),
                                event->modifiers());
    QCoreApplication::sendEvent(window(), &forwarded);
    event->setAccepted(forwarded.isAccepted());
}
