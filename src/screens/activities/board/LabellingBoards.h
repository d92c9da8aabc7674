#pragma once

#include "platform/controls/ImageBox.h"
#include "screens/activities/board/DragBoard.h"

// A labelling screen: the board over a picture, which it shows unscaled from its corner.
class LabellingBoard : public DragBoard {
public:
    LabellingBoard(BoardData data, QString picture, const QRectF& place);

    // The picture, at 0 alone.
    ControlArray<ImageBox> Image1;
    // "Drag the labels into the correct boxes."
    Label* Label7;

protected:
    void loadPicture() override;

private:
    QString picture_;
};

// The first topic's labelling screen: the family picture and five names.
class orvelleslab : public LabellingBoard {
public:
    orvelleslab();
};

// The Rich and Poor labelling screen: four labels on a picture of rich and poor people.
class richlab : public LabellingBoard {
public:
    richlab();
};
