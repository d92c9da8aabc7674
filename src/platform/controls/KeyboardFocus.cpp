#include "platform/controls/KeyboardFocus.h"

#include "platform/controls/ControlWidget.h"

#include <QAbstractButton>
#include <QPainter>
#include <QRadioButton>
#include <algorithm>

namespace KeyboardFocus {

namespace {

bool isGroupedOption(const QWidget* widget) {
    const auto* option = qobject_cast<const QRadioButton*>(widget);
    return option && option->autoExclusive();
}

QPoint placeIn(QWidget* window, const QWidget* widget) {
    return widget->mapTo(window, QPoint(0, 0));
}

// Only one option button of each group stays in the order.
QList<QWidget*> oneStopPerGroup(const QList<QWidget*>& order) {
    QList<QWidget*> kept;
    for (QWidget* widget : order) {
        if (!isGroupedOption(widget)) {
            kept << widget;
            continue;
        }
        QList<QWidget*> group;
        for (QWidget* other : order) {
            if (isGroupedOption(other) && other->parentWidget() == widget->parentWidget())
                group << other;
        }
        QWidget* stop = group.first();
        for (QWidget* member : group) {
            if (static_cast<QAbstractButton*>(member)->isChecked())
                stop = member;
        }
        for (QWidget* member : group) {
            if (member->hasFocus())
                stop = member;
        }
        if (widget == stop)
            kept << widget;
    }
    return kept;
}

void sortByReading(QWidget* window, QList<QWidget*>& widgets) {
    std::stable_sort(widgets.begin(), widgets.end(), [window](QWidget* a, QWidget* b) {
        const QPoint pa = placeIn(window, a), pb = placeIn(window, b);
        return pa.y() != pb.y() ? pa.y() < pb.y() : pa.x() < pb.x();
    });
}

QList<QWidget*> reachableIn(QWidget* window) {
    QList<QWidget*> found;
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (widget->window() == window && isReachable(widget))
            found << widget;
    }
    return found;
}

} // namespace

bool isActivationKey(int key) {
    return key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space;
}

bool isReachable(const QWidget* widget) {
    if (!widget->isVisibleTo(widget->window()) || !widget->isEnabled())
        return false;
    if (const auto* control = qobject_cast<const ControlWidget*>(widget))
        return control->takesKeys();
    return (widget->focusPolicy() & Qt::TabFocus) != 0;
}

QList<QWidget*> readingOrder(QWidget* window) {
    QList<QWidget*> order = reachableIn(window);
    sortByReading(window, order);
    return oneStopPerGroup(order);
}

QList<QWidget*> chainOrder(QWidget* window) {
    QList<QWidget*> order;
    for (QWidget* w = window->nextInFocusChain(); w && w != window; w = w->nextInFocusChain()) {
        if (w->window() == window && !qobject_cast<ControlWidget*>(w) && isReachable(w) &&
            !order.contains(w))
            order << w;
    }
    QList<QWidget*> drawn;
    for (QWidget* widget : reachableIn(window)) {
        if (qobject_cast<ControlWidget*>(widget))
            drawn << widget;
    }
    sortByReading(window, drawn);
    return oneStopPerGroup(order + drawn);
}

QList<QWidget*> readingOrderOfGroup(QWidget* option) {
    QList<QWidget*> group;
    for (QWidget* sibling :
         option->parentWidget()->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (isGroupedOption(sibling) && sibling->isVisibleTo(option->window()) &&
            sibling->isEnabled())
            group << sibling;
    }
    sortByReading(option->window(), group);
    return group;
}

QWidget* step(const QList<QWidget*>& order, QWidget* current, bool forward) {
    if (order.isEmpty())
        return nullptr;
    qsizetype at = current ? order.indexOf(current) : -1;
    if (at < 0 && current && isGroupedOption(current)) {
        // Leaving an option group: go on from the group's one stop.
        for (qsizetype i = 0; i < order.size(); ++i) {
            if (isGroupedOption(order[i]) && order[i]->parentWidget() == current->parentWidget())
                at = i;
        }
    }
    if (at < 0)
        return forward ? order.first() : order.last();
    const qsizetype n = order.size();
    return order[(at + (forward ? 1 : n - 1)) % n];
}

void drawFocusOutline(QPainter& painter, const QRect& box, const QColor& colour) {
    painter.save();
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(colour, 1, Qt::DotLine));
    painter.drawRect(box.adjusted(2, 2, -3, -3));
    painter.restore();
}

Ring::Ring(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    hide();
}

void Ring::surround(const QWidget* target) {
    if (!target) {
        hide();
        return;
    }
    const int margin = 3;
    setGeometry(QRect(target->mapTo(parentWidget(), QPoint(0, 0)), target->size())
                    .adjusted(-margin, -margin, margin, margin));
    show();
    raise();
}

void Ring::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(QPen(QColor(255, 255, 255), 3));
    painter.drawRect(rect().adjusted(1, 1, -2, -2));
    painter.setPen(QPen(QColor(0, 0, 0), 1, Qt::DashLine));
    painter.drawRect(rect().adjusted(1, 1, -2, -2));
}

} // namespace KeyboardFocus
