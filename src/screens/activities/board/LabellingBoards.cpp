#include "screens/activities/board/LabellingBoards.h"

#include "platform/controls/MenuEntry.h"

LabellingBoard::LabellingBoard(BoardData data, QString picture, const QRectF& place)
    : DragBoard(std::move(data)), picture_(std::move(picture)) {
    auto* image = new ImageBox(this);
    setControlName(image, QStringLiteral("Image1"), 0);
    image->Move(place.left(), place.top(), place.width(), place.height());
    // Behind everything, so boxes and labels stay visible over it.
    image->lower();
    Image1.add(0, image);
    Label7 =
        makeLabel(this, QStringLiteral("Label7"), -1,
                  QStringLiteral("Drag the labels into the correct boxes."), {7080, 0, 4785, 345},
                  {QStringLiteral("Tahoma"), 12, true, QColor(128, 255, 255), Label::Align::Right});
}

// A picture that cannot be loaded leaves an empty box; the board works the same without it.
void LabellingBoard::loadPicture() {
    Image1(0).LoadPicture(picture_);
}

orvelleslab::orvelleslab()
    : LabellingBoard(BoardLayouts::orvelleslab(), QStringLiteral("Images\\familymd.jpg"),
                     {0, -120, 12000, 7500}) {}

richlab::richlab()
    : LabellingBoard(BoardLayouts::richlab(), QStringLiteral("Images\\richpoor.jpg"),
                     {165, 1080, 11670, 4875}) {}
