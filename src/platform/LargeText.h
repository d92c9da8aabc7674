#pragma once

#include <QColor>
#include <QPointF>

class QFont;
class QPainter;
class QRectF;
class QString;

// Text too large for Qt's glyph cache, drawn from glyphs kept as pictures.
//
// Qt fills the outline of every glyph over 64 device pixels anew at each paint. A page at 3.6
// times the layout (a 4K whiteboard) takes all its text past that, and filling the outlines
// was most of the page's first paint. Here each such glyph is filled once, at the device
// resolution, and kept.
namespace LargeText {

// Draws `text` with its baseline starting at `origin`, as QPainter::drawText(origin, text)
// would, and answers true; or draws nothing and answers false where Qt's own drawing serves:
// text small enough for Qt's cache or too large to keep, a device that keeps text as text (a
// PDF, a printer), a rotated or unevenly scaled painter, or a font drawn without smoothing.
bool draw(QPainter& painter, const QPointF& origin, const QFont& font, const QString& text,
          const QColor& colour);

// The same for text set in a box, as QPainter::drawText(box, flags, text) sets it, in the
// painter's font and pen colour. Text that runs right to left is left to Qt.
bool drawInBox(QPainter& painter, const QRectF& box, int flags, const QString& text);

} // namespace LargeText
