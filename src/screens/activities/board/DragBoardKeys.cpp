#include "screens/activities/board/DragBoard.h"

#include <QKeyEvent>
#include <algorithm>

void DragBoard::wireKeyboard() {
    liftRing_ = new KeyboardFocus::Ring(this);
    boxRing_ = new KeyboardFocus::Ring(this);
    for (int i = 0; i < rules_.count(); ++i) {
        Label2(i).setTakesKeys(true);
        onKeyOf(Label2(i), "Label2_Key", [this, i](int key) { return Label2_Key(i, key); });
        onMouseDownOf(Label2(i), "Label2_MouseDown",
                      [this](const MouseArgs&) { draggedSincePress_ = false; });
        onClickOf(Label2(i), "Label2_Click", [this, i] { Label2_Click(i); });
        // The boxes answer a click only to take a lifted label; Tab passes them by.
        Label1(i).setTakesKeys(false);
        onClickOf(Label1(i), "Label1_Click", [this, i] { Label1_Click(i); });
    }
}

bool DragBoard::inTargetBox(int index) const {
    for (int b = 0; b < rules_.count(); ++b) {
        if (rules_.standsIn(index, rules_.target(b)))
            return true;
    }
    return false;
}

std::vector<int> DragBoard::boxesInReadingOrder() const {
    std::vector<int> order(static_cast<std::size_t>(rules_.count()));
    for (int b = 0; b < rules_.count(); ++b)
        order[static_cast<std::size_t>(b)] = b;
    std::stable_sort(order.begin(), order.end(), [this](int a, int b) {
        const Board::Box ba = rules_.target(a), bb = rules_.target(b);
        return ba.top != bb.top ? ba.top < bb.top : ba.left < bb.left;
    });
    return order;
}

void DragBoard::lift(int index) {
    lifted_ = index;
    picked_ = -1;
    Label2(index).raise();
    liftRing_->surround(&Label2(index));
    boxRing_->surround(nullptr);
}

void DragBoard::putBack() {
    lifted_ = -1;
    picked_ = -1;
    liftRing_->surround(nullptr);
    boxRing_->surround(nullptr);
}

void DragBoard::pick(int box) {
    picked_ = box;
    boxRing_->surround(&Label1(box));
    liftRing_->raise();
}

void DragBoard::pickNext(bool forward) {
    const std::vector<int> order = boxesInReadingOrder();
    if (order.empty())
        return;
    auto at = std::find(order.begin(), order.end(), picked_);
    if (at == order.end()) {
        pick(forward ? order.front() : order.back());
        return;
    }
    const auto n = static_cast<std::ptrdiff_t>(order.size());
    const std::ptrdiff_t i = ((at - order.begin()) + (forward ? 1 : n - 1)) % n;
    pick(order[static_cast<std::size_t>(i)]);
}

void DragBoard::dropInto(int box) {
    const int index = lifted_;
    putBack();
    // Exactly a drag that ends with the label at the box's place: the same catch, the same
    // thuds, the same offer of "Check Score".
    const Board::Box target = rules_.target(box);
    rules_.placeLabel(index, {target.left, target.top});
    Label2_MouseUp(index, MouseArgs{});
    if (Label2(index).hasFocus() && !Label2(index).takesKeys())
        Screen::focusNextPrevChild(true);
}

bool DragBoard::Label2_Key(int Index, int key) {
    if (lifted_ != Index) {
        if (!KeyboardFocus::isActivationKey(key))
            return false;
        lift(Index);
        return true;
    }
    switch (key) {
    case Qt::Key_Escape:
        putBack();
        return true;
    case Qt::Key_Right:
    case Qt::Key_Down:
        pickNext(true);
        return true;
    case Qt::Key_Left:
    case Qt::Key_Up:
        pickNext(false);
        return true;
    default:
        break;
    }
    if (KeyboardFocus::isActivationKey(key)) {
        if (picked_ >= 0)
            dropInto(picked_);
        return true;
    }
    return false;
}

void DragBoard::Label2_Click(int Index) {
    if (draggedSincePress_)
        return;
    if (lifted_ == Index)
        putBack();
    else
        lift(Index);
}

void DragBoard::Label1_Click(int Index) {
    if (lifted_ >= 0)
        dropInto(Index);
}

bool DragBoard::focusNextPrevChild(bool next) {
    if (lifted_ >= 0 && Label2(lifted_).hasFocus()) {
        pickNext(next);
        return true;
    }
    return Screen::focusNextPrevChild(next);
}
