#pragma once

#include "platform/controls/Line.h"
#include "screens/activities/board/DragBoard.h"

// The first topic's ordering screen: the Orvelle family tree, nine names into nine boxes
// joined by "=" marks and lines.
class orvellesord : public DragBoard {
public:
    orvellesord();

    // "Drag the labels into the correct boxes."
    Label* Label9;
    // "The Orvelle Family Tree".
    Label* Label8;
    // "First Wife", "Second Wife", "Third Wife" at 0 to 2.
    ControlArray<Label> Label12;
    // The "=" marks of the marriages: the king and queen's.
    Label* Label5;
    // Their son's first.
    Label* Label11;
    // His second.
    Label* Label7;
    // His third.
    Label* Label10;
    // The lines down to the children, from the marks Label5, Label11, Label7, Label10 in turn.
    ControlArray<Line> Line1;

private:
    void buildTree();
};

// The Rich and Poor ordering screen: eight statements sorted into a "True" and a "False"
// column; a statement scores in any box of its own column.
class richord : public DragBoard {
public:
    richord();

    // "Drag the labels into the correct boxes."
    Label* Label8;
    // The question: which statements are true and which false.
    Label* Label7;
    // The column headings: "True" at 0, "False" at 2.
    ControlArray<Label> Label5;
};
