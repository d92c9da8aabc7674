#pragma once

#include "platform/controls/Line.h"
#include "screens/activities/board/DragBoard.h"

// The first topic's ordering screen: the Orvelle family tree, nine names into nine boxes
// joined by "=" marks and lines.
class orvellesord : public DragBoard {
public:
    orvellesord();

    Label* Label9;
    Label* Label8;
    ControlArray<Label> Label12;
    Label* Label5;
    Label* Label11;
    Label* Label7;
    Label* Label10;
    ControlArray<Line> Line1;

private:
    void buildTree();
};

// The Rich and Poor ordering screen: eight statements sorted into a "True" and a "False"
// column; a statement scores in any box of its own column.
class richord : public DragBoard {
public:
    richord();

    Label* Label8;
    Label* Label7;
    ControlArray<Label> Label5;
};
