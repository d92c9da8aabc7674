#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QString>

#include <cstdint>
#include <vector>

// Qt reads GIF but cannot write it, so the logo frames go through this small encoder.
namespace gif {

struct IndexedImage {
    int width = 0;
    int height = 0;
    QList<QRgb> palette;         // at most 256 entries
    std::vector<uint8_t> pixels; // row by row, one palette index each
};

// One palette for a set of pictures, so every frame of an animation shares its colours.
QList<QRgb> medianCutPalette(const QList<QImage>& images, int maxColours);

// Maps each pixel to the nearest palette entry (no dithering: flat artwork keeps clean edges).
IndexedImage toIndexed(const QImage& image, const QList<QRgb>& palette);

// Variable-width LZW as GIF stores it, packed into 255-byte sub-blocks with a closing zero.
QByteArray lzwSubBlocks(const std::vector<uint8_t>& pixels, int minCodeSize);

// A whole single-picture GIF89a file with a global colour table.
QByteArray encode(const IndexedImage& image);

bool write(const QString& path, const IndexedImage& image);

} // namespace gif
