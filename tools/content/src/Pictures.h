#pragma once

#include <QImage>
#include <QPointF>
#include <QRectF>
#include <QSize>
#include <QString>
#include <QStringList>

#include <vector>

namespace pictures {

constexpr double twipsPerPixel = 15.0;

// A name box of a labelling screen, in twips, and the person drawn above it.
struct NameBox {
    int index;
    double left;
    double top;
    QString caption;
};

// The labels of a topic's labelling or ordering board with their boxes, in the order of its
// topic.json; each person drawn stands above their own box.
std::vector<NameBox> topicBoxes(const QString& topic, bool labelling);
// The five members of the family picture, with the boxes of the family labelling screen.
const std::vector<NameBox>& familyBoxes();
// The nine names of the family-tree ordering screen, with its boxes.
const std::vector<NameBox>& treeBoxes();
// The four people of the rich-and-poor picture, with the boxes of its labelling screen.
const std::vector<NameBox>& richPoorBoxes();

// The eight labels of the ship's labelling screen, with its boxes.
const std::vector<NameBox>& shipBoxes();

// A part of the ship a label names: the point the picture's pointer ends on, and the label's
// box, both in picture pixels (a null box when no label names the part).
struct ShipPart {
    QString caption;
    QPointF point;
    QRectF box;
};
std::vector<ShipPart> shipParts();
// Every label must name a part of the ship, and its box lie on the picture, near its part but
// off it and clear of the other boxes.
QStringList checkShipBoxes();

// Every drag label of every topic's boards fits its board's label size at 9.75 points (a board
// with larger type shrinks a caption that would not fit to that).
QStringList checkBoardCaptions();

// Horizontal centre, in picture pixels, of a box on a screen where the picture's left edge
// is at pictureLeft twips.
double boxCentreX(const NameBox& box, double pictureLeft, double boxWidth = 1845);

QImage family(); // 800 by 500
// 778 by 325 for the topic and labelling screens; smaller people for the quiz's thumbnail.
QImage richPoor(QSize size, double figureScale = 1.0);
QImage palace(QSize size); // the topic picture of "The Orvelles"
QImage globe(QSize size);
QImage ship(QSize size); // the topic picture of "Ships and Explorers"
QImage shipLabelling();  // 800 by 408, with a pointer from each label's box to its part
QImage makerLogo();      // 120 by 89
QImage logoFrame(int frame, int frameCount); // 120 by 120

} // namespace pictures
