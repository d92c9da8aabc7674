#pragma once

#include "Sketch.h"

#include <QColor>
#include <QPointF>

// People of the Orvelle pictures, drawn from a short description.
enum class Role { King, Queen, RichMan, RichWoman, PoorMan, PoorWoman, Prince, Princess };
enum class Hat { None, Crown, Circlet, FeatherCap, Coif, StrawHat, WoolCap, Hood };
enum class Holds { Nothing, Sceptre, Fan, Cane, Spade, Basket, Book, Flower };

struct Person {
    Role role = Role::RichMan;
    Hat hat = Hat::None;
    Holds holds = Holds::Nothing;
    double stature = 300; // pixels from the soles to the top of the head
    bool child = false;   // a child's head is larger for its body
    bool beard = false;
    bool ruff = false;
    bool longHair = false;
    bool flip = false; // mirrored, to hold things in the other hand
    QColor skin{242, 204, 170};
    QColor hair{110, 70, 40};
    QColor main{150, 30, 40};    // gown, robe, doublet or tunic
    QColor second{230, 190, 80}; // forepart, stockings, breeches or cape
    QColor trim{240, 200, 60};   // braid, buttons, jewels, patches
};

// Feet stand at the given point, centred; the figure faces the viewer.
void paintPerson(Sketch& sketch, QPointF feet, const Person& who);

// A small sitting dog, its paws at the given point.
void paintDog(Sketch& sketch, QPointF paws, double height, QColor coat, QColor patch);

bool isWoman(Role role);
bool isRich(Role role);
