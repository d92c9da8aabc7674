#include "platform/controls/KeyboardFocus.h"

#include "platform/Twips.h"
#include "platform/controls/ControlWidget.h"

#include <QAbstractButton>
#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QPointer>
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

class MenuKeys : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress || !watched->isWidgetType())
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        if (!isMenuKey(key->key(), key->modifiers()))
            return false;
        // A menu already open keeps the key for itself.
        QWidget* focused = QApplication::focusWidget();
        if (!focused || qobject_cast<QMenu*>(focused->window()))
            return false;
        if (!key->isAutoRepeat())
            openMenuOf(focused);
        return true;
    }
};

// A frame `width` pixels thick along the inside of `box`.
void frame(QPainter& painter, const QRect& box, int width, const QColor& colour) {
    painter.fillRect(QRect(box.left(), box.top(), box.width(), width), colour);
    painter.fillRect(QRect(box.left(), box.bottom() - width + 1, box.width(), width), colour);
    painter.fillRect(QRect(box.left(), box.top(), width, box.height()), colour);
    painter.fillRect(QRect(box.right() - width + 1, box.top(), width, box.height()), colour);
}

} // namespace

bool isMenuKey(int key, Qt::KeyboardModifiers modifiers) {
    return key == Qt::Key_Menu || (key == Qt::Key_F10 && modifiers == Qt::ShiftModifier);
}

void openMenuOf(QWidget* control) {
    QPoint at = control->rect().center();
    const QPoint global = control->mapToGlobal(at);
    for (QWidget* w = control; w; w = w->parentWidget()) {
        QContextMenuEvent menu(QContextMenuEvent::Keyboard, at, global);
        QApplication::sendEvent(w, &menu);
        // Qt passes an unused menu event up by itself, except from a control that keeps the
        // mouse to itself, as the program's controls do: from there it is passed on here.
        if (menu.isAccepted() || w->isWindow() || !w->testAttribute(Qt::WA_NoMousePropagation))
            return;
        at = w->mapToParent(at);
    }
}

void watchMenuKeys() {
    static QPointer<MenuKeys> watcher;
    if (!watcher) {
        watcher = new MenuKeys(qApp);
        qApp->installEventFilter(watcher);
    }
}

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
    const int edge = Twips::edgePixels(1);
    const int thick = Twips::edgePixels(2);
    const QColor inside = colour.lightness() > 128 ? QColor(0, 0, 0) : QColor(255, 255, 255);
    const QRect outer = box.adjusted(edge, edge, -edge, -edge);
    frame(painter, outer, thick, colour);
    frame(painter, outer.adjusted(thick, thick, -thick, -thick), edge, inside);
}

Ring::Ring(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    hide();
}

void Ring::surround(QWidget* target) {
    if (target_)
        target_->removeEventFilter(this);
    target_ = target;
    if (!target) {
        hide();
        return;
    }
    target->installEventFilter(this);
    fit();
    show();
    raise();
}

void Ring::fit() {
    const int margin = Twips::edgePixels(3);
    setGeometry(QRect(target_->mapTo(parentWidget(), QPoint(0, 0)), target_->size())
                    .adjusted(-margin, -margin, margin, margin));
}

bool Ring::eventFilter(QObject* watched, QEvent* event) {
    if (watched == target_ && (event->type() == QEvent::Move || event->type() == QEvent::Resize))
        fit();
    return false;
}

void Ring::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const int thick = Twips::edgePixels(3);
    frame(painter, rect(), thick, QColor(255, 255, 255));
    frame(painter, rect().adjusted(thick, thick, -thick, -thick), Twips::edgePixels(1),
          QColor(0, 0, 0));
}

} // namespace KeyboardFocus
