#include "screens/activities/board/BoardLayouts.h"

namespace BoardLayouts {

Board::Layout layoutOf(const TopicBoard& board) {
    Board::Layout layout;
    layout.width = static_cast<float>(board.labelSize.width());
    layout.height = static_cast<float>(board.labelSize.height());
    for (const TopicLabel& label : board.labels) {
        layout.targets.push_back(
            {static_cast<float>(label.box.x()), static_cast<float>(label.box.y())});
        layout.homes.push_back(
            {static_cast<float>(label.home.x()), static_cast<float>(label.home.y())});
    }
    layout.scoring = board.byColumn ? Board::Scoring::ByColumn : Board::Scoring::OwnBox;
    return layout;
}

} // namespace BoardLayouts
