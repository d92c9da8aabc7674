#pragma once

#include "platform/MessageBox.h"

#include <QString>

// A message box as the screens show it: OK only, no icon, the program's title as caption.
void showMessage(const QString& text);

// A number inside a display text: a space, then the decimal digits ("Question" + 3 gives
// "Question 3"). A negative number keeps its minus sign in place of the space.
QString numberText(int number);
