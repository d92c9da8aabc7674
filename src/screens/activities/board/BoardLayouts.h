#pragma once

#include "screens/activities/board/BoardRules.h"

#include <QRectF>
#include <QString>
#include <QStringList>

// What one drag-and-drop screen is made of beyond the shared board: its name, the rules'
// layout, the captions of its labels by index, their font size, and its title's place.
struct BoardData {
    QString screenName;
    Board::Layout layout;
    QStringList captions;
    double labelPoints = 9.75;
    QRectF titleRect;
    double titlePoints = 24;
};

// The four boards: two labelling screens with a picture, two ordering screens without.
namespace BoardLayouts {

BoardData orvelleslab();
BoardData richlab();
BoardData orvellesord();
BoardData richord();

} // namespace BoardLayouts
