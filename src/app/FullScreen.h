#pragma once

#include <QRect>
#include <QSize>
#include <QStringList>

class QWidget;
class Screen;

// The program filling a whiteboard: the layout scaled by the largest factor that fits the
// display, every screen frameless and centred on it, and one backdrop in the main menu's
// colour behind them all. F11 on any window turns it on and off.
namespace FullScreen {

// The largest factor at which the 800x600 layout fits an area of pixels.
double fittingFactor(const QSize& area);

bool isOn();
// Fills the primary display, or the given area of pixels.
void enter();
void enter(const QRect& area);
void leave();
void toggle();
// While full screen is on: raises and activates the screen shown or brought to the front last
// (or the message box it waits on), for when a screen has gone or the backdrop was activated.
void bringFrontForward();

// The area in pixels the screens are centred on while full screen is on.
QRect area();
// The window behind every screen while full screen is on, or none.
QWidget* backdrop();

// Made frameless before a screen is first shown while full screen is on.
void prepare(Screen& screen);
// Places a live screen and its controls again after the twips scale has changed.
void relayout(Screen& screen, double fromTwipsPerPixel);

// F11 in any window of the program toggles full screen.
void watchKey();

// Whether the command line asks to start in full screen (--full-screen).
bool askedFor(const QStringList& arguments);

} // namespace FullScreen
