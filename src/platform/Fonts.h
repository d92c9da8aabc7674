#pragma once

#include <QFont>
#include <QString>

// The faces the screens were designed in, and the stand-ins that take their place here.
namespace Fonts {

// Makes the design faces available: MS Sans Serif from Wine's font folder where fontconfig does
// not list it, DejaVu Sans Condensed for Tahoma, and Liberation for Times New Roman and Arial.
// Once per run.
void registerDesignFaces();

// Lets Qt keep glyphs up to 128 pixels in its glyph cache, unless QT_MAX_CACHED_GLYPH_SIZE
// already says otherwise. Must come before the first text is drawn.
void cacheLargeGlyphs();

// A font of `points` size in one of the design faces, sized in pixels through the twips scale
// so a layout drawn in twips keeps its proportions whatever the display's dpi.
QFont make(const QString& family, double points, bool bold = false);

// A font made at `fromTwipsPerPixel`, sized again for the twips scale now in force.
QFont rescaled(QFont font, double fromTwipsPerPixel);

} // namespace Fonts
