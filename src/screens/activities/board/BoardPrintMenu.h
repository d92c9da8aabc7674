#pragma once

#include <QMenu>
#include <memory>

class DragBoard;

// The right-click menu of a board, for the teacher: "Print this activity" and "Print the
// answers".
std::unique_ptr<QMenu> boardPrintMenu(DragBoard& board);

// Prints the board's task page, or its answer page, on the default printer and says how it went.
void printBoardPaper(const DragBoard& board, bool answers);
