#pragma once

#include <QImage>
#include <QSize>
#include <QString>

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

// Horizontal centre, in picture pixels, of a box on a screen where the picture's left edge
// is at pictureLeft twips.
double boxCentreX(const NameBox& box, double pictureLeft, double boxWidth = 1845);

QImage family(); // 800 by 500
// 778 by 325 for the topic and labelling screens; smaller people for the quiz's thumbnail.
QImage richPoor(QSize size, double figureScale = 1.0);
QImage palace(QSize size); // the topic picture of "The Orvelles"
QImage globe(QSize size);
QImage makerLogo();                          // 120 by 89
QImage logoFrame(int frame, int frameCount); // 120 by 120

} // namespace pictures
