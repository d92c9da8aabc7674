#pragma once

#include "app/Screens.h"

#include <QPoint>
#include <QString>

class DragBoard;
class QWidget;

// What the walks through the screens share: pictures of windows, real mouse events, and a
// printer that writes each printout to a PDF file named after what was printed.
namespace Shots {

// Pictures go to `folder`, printouts to `folder`/print.
void setOutput(const QString& folder);
// Installs message boxes that answer OK unseen (and are written to standard output) and the
// PDF printer. Call after the program has started.
void installSeams();
// The name the next printout's PDF file gets.
void nameNextPrint(const QString& name);

void settle(int ms = 120);
void save(QWidget& screen, const QString& name);
void click(QWidget* control);
// Moves the pointer to an empty spot of the screen, so no entry is lit.
void background(QWidget& screen, QPoint at = QPoint(600, 505));
void typeInto(QWidget* box, const QString& text);

// Drags label `label` of the board to the middle of the twip box, pressing, moving in two
// steps and releasing on the window as a hand would.
void dragLabel(DragBoard& board, int label, double left, double top, double width, double height);
// Presses on the label and moves it halfway to the box, then takes the picture, then lets go.
void saveMidDrag(DragBoard& board, int label, double left, double top, const QString& name);

template <class T> T& screen() {
    T* found = Screens::find<T>();
    if (!found)
        qFatal("a screen expected on the road is not open");
    return *found;
}

// A screen of a class that serves several, by its name.
template <class T> T& screen(const QString& name) {
    T* found = Screens::find<T>(name);
    if (!found)
        qFatal("a screen expected on the road is not open");
    return *found;
}

} // namespace Shots
