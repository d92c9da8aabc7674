#pragma once

#include "PageLayout.h"

#include <QRect>

class WmfWriter;

namespace Pages {

// Draws a small picture made of shapes inside `box` (best square). In black and white the
// fills become light greys, so the print copy stays a black-on-white page.
void drawPicture(WmfWriter& out, Drawing drawing, const QRect& box, bool colour);

} // namespace Pages
