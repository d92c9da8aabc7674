#include "platform/controls/OptionGroup.h"

#include "platform/controls/KeyboardFocus.h"

#include <QKeyEvent>
#include <QRadioButton>

namespace {

QList<QWidget*> optionsOf(QWidget* group) {
    for (auto* option : group->findChildren<QRadioButton*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (option->isVisibleTo(group->window()) && option->isEnabled())
            return KeyboardFocus::readingOrderOfGroup(option);
    }
    return {};
}

} // namespace

OptionGroup::OptionGroup(QWidget* parent) : ControlWidget(parent) {
    setFocusPolicy(Qt::NoFocus);
}

void OptionGroup::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    const bool back = key == Qt::Key_Up || key == Qt::Key_Left;
    const bool on = key == Qt::Key_Down || key == Qt::Key_Right;
    const QList<QWidget*> options = optionsOf(this);
    if ((!back && !on) || options.isEmpty()) {
        ControlWidget::keyPressEvent(event);
        return;
    }
    auto* option = static_cast<QRadioButton*>(on ? options.first() : options.last());
    option->setFocus(Qt::TabFocusReason);
    option->click();
}

bool OptionGroup::focusNextPrevChild(bool next) {
    const QList<QWidget*> options = optionsOf(this);
    if (options.isEmpty())
        return ControlWidget::focusNextPrevChild(next);
    // From the first answer, without choosing it; Shift+Tab goes on from there to the stop
    // before the answers.
    options.first()->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return next || ControlWidget::focusNextPrevChild(false);
}
