#include "screens/activities/board/BoardRules.h"

#include <stdexcept>
#include <string>

namespace Board {

namespace {

std::vector<Box> boxesAt(const std::vector<Place>& places, float width, float height) {
    std::vector<Box> boxes;
    boxes.reserve(places.size());
    for (const Place& place : places)
        boxes.push_back({place.left, place.top, width, height});
    return boxes;
}

} // namespace

BoardRules::BoardRules(Layout layout)
    : targets_(boxesAt(layout.targets, layout.width, layout.height)),
      homes_(boxesAt(layout.homes, layout.width, layout.height)), labels_(homes_),
      scoring_(layout.scoring) {
    if (layout.targets.size() != layout.homes.size())
        throw std::invalid_argument("a board needs one home slot for each target box");
}

Box BoardRules::boxAt(const std::vector<Box>& boxes, int index) {
    if (index < 0 || index >= static_cast<int>(boxes.size()))
        throw std::out_of_range("the board has no element " + std::to_string(index));
    return boxes[static_cast<std::size_t>(index)];
}

Box BoardRules::box(BoxRef ref) const {
    return ref.kind == BoxKind::Target ? target(ref.index) : home(ref.index);
}

void BoardRules::placeLabel(int index, Place place) {
    boxAt(labels_, index);
    Box& label = labels_[static_cast<std::size_t>(index)];
    label.left = place.left;
    label.top = place.top;
}

bool BoardRules::drag(int index, int button, float x, float y) {
    if (button != 1)
        return false;
    const Box label = this->label(index);
    placeLabel(index, {label.left + x - label.width / 2, label.top + y - label.height / 2});
    return true;
}

bool BoardRules::catches(const Box& box, float x, float y) {
    return box.left - box.width / 2 < x && x < box.left + box.width &&
           box.top - box.height / 2 < y && y < box.top + box.height;
}

std::vector<BoxRef> BoardRules::testingOrder() const {
    std::vector<BoxRef> order;
    for (int i = 0; i < count(); ++i) {
        order.push_back({BoxKind::Target, i});
        order.push_back({BoxKind::Home, i});
    }
    return order;
}

std::vector<BoxRef> BoardRules::drop(int index) {
    std::vector<BoxRef> caught;
    for (const BoxRef ref : testingOrder()) {
        // The label may have jumped already; each test sees where it stands now.
        const Box now = label(index);
        const Box into = box(ref);
        if (catches(into, now.left, now.top)) {
            placeLabel(index, {into.left, into.top});
            caught.push_back(ref);
        }
    }
    if (placedPairs() == count())
        checkScoreOffered_ = true;
    return caught;
}

bool BoardRules::standsIn(int index, const Box& box) const {
    const Box at = label(index);
    return at.left == box.left && at.top == box.top;
}

int BoardRules::placedPairs() const {
    int pairs = 0;
    for (int a = 0; a < count(); ++a) {
        for (int b = 0; b < count(); ++b) {
            if (standsIn(a, target(b)))
                ++pairs;
        }
    }
    return pairs;
}

bool BoardRules::scoresIn(int labelIndex, int targetIndex) const {
    if (scoring_ == Scoring::OwnBox)
        return labelIndex == targetIndex;
    const int half = count() / 2;
    return (labelIndex < half) == (targetIndex < half);
}

int BoardRules::score() const {
    int points = 0;
    for (int b = 0; b < count(); ++b) {
        for (int a = 0; a < count(); ++a) {
            if (scoresIn(a, b) && standsIn(a, target(b)))
                ++points;
        }
    }
    return points;
}

bool BoardRules::boxScores(int targetIndex) const {
    for (int a = 0; a < count(); ++a)
        if (scoresIn(a, targetIndex) && standsIn(a, target(targetIndex)))
            return true;
    return false;
}

void BoardRules::startAgain() {
    for (int i = 0; i < count(); ++i)
        placeLabel(i, {home(i).left, home(i).top});
    checkScoreOffered_ = false;
}

} // namespace Board
