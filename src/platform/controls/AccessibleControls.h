#pragma once

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

} // namespace AccessibleControls
