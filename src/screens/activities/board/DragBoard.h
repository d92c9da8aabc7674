#pragma once

#include "app/Screen.h"
#include "app/Screens.h"
#include "formats/Topic.h"
#include "platform/controls/ControlArray.h"
#include "platform/controls/ImageBox.h"
#include "platform/controls/KeyboardFocus.h"
#include "platform/controls/Label.h"
#include "platform/controls/Line.h"
#include "screens/activities/ActivityOutcome.h"
#include "screens/activities/board/BoardRules.h"

#include <optional>

// A topic's drag-and-drop board, labelling or ordering, as its topic describes it: labels to
// drag into boxes, over a picture or among the captions and lines of a tree or of columns. The
// rules own every position; the labels are moved to where the rules say after each event.
class DragBoard : public Screen {
public:
    // `title` is the topic's, shown at the board's title place.
    DragBoard(TopicBoard board, const QString& title);

    // The entries of Label3.
    struct Button {
        static constexpr int Exit = 0, StartAgain = 1, CheckScore = 2;
    };

    void Form_Load() override;
    void Form_MouseMove(const MouseArgs& args) override;
    void closeRequested() override { Label3_Click(Button::Exit); }
    // A label stands somewhere other than its home slot.
    bool hasProgressToLose() const override;

    void Label2_MouseMove(int Index, const MouseArgs& args);
    void Label2_MouseUp(int Index, const MouseArgs& args);
    void Label3_Click(int Index);
    void Label3_MouseMove(int Index, const MouseArgs& args);

    // By keyboard, or click and then click: a label is lifted, a target box (or a home slot) is
    // picked, and the label is dropped there as a drag that ends at that place would drop it.
    // The arrows and Tab go through the boxes row by row, then the home slots.
    bool Label2_Key(int Index, int key);
    void Label2_Click(int Index);
    void Label1_Click(int Index);
    // The label lifted, or -1; the target box picked for it, or -1 (none, or a home slot).
    int liftedLabel() const { return lifted_; }
    int pickedBox() const {
        return picked_ && picked_->kind == Board::BoxKind::Target ? picked_->index : -1;
    }

    // What a screen reader says of a target box or a home slot: its place in reading order,
    // where it stands, and what it holds ("box 2 of 5, under the lady in purple, empty").
    QString placeName(Board::BoxRef place) const;
    // Where a label stands now, in the same words ("in box 2 of 5, ..."); empty when it stands
    // in neither a box nor a slot.
    QString whereIs(int label) const;

    const Board::BoardRules& rules() const { return rules_; }
    const TopicBoard& data() const { return data_; }
    const QString& title() const { return title_; }
    // A caption the topic adds by its name and index (-1 for a single control); null if none.
    Label* text(const QString& name, int index = -1) const;

    // The topic's title.
    Label* Label6;
    // The target boxes; box i is where label i scores (by column on a true-or-false board).
    ControlArray<Label> Label1;
    // The labels to drag, each starting in its home slot Label4(i).
    ControlArray<Label> Label2;
    // "Exit", "Start Again", and "Check Score" once every box is filled; see Button.
    ControlArray<Label> Label3;
    // The home slots the labels start in, outlined.
    ControlArray<Label> Label4;
    // The picture behind a labelling board, at 0 alone; none on an ordering board.
    ControlArray<ImageBox> Image1;
    // The lines the topic draws, such as a family tree's from each marriage to its child.
    ControlArray<Line> Line1;

protected:
    // The teacher's menu for printing the board; never while a label is being dragged.
    void contextMenuEvent(QContextMenuEvent* event) override;
    // While a label is lifted, Tab and Shift+Tab pick the next or previous box.
    bool focusNextPrevChild(bool next) override;

private:
    // The board's part of a class record entry.
    ActivityOutcome::Done whatWasDone() const;
    // In class mode, with boxes wrong: the boxes and what belongs in each.
    std::optional<QuizReview> rightAnswers() const;
    // Each target box's number from 0, as the board's paper numbers them.
    QList<int> paperNumbers() const;
    void buildBoxes();
    void buildPicture();
    void buildTexts();
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
    void pick(Board::BoxRef place);
    void pickNext(bool forward);
    void dropInto(Board::BoxRef place);
    // The target boxes row by row, then the home slots row by row.
    std::vector<Board::BoxRef> placesInReadingOrder() const;
    // Names the boxes and slots for what they hold, and tells each label where it stands.
    void describe();
    // Has a screen reader say `words` now (a lift, a box picked, a drop).
    void say(const QString& words);

    TopicBoard data_;
    QString title_;
    Board::BoardRules rules_;
    QList<Label*> texts_;
    int lifted_ = -1;
    std::optional<Board::BoxRef> picked_;
    bool draggedSincePress_ = false;
    KeyboardFocus::Ring* liftRing_ = nullptr;
    KeyboardFocus::Ring* boxRing_ = nullptr;
};
