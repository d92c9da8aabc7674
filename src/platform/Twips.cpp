#include "platform/Twips.h"

#include <algorithm>
#include <cmath>

namespace {
double twipsPerPixel = Twips::perPixelAtStandardScale;
}

namespace Twips {

double perPixel() {
    return twipsPerPixel;
}

void setPerPixel(double value) {
    if (value > 0.0)
        twipsPerPixel = value;
}

double layoutFactor() {
    return perPixelAtStandardScale / twipsPerPixel;
}

void setLayoutFactor(double factor) {
    if (factor > 0.0)
        twipsPerPixel = perPixelAtStandardScale / factor;
}

int edgePixels(int designedPixels) {
    return std::max(1, static_cast<int>(std::lround(designedPixels * layoutFactor())));
}

int toPixels(double twips) {
    return static_cast<int>(std::lround(twips / twipsPerPixel));
}

double fromPixels(double pixels) {
    return pixels * twipsPerPixel;
}

QRect toPixels(const QRectF& r) {
    const int left = toPixels(r.left());
    const int top = toPixels(r.top());
    // Right and bottom edges are rounded on their own so neighbouring boxes stay flush.
    return QRect(QPoint(left, top),
                 QPoint(toPixels(r.left() + r.width()) - 1, toPixels(r.top() + r.height()) - 1));
}

QPointF fromPixels(const QPointF& p) {
    return p * twipsPerPixel;
}

int fontPixels(double points) {
    return std::max(1, static_cast<int>(std::lround(points * 20.0 / twipsPerPixel)));
}

} // namespace Twips
