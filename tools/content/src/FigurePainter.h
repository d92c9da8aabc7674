#pragma once

#include "Figure.h"

// Proportions in figure units: the soles at y = 0 and the top of the head at y = -100.
struct BodyFrame {
    double headR, headY, shoulderY, shoulderW, waistY, waistW, kneeY;
};

struct ArmPose {
    QPointF shoulder, elbow, hand;
};

class FigurePainter {
public:
    FigurePainter(Sketch& sketch, const Person& who);
    void paint();

private:
    // Body, in FigureBody.cpp and FigureArms.cpp.
    void behind();
    void cape();
    void legs();
    void skirt();
    void robe();
    void torso();
    void womanBodice();
    void manDoublet();
    void poorTunic();
    void ermine(const QPainterPath& band);
    void ruff();
    void arms();
    ArmPose pose(bool right) const;
    void sleeve(const ArmPose& arm);
    void heldBehindHand(const ArmPose& right, const ArmPose& left);
    void heldInFront(const ArmPose& right, const ArmPose& left);
    void basket(QPointF hand);

    // Head, in FigureHead.cpp.
    void backHair();
    void neck();
    void head();
    void face();
    void frontHair();
    void beard();
    void hat();
    void crown(double width, double height);
    void circlet();
    void featherCap();
    void coif();
    void hood(bool back);
    void strawHat();
    void woolCap();

    bool woman() const { return isWoman(who_.role); }
    bool rich() const { return isRich(who_.role); }

    Sketch& sketch_;
    QPainter& p_;
    const Person& who_;
    BodyFrame f_;
};
