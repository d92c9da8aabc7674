#include "app/Screen.h"

#include "app/Dispatch.h"
#include "app/Screens.h"
#include "app/Services.h"
#include "platform/Fonts.h"
#include "platform/MessageBox.h"
#include "platform/Twips.h"
#include "platform/controls/AccessibleControls.h"
#include "platform/controls/ControlWidget.h"
#include "platform/controls/KeyboardFocus.h"
#include "platform/controls/Timer.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>

namespace {

std::function<void()>& helpKey() {
    static std::function<void()> action;
    return action;
}

bool pupilAgreesToLeave() {
    return Services::messages().show(
               QStringLiteral("Do you want to stop now? What you have done here will be lost."),
               MessageBox::Buttons::YesNo,
               QStringLiteral("The Orvelles")) == MessageBox::Answer::Yes;
}

} // namespace

void Screen::setHelpKey(std::function<void()> action) {
    helpKey() = std::move(action);
}

Screen::Screen(const QString& name) : QWidget(nullptr) {
    setObjectName(name);
    setMouseTracking(true);
    setAttribute(Qt::WA_DeleteOnClose, false);
    setWindowFlag(Qt::WindowMaximizeButtonHint, false);
    Fonts::apply(*this, QStringLiteral("MS Sans Serif"), 8.25);
    AccessibleControls::install();
    KeyboardFocus::watchMenuKeys();
}

void Screen::closeRequested() {
    Screens::unload(*this);
}

double Screen::Left() const {
    return Twips::fromPixels(pos().x());
}
double Screen::Top() const {
    return Twips::fromPixels(pos().y());
}

void Screen::Move(double left, double top) {
    move(Twips::toPixels(left), Twips::toPixels(top));
}

void Screen::setSize(double width, double height) {
    width_ = width;
    height_ = height;
    setFixedSize(Twips::toPixels(width), Twips::toPixels(height));
}

void Screen::setBackColor(const QColor& colour) {
    backColor_ = colour;
    update();
}

void Screen::markUnloaded() {
    unloaded_ = true;
    for (Timer* timer : findChildren<Timer*>())
        timer->setEnabled(false);
}

void Screen::dispatch(const char* name, const std::function<void()>& handler) {
    if (unloaded_)
        return;
    Dispatch::run(name, handler);
}

void Screen::onTick(Timer& timer, const char* name, std::function<void()> handler) {
    timer.tick = [this, name, handler] { dispatch(name, handler); };
}

bool Screen::event(QEvent* event) {
    static quint64 fronts = 0;
    if (event->type() == QEvent::Show || event->type() == QEvent::WindowActivate)
        frontSince_ = ++fronts;
    return QWidget::event(event);
}

void Screen::mouseMoveEvent(QMouseEvent* event) {
    const MouseArgs args = mouseArgs(event, false);
    dispatch("Form_MouseMove", [&] { Form_MouseMove(args); });
}

bool Screen::focusNextPrevChild(bool next) {
    const QList<QWidget*> order =
        keepTabChain_ ? KeyboardFocus::chainOrder(this) : KeyboardFocus::readingOrder(this);
    QWidget* current = focusWidget();
    QWidget* target = KeyboardFocus::step(order, current == this ? nullptr : current, next);
    if (!target)
        return false;
    target->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return true;
}

void Screen::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    // Not from a text field: one stray key must not throw away what was typed.
    if (key == Qt::Key_Escape && !event->isAutoRepeat() &&
        !qobject_cast<QLineEdit*>(focusWidget())) {
        dispatch("closeRequested", [this] {
            if (!hasProgressToLose() || pupilAgreesToLeave())
                escapeRequested();
        });
        return;
    }
    if (key == Qt::Key_F1 && !event->isAutoRepeat() && helpKey()) {
        dispatch("helpKey", helpKey());
        return;
    }
    QWidget* focused = focusWidget();
    const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
    if (enter && !event->isAutoRepeat() && focused && focused != this && enterEntry_ &&
        enterEntry_->isVisible() && enterEntry_->isEnabled() && enterEntry_->events.click) {
        enterEntry_->events.click();
        return;
    }
    QWidget::keyPressEvent(event);
}

void Screen::closeEvent(QCloseEvent* event) {
    event->ignore();
    dispatch("closeRequested", [this] { closeRequested(); });
}

void Screen::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), backColor_);
}
