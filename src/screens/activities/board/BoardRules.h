#pragma once

#include <vector>

// The rules of the drag-and-drop boards, with no widgets: where every label, target box and
// home slot stands, in twips as single-precision numbers, how a dragged label follows the
// pointer, how a dropped label is caught by a box, when the board offers "Check Score", and
// how it is scored. The screens only forward their events here and show what comes back.
namespace Board {

// A place and size in twips.
struct Box {
    float left = 0;
    float top = 0;
    float width = 0;
    float height = 0;
};

struct Place {
    float left = 0;
    float top = 0;
};

// The two kinds of box a label can land in: the target boxes (Label1) and the home slots
// (Label4), both indexed like the labels.
enum class BoxKind { Target, Home };

struct BoxRef {
    BoxKind kind = BoxKind::Target;
    int index = 0;
    bool operator==(const BoxRef&) const = default;
};

// OwnBox: label i scores only in target box i. ByColumn: the boxes and labels of the first
// half form one column and those of the second half the other; a label scores in any box of
// its own column.
enum class Scoring { OwnBox, ByColumn };

// One board's design: the size shared by its labels, boxes and slots, where each target box
// stands and where each label starts (its home slot), and how it is scored.
struct Layout {
    float width = 0;
    float height = 0;
    std::vector<Place> targets;
    std::vector<Place> homes;
    Scoring scoring = Scoring::OwnBox;
};

class BoardRules {
public:
    // Every label starts in its home slot. Throws std::invalid_argument when the layout has
    // not one home for each target.
    explicit BoardRules(Layout layout);

    int count() const { return static_cast<int>(labels_.size()); }
    Box target(int index) const { return boxAt(targets_, index); }
    Box home(int index) const { return boxAt(homes_, index); }
    Box label(int index) const { return boxAt(labels_, index); }
    Box box(BoxRef ref) const;
    void placeLabel(int index, Place place);

    // The pointer moved over label `index` with `button` held (1 left, 2 right, 4 middle as a
    // bit set), at x, y from the label's top-left corner. Only the left button alone drags:
    // the label's centre comes under the pointer. True when the label moved.
    bool drag(int index, int button, float x, float y);

    // Label `index` is released: every box whose catch window holds the label, tested in the
    // order Target 0, Home 0, Target 1, Home 1, ..., takes it in turn. Returns those boxes, one
    // thud each; none when the label stays where it was let go. A drop that leaves as many
    // label-in-box pairs as there are labels offers "Check Score".
    std::vector<BoxRef> drop(int index);

    // The catch window of `box` for a label whose top-left corner is at x, y: half a box to
    // the left and above, a whole box to the right and below, ends excluded.
    static bool catches(const Box& box, float x, float y);
    // The boxes in the order a drop tests them.
    std::vector<BoxRef> testingOrder() const;

    // True when label `index` stands exactly at the box's left and top.
    bool standsIn(int index, const Box& box) const;
    // Pairs (label a, target box b) with label a standing in box b.
    int placedPairs() const;
    bool checkScoreOffered() const { return checkScoreOffered_; }
    int score() const;
    // Whether a label that scores there stands in target box `targetIndex`.
    bool boxScores(int targetIndex) const;

    // Every label back to its own home slot; "Check Score" withdrawn.
    void startAgain();

private:
    static Box boxAt(const std::vector<Box>& boxes, int index);
    bool scoresIn(int labelIndex, int targetIndex) const;

    std::vector<Box> targets_;
    std::vector<Box> homes_;
    std::vector<Box> labels_;
    Scoring scoring_;
    bool checkScoreOffered_ = false;
};

} // namespace Board
