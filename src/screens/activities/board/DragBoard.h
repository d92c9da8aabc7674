#pragma once

#include "app/Screen.h"
#include "app/Screens.h"
#include "platform/controls/ControlArray.h"
#include "platform/controls/KeyboardFocus.h"
#include "platform/controls/Label.h"
#include "screens/activities/board/BoardLayouts.h"
#include "screens/activities/board/BoardRules.h"

// The drag-and-drop board that the labelling and ordering screens share. The rules own every
// position; the labels are moved to where the rules say after each event.
class DragBoard : public Screen {
public:
    explicit DragBoard(BoardData data);

    // The entries of Label3.
    struct Button {
        static constexpr int Exit = 0, StartAgain = 1, CheckScore = 2;
    };

    void Form_Load() override;
    void Form_MouseMove(const MouseArgs& args) override;
    void closeRequested() override { Label3_Click(Button::Exit); }

    void Label2_MouseMove(int Index, const MouseArgs& args);
    void Label2_MouseUp(int Index, const MouseArgs& args);
    void Label3_Click(int Index);
    void Label3_MouseMove(int Index, const MouseArgs& args);

    // By keyboard, or click and then click: a label is lifted, a target box is picked, and the
    // label is dropped there as a drag that ends at the box's place would drop it.
    bool Label2_Key(int Index, int key);
    void Label2_Click(int Index);
    void Label1_Click(int Index);
    // The label lifted, or -1; the target box picked for it, or -1.
    int liftedLabel() const { return lifted_; }
    int pickedBox() const { return picked_; }

    const Board::BoardRules& rules() const { return rules_; }
    const BoardData& data() const { return data_; }

    // The topic's title, set by the menu that opens the board.
    Label* Label6;
    // The target boxes; box i is where label i scores (by column on a true-or-false board).
    ControlArray<Label> Label1;
    // The labels to drag, each starting in its home slot Label4(i).
    ControlArray<Label> Label2;
    // "Exit", "Start Again", and "Check Score" once every box is filled; see Button.
    ControlArray<Label> Label3;
    // The home slots the labels start in, outlined.
    ControlArray<Label> Label4;

protected:
    // The teacher's menu for printing the board; never while a label is being dragged.
    void contextMenuEvent(QContextMenuEvent* event) override;
    // While a label is lifted, Tab and Shift+Tab pick the next or previous box.
    bool focusNextPrevChild(bool next) override;
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
    void wireKeyboard();
    void lift(int index);
    void putBack();
    void pick(int box);
    void pickNext(bool forward);
    void dropInto(int box);
    // Target boxes top to bottom, left to right.
    std::vector<int> boxesInReadingOrder() const;
    bool inTargetBox(int index) const;

    BoardData data_;
    Board::BoardRules rules_;
    int lifted_ = -1;
    int picked_ = -1;
    bool draggedSincePress_ = false;
    KeyboardFocus::Ring* liftRing_ = nullptr;
    KeyboardFocus::Ring* boxRing_ = nullptr;
};

// How a topic menu opens one of its boards: touch it, give it the topic's title, show it.
template <class T> void openBoard(const QString& title) {
    T& board = Screens::touch<T>();
    board.Label6->setCaption(title);
    Screens::open(board);
}
