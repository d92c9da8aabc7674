#pragma once

#include "formats/Topic.h"
#include "platform/Picture.h"

#include <QLineF>
#include <QList>
#include <QRectF>
#include <QString>
#include <QStringList>

class PrinterSurface;

// A drag-and-drop board as paper: what its page shows, in the screen's twips, taken from the
// topic's description of the board, as the screen is, so the paper never drifts from it.
struct BoardPaper {
    struct Text {
        QRectF place;
        QString text;
        double points = 12;
    };

    // The topic's title, and what the activity is.
    QString title;
    QString heading;
    // Null on the ordering boards, or when the picture cannot be loaded.
    Picture picture;
    QRectF picturePlace;
    // The target boxes, by label index: label i belongs in box i.
    QList<QRectF> boxes;
    QStringList captions;
    // The drawing around the boxes, such as a family tree's marks and lines.
    QList<Text> texts;
    QList<QLineF> lines;
    // On a true-or-false board, whether statement i is true; empty on any other board.
    QList<bool> truths;
    // Seeds the order of the word bank, so every copy of a board's page is the same.
    QString name;
};

// The paper of a topic's board; `title` is the topic's.
BoardPaper paperOf(const TopicBoard& board, const QString& title);

// The task page: the board's picture or tree with empty numbered boxes, a word bank of the
// labels in a fixed mixed order and a line for each box; or, on a true-or-false board, the
// statements as a table with a "True" and a "False" column to tick. The answer page fills in
// the boxes or ticks the right column instead.
void printBoardTask(PrinterSurface& printer, const BoardPaper& paper);
void printBoardAnswers(PrinterSurface& printer, const BoardPaper& paper);

namespace BoardPaperRules {
// The boxes' numbers on paper: box i gets number order[i] + 1, counting top to bottom, then
// left to right.
QList<int> numbering(const QList<QRectF>& boxes);
// 0 to n - 1 mixed by a fixed rule from `seed`, with no index left in its own place when n > 1.
QList<int> mixedOrder(int n, const QString& seed);
} // namespace BoardPaperRules
