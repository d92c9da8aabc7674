#pragma once

#include <QString>

class QWidget;

// The program's own drawn controls as a screen reader sees them: an entry that answers a click
// is a push button that can be pressed, any other label is static text, a picture is a graphic;
// each named by its caption, with its state.
namespace AccessibleControls {

// Registers the interfaces with Qt's accessibility; once is enough, more is harmless.
void install();

// Tells a screen reader that the control has just appeared or its text has changed, so that it
// is read out without the user going to it.
void announce(QWidget* control);
// Has a screen reader say `text` now, as a notification of the window; the focus stays.
void announce(QWidget* window, const QString& text);
// The text the window last announced; empty when there is none.
QString announced(QWidget* window);

} // namespace AccessibleControls
