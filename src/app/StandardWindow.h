#pragma once

#include <QSizeF>

class Screen;

// The set-up every screen but the title screen and Grey applies to itself on load: the
// standard colours and caption, 12000 by 9000 twips, centred on the display. Steps after the
// caption that fail are skipped.
void StandardWindow(Screen& screen);
// The same on a display of the given size in twips.
void StandardWindow(Screen& screen, const QSizeF& displayTwips);

// The display's size in twips.
QSizeF displaySizeTwips();
