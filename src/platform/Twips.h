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

// How many times its designed size the layout is drawn: 1 at 15 twips a pixel, 1.8 when an
// 800x600 screen fills 1440x1080 of a whiteboard.
double layoutFactor();
void setLayoutFactor(double factor);
// A drawn edge or line a designed pixel wide, at the layout factor; never thinner than one.
int edgePixels(int designedPixels = 1);

int toPixels(double twips);
double fromPixels(double pixels);
QRect toPixels(const QRectF& twipsRect);
QPointF fromPixels(const QPointF& pixels);

// Font sizes are points; a point is 20 twips.
int fontPixels(double points);

} // namespace Twips
