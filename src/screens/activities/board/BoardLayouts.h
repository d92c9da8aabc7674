#pragma once

#include "formats/Topic.h"
#include "screens/activities/board/BoardRules.h"

namespace BoardLayouts {

// The rules' layout of a topic's board: its label size, each label's box and home slot, and
// how it is scored.
Board::Layout layoutOf(const TopicBoard& board);

} // namespace BoardLayouts
