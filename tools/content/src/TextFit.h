#pragma once

#include "QuizSource.h"

#include <QStringList>

// Checks that texts fit the boxes the screens show them in, measured with the faces the program
// uses (Liberation Serif has the metrics of Times New Roman; Tahoma comes from Wine's fonts).
namespace fit {

// Registers Tahoma Bold; returns false when it is missing (captions are then measured with a
// wider stand-in, which errs on the safe side).
bool loadTahoma();

QStringList checkQuiz(const quiz::Worksheet& worksheet);

// Captions of drag labels: Tahoma Bold 9.75 pt in a box of the given width in pixels.
QStringList checkCaptions(const QStringList& captions, double boxWidth);

} // namespace fit
