#pragma once

#include "platform/wmf/WmfBytes.h"

#include <QImage>
#include <QList>

#include <optional>

// Pixels left for the bitmaps of one picture; every decoded bitmap takes its share first.
class WmfBitmapBudget {
public:
    WmfBitmapBudget();
    bool take(qint64 pixels);
    qint64 remaining() const { return remaining_; }

private:
    qint64 remaining_;
};

namespace WmfDib {

enum ColorUsage : quint16 { RgbColors = 0, PaletteIndices = 1 };

struct Decoded {
    QImage image;         // top row first
    bool bottomUp = true; // rows were stored bottom row first (source rectangles count from there)
};

// A device-independent bitmap: header, colour table and pixels, as metafile records embed it.
// With PaletteIndices the colour table holds indices into `palette`.
std::optional<Decoded> decode(WmfBytes dib, quint16 colorUsage, const QList<QRgb>& palette,
                              WmfBitmapBudget& budget);

// The older device-dependent bitmap of BITBLT, STRETCHBLT and CREATEPATTERNBRUSH. Monochrome
// bitmaps take the device context's colours: clear bits the text colour, set bits the background.
std::optional<QImage> decodeBitmap16(WmfBytes bitmap, QRgb foreground, QRgb background,
                                     WmfBitmapBudget& budget);

} // namespace WmfDib
