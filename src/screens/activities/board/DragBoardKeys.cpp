#include "screens/activities/board/DragBoard.h"

#include <QKeyEvent>
#include <algorithm>

void DragBoard::wireKeyboard() {
    liftRing_ = new KeyboardFocus::Ring(this);
    boxRing_ = new KeyboardFocus::Ring(this);
    for (int i = 0; i < rules_.count(); ++i) {
        // A label stays reachable wherever it stands, so a placed label can be lifted again.
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

std::vector<Board::BoxRef> DragBoard::placesInReadingOrder() const {
    std::vector<Board::BoxRef> order;
    for (const QList<int>& row : data_.boxRows())
        for (int b : row)
            order.push_back({Board::BoxKind::Target, b});
    for (const QList<int>& row : data_.homeRows())
        for (int h : row)
            order.push_back({Board::BoxKind::Home, h});
    return order;
}

void DragBoard::lift(int index) {
    lifted_ = index;
    picked_.reset();
    Label2(index).raise();
    liftRing_->surround(&Label2(index));
    boxRing_->surround(nullptr);
    say(QStringLiteral("%1 lifted").arg(Label2(index).Caption()));
}

void DragBoard::putBack() {
    lifted_ = -1;
    picked_.reset();
    liftRing_->surround(nullptr);
    boxRing_->surround(nullptr);
}

void DragBoard::pick(Board::BoxRef place) {
    picked_ = place;
    boxRing_->surround(place.kind == Board::BoxKind::Target ? &Label1(place.index)
                                                            : &Label4(place.index));
    liftRing_->raise();
    say(placeName(place));
}

void DragBoard::pickNext(bool forward) {
    const std::vector<Board::BoxRef> order = placesInReadingOrder();
    if (order.empty())
        return;
    auto at = picked_ ? std::find(order.begin(), order.end(), *picked_) : order.end();
    if (at == order.end()) {
        pick(forward ? order.front() : order.back());
        return;
    }
    const auto n = static_cast<std::ptrdiff_t>(order.size());
    const std::ptrdiff_t i = ((at - order.begin()) + (forward ? 1 : n - 1)) % n;
    pick(order[static_cast<std::size_t>(i)]);
}

void DragBoard::dropInto(Board::BoxRef place) {
    const int index = lifted_;
    const bool byKeys = Label2(index).hasFocus();
    const bool offered = Label3(Button::CheckScore).Visible();
    putBack();
    // Exactly a drag that ends with the label at the place: the same catch, the same thuds,
    // the same offer of "Check Score".
    const Board::Box to = rules_.box(place);
    rules_.placeLabel(index, {to.left, to.top});
    Label2_MouseUp(index, MouseArgs{});
    // Where the drop really left it, by its number alone: the box was named as it was picked.
    const QString at = whereIs(index);
    say(QStringLiteral("placed ") + at.left(at.indexOf(QLatin1String(" of "))));
    // The last label placed: the score is what comes next.
    if (byKeys && !offered && Label3(Button::CheckScore).Visible())
        Label3(Button::CheckScore).setFocus(Qt::TabFocusReason);
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
        say(QStringLiteral("put back, ") + whereIs(Index));
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
        if (picked_)
            dropInto(*picked_);
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
        dropInto({Board::BoxKind::Target, Index});
}

bool DragBoard::focusNextPrevChild(bool next) {
    if (lifted_ >= 0 && Label2(lifted_).hasFocus()) {
        pickNext(next);
        return true;
    }
    return Screen::focusNextPrevChild(next);
}
