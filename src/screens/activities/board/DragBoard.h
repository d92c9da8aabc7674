#pragma once

#include "app/Screen.h"
#include "app/Screens.h"
#include "platform/controls/ControlArray.h"
#include "platform/controls/Label.h"
#include "screens/activities/board/BoardLayouts.h"
#include "screens/activities/board/BoardRules.h"

// The drag-and-drop board that the labelling and ordering screens share: target boxes
// Label1(i), draggable labels Label2(i), home slots Label4(i) and the buttons Label3(0..2)
// "Exit", "Start Again", "Check Score". The rules own every position; the labels are moved to
// where the rules say after each event.
class DragBoard : public Screen {
public:
    explicit DragBoard(BoardData data);

    void Form_Load() override;
    void Form_MouseMove(const MouseArgs& args) override;
    void closeRequested() override { Label3_Click(0); }

    void Label2_MouseMove(int Index, const MouseArgs& args);
    void Label2_MouseUp(int Index, const MouseArgs& args);
    void Label3_Click(int Index);
    void Label3_MouseMove(int Index, const MouseArgs& args);

    const Board::BoardRules& rules() const { return rules_; }

    Label* Label6;
    ControlArray<Label> Label1;
    ControlArray<Label> Label2;
    ControlArray<Label> Label3;
    ControlArray<Label> Label4;

protected:
    // The labelling screens load their picture here; the ordering screens have none.
    virtual void loadPicture() {}

private:
    void buildBoxes();
    void buildLabels();
    void buildButtons();
    // Moves every label to where the rules have it and shows "Check Score" when offered.
    void showBoard();
    // The pointer from the label's own top-left corner in twips, not from the pixel the
    // widget was rounded to.
    MouseArgs fromLabelCorner(int index, const MouseArgs& args) const;

    BoardData data_;
    Board::BoardRules rules_;
};

// How a topic menu opens one of its boards: touch it, give it the topic's title, show it.
template <class T> void openBoard(const QString& title) {
    T& board = Screens::touch<T>();
    board.Label6->setCaption(title);
    Screens::open(board);
}
