#pragma once

#include <QMap>
#include <QtGlobal>

#include <utility>

// The drawing work of a picture as a function of the resolution it is painted at. Work is counted
// in units of about one filled shape covering 704x528 device pixels; `scale` is the linear size
// painted relative to the picture's frame shown at 704x528 (600 dpi paper is about 6.25).
// Filling grows with the pixels covered, outlines with their length, and some work starts only
// past a scale: pens widen from hairlines to stroked outlines, glyphs grow too large to cache.
class WmfWork {
public:
    // Work that costs the same at any size, such as the call itself.
    void addFixed(double work) { fixed_ += work; }
    // Work that grows from `fromScale` on, with the scale and with its square.
    void add(qreal fromScale, double linear, double squared) {
        auto& [l, s] = byScale_[fromScale];
        l += linear;
        s += squared;
    }

    double at(qreal scale) const {
        double linear = 0, squared = 0;
        for (auto it = byScale_.cbegin(); it != byScale_.cend() && it.key() <= scale; ++it) {
            linear += it->first;
            squared += it->second;
        }
        return fixed_ + linear * scale + squared * scale * scale;
    }

    // The largest scale up to `scale` whose work stays within `limit`; 0 when none does.
    qreal largestScaleWithin(qreal scale, double limit) const {
        if (at(scale) <= limit)
            return scale;
        if (at(0) > limit)
            return 0;
        qreal low = 0, high = scale;
        for (int i = 0; i < 30; ++i) {
            const qreal mid = (low + high) / 2;
            (at(mid) <= limit ? low : high) = mid;
        }
        return low;
    }

    // Device pixels per frame unit when the frame is shown at 704x528.
    qreal referencePixelsPerUnit = 1;

private:
    double fixed_ = 0;
    QMap<qreal, std::pair<double, double>> byScale_;
};
