#pragma once

#include <QFont>
#include <QString>

class QWidget;

// The faces the screens were designed in, and the stand-ins that take their place here.
namespace Fonts {

// Makes the design faces available: MS Sans Serif from Wine's font folder where fontconfig does
// not list it, DejaVu Sans Condensed for Tahoma, and Liberation for Times New Roman and Arial.
// Once per run.
void registerDesignFaces();

// A font of `points` size in one of the design faces, sized in pixels through the twips scale
// so a layout drawn in twips keeps its proportions whatever the display's dpi.
QFont make(const QString& family, double points, bool bold = false);

// A font made at `fromTwipsPerPixel`, sized again for the twips scale now in force.
QFont rescaled(QFont font, double fromTwipsPerPixel);

// Gives a control a font made by `make`, and remembers what it was made from.
void apply(QWidget& widget, const QString& family, double points, bool bold = false);
// The control's font for the twips scale now in force: made again from what `apply` was
// given, so that it is the size a control made at this scale gets (sizing the pixel size
// again can be a pixel off); other fonts are rescaled.
QFont remade(const QWidget& widget, double fromTwipsPerPixel);

} // namespace Fonts
