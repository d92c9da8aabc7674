#pragma once

#include <QPoint>
#include <QRect>
#include <QRectF>

// The one place where the program's twips (1440 to the inch) become pixels. Screens are laid
// out for 15 twips to a pixel; a whiteboard can scale the whole layout by changing the scale.
namespace Twips {

constexpr double perPixelAtStandardScale = 15.0;

// Twips per device pixel now in force (15 unless the layout is scaled).
double perPixel();
void setPerPixel(double twipsPerPixel);

int toPixels(double twips);
double fromPixels(double pixels);
QRect toPixels(const QRectF& twipsRect);
QPointF fromPixels(const QPointF& pixels);

// Font sizes are points; a point is 20 twips.
int fontPixels(double points);

} // namespace Twips
