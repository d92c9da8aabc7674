#pragma once

#include "Sketch.h"

#include <QRectF>

// Pieces of scenery shared by the pictures.
namespace scenery {

// The Orvelle badge: a golden oak tree on a red shield.
void oakBadge(Sketch& sketch, QPointF centre, double height);
// A red pennant with a swallow tail, hanging from its top edge, carrying the badge.
void banner(Sketch& sketch, QPointF topCentre, double width, double height);
// A tall window with a rounded top and diamond leading; the sky shows through.
void archWindow(Sketch& sketch, const QRectF& opening, const QColor& stone);
void cloud(Sketch& sketch, QPointF centre, double width);
void tree(Sketch& sketch, QPointF base, double height, const QColor& leaves);
void shadow(QPainter& painter, QPointF centre, double rx, double ry, int alpha = 70);
void chicken(Sketch& sketch, QPointF feet, double height, bool facingRight);
// A flag on a pole, waving to the right.
void flag(Sketch& sketch, QPointF poleFoot, double poleHeight, double flagWidth);

} // namespace scenery
