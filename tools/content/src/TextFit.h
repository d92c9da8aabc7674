#pragma once

#include "QuizSource.h"

#include <QStringList>

// Checks that texts fit the boxes the screens show them in, measured with the faces the program
// draws them in (Liberation Serif for Times New Roman, DejaVu Sans Condensed for Tahoma).
namespace fit {

// False when DejaVu Sans Condensed is missing; captions are then measured with the wider
// DejaVu Sans, which errs on the safe side.
bool hasCaptionFace();

QStringList checkQuiz(const quiz::Worksheet& worksheet);

// Captions of drag labels: Tahoma Bold at the board's size (9.75 pt unless it says otherwise), in
// the program's stand-in, in a box of the given width in pixels.
QStringList checkCaptions(const QStringList& captions, double boxWidth, double points = 9.75);

} // namespace fit
