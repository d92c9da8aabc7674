#include "platform/controls/OptionGroup.h"

#include "platform/controls/KeyboardFocus.h"

#include <QRadioButton>

OptionGroup::OptionGroup(QWidget* parent) : ControlWidget(parent) {
    setFocusPolicy(Qt::NoFocus);
}

bool OptionGroup::focusNextPrevChild(bool next) {
    // Tab from one of the options goes on through the window as usual.
    if (!hasFocus())
        return ControlWidget::focusNextPrevChild(next);
    QList<QWidget*> options;
    for (auto* option : findChildren<QRadioButton*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (option->isVisibleTo(window()) && option->isEnabled()) {
            options = KeyboardFocus::readingOrderOfGroup(option);
            break;
        }
    }
    if (options.isEmpty())
        return ControlWidget::focusNextPrevChild(next);
    // To the first answer, without choosing it; Shift+Tab goes on from there to the stop before
    // the answers.
    options.first()->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return next || ControlWidget::focusNextPrevChild(false);
}
