#include "platform/wmf/WmfDib.h"

#include "platform/wmf/WmfLimits.h"

#include <QBuffer>
#include <QImageReader>

#include <array>
#include <bit>

WmfBitmapBudget::WmfBitmapBudget() : remaining_(WmfLimits::maxTotalBitmapPixels) {}

bool WmfBitmapBudget::take(qint64 pixels) {
    if (pixels < 0 || pixels > WmfLimits::maxBitmapPixels || pixels > remaining_)
        return false;
    remaining_ -= pixels;
    return true;
}

namespace {

enum Compression : quint32 {
    Rgb = 0,
    Rle8 = 1,
    Rle4 = 2,
    Bitfields = 3,
    Jpeg = 4,
    Png = 5,
    AlphaBitfields = 6
};

struct DibInfo {
    int width = 0;
    int height = 0; // always positive; topDown says which row comes first
    bool topDown = false;
    int bpp = 0;
    quint32 compression = Rgb;
    quint32 imageBytes = 0;
    std::array<quint32, 3> masks{};
    QList<QRgb> colors;
    qsizetype bitsOffset = 0;
};

bool sizeAllowed(qint64 width, qint64 height) {
    return width > 0 && height > 0 && width <= WmfLimits::maxBitmapSide &&
           height <= WmfLimits::maxBitmapSide && width * height <= WmfLimits::maxBitmapPixels;
}

bool readMasks(WmfBytes dib, qsizetype offset, DibInfo& info) {
    if (!dib.has(offset, 12))
        return false;
    for (int i = 0; i < 3; ++i)
        info.masks[i] = dib.u32(offset + 4 * i);
    return true;
}

bool readColorTable(WmfBytes dib, qsizetype offset, int count, int entryBytes, quint16 usage,
                    const QList<QRgb>& palette, DibInfo& info) {
    const int bytesEach = usage == WmfDib::PaletteIndices ? 2 : entryBytes;
    if (!dib.has(offset, qsizetype(count) * bytesEach))
        return false;
    info.colors.reserve(count);
    for (int i = 0; i < count; ++i) {
        const qsizetype at = offset + qsizetype(i) * bytesEach;
        if (usage == WmfDib::PaletteIndices) {
            const quint16 index = dib.u16(at);
            info.colors.append(index < palette.size() ? palette[index] : qRgb(0, 0, 0));
        } else {
            info.colors.append(qRgb(dib.u8(at + 2), dib.u8(at + 1), dib.u8(at)));
        }
    }
    info.bitsOffset = offset + qsizetype(count) * bytesEach;
    return true;
}

std::optional<DibInfo> readInfo(WmfBytes dib, quint16 usage, const QList<QRgb>& palette) {
    DibInfo info;
    const quint32 headerBytes = dib.u32(0);
    qint64 width = 0;
    qint64 height = 0;
    int entryBytes = 4;
    quint32 colorsUsed = 0;
    if (headerBytes == 12 && dib.has(0, 12)) {
        width = dib.u16(4);
        height = dib.u16(6);
        info.bpp = dib.u16(10);
        entryBytes = 3;
    } else if (headerBytes >= 40 && headerBytes <= 1024 && dib.has(0, headerBytes)) {
        width = dib.i32(4);
        height = dib.i32(8);
        info.bpp = dib.u16(14);
        info.compression = dib.u32(16);
        info.imageBytes = dib.u32(20);
        colorsUsed = dib.u32(32);
    } else {
        return std::nullopt;
    }
    info.topDown = height < 0;
    height = qAbs(height);
    if (!sizeAllowed(width, height))
        return std::nullopt;
    info.width = int(width);
    info.height = int(height);

    qsizetype offset = headerBytes;
    if (info.compression == Bitfields || info.compression == AlphaBitfields) {
        // The masks follow the basic header: after it, or inside the larger header versions.
        if (!readMasks(dib, 40, info))
            return std::nullopt;
        if (headerBytes == 40)
            offset += info.compression == AlphaBitfields ? 16 : 12;
    }
    int count = 0;
    if (info.compression == Jpeg || info.compression == Png) {
        count = 0;
    } else if (info.bpp <= 8) {
        const quint32 full = 1u << info.bpp;
        count = int(colorsUsed == 0 || colorsUsed > full ? full : colorsUsed);
    } else if (colorsUsed <= 256) {
        count = int(colorsUsed); // an optional optimisation palette, skipped
    }
    if (!readColorTable(dib, offset, count, entryBytes, usage, palette, info))
        return std::nullopt;
    return info;
}

struct MaskChannel {
    int shift = 0;
    quint32 max = 0;
    quint32 mask = 0;
};

MaskChannel channelOf(quint32 mask) {
    if (mask == 0)
        return {};
    const int shift = std::countr_zero(mask);
    return {shift, mask >> shift, mask};
}

int scaled(quint32 value, const MaskChannel& c) {
    return c.max == 0 ? 0 : int((quint64((value & c.mask) >> c.shift) * 255 + c.max / 2) / c.max);
}

QRgb colorAt(const DibInfo& info, int index) {
    return index < info.colors.size() ? info.colors[index] : qRgb(0, 0, 0);
}

void decodeRow(const uchar* row, const DibInfo& info, const std::array<MaskChannel, 3>& ch,
               QRgb* out) {
    for (int x = 0; x < info.width; ++x) {
        switch (info.bpp) {
        case 1:
            out[x] = colorAt(info, (row[x >> 3] >> (7 - (x & 7))) & 1);
            break;
        case 4:
            out[x] = colorAt(info, (row[x >> 1] >> ((x & 1) ? 0 : 4)) & 0x0F);
            break;
        case 8:
            out[x] = colorAt(info, row[x]);
            break;
        case 16: {
            const quint32 v = row[2 * x] | (row[2 * x + 1] << 8);
            out[x] = qRgb(scaled(v, ch[0]), scaled(v, ch[1]), scaled(v, ch[2]));
            break;
        }
        case 24:
            out[x] = qRgb(row[3 * x + 2], row[3 * x + 1], row[3 * x]);
            break;
        default: {
            const uchar* p = row + 4 * x;
            const quint32 v = p[0] | (p[1] << 8) | (p[2] << 16) | (quint32(p[3]) << 24);
            out[x] = qRgb(scaled(v, ch[0]), scaled(v, ch[1]), scaled(v, ch[2]));
            break;
        }
        }
    }
}

std::array<MaskChannel, 3> channelsFor(const DibInfo& info) {
    const bool fields = info.compression == Bitfields || info.compression == AlphaBitfields;
    if (fields)
        return {channelOf(info.masks[0]), channelOf(info.masks[1]), channelOf(info.masks[2])};
    if (info.bpp == 16)
        return {channelOf(0x7C00), channelOf(0x03E0), channelOf(0x001F)};
    return {channelOf(0x00FF0000), channelOf(0x0000FF00), channelOf(0x000000FF)};
}

std::optional<QImage> decodeUncompressed(WmfBytes bits, const DibInfo& info) {
    const qint64 rowBits = qint64(info.width) * info.bpp;
    const qint64 stride = (rowBits + 31) / 32 * 4;
    // The last row may lack its padding; some writers trim it.
    const qint64 needed = stride * (info.height - 1) + (rowBits + 7) / 8;
    if (!bits.has(0, needed))
        return std::nullopt;
    QImage image(info.width, info.height, QImage::Format_RGB32);
    if (image.isNull())
        return std::nullopt;
    const auto channels = channelsFor(info);
    for (int y = 0; y < info.height; ++y) {
        const int stored = info.topDown ? y : info.height - 1 - y;
        decodeRow(bits.data() + stride * stored, info, channels,
                  reinterpret_cast<QRgb*>(image.scanLine(y)));
    }
    return image;
}

// Run-length bitmaps are always stored bottom row first; pixels they skip stay colour 0.
std::optional<QImage> decodeRle(WmfBytes bits, const DibInfo& info) {
    const bool four = info.compression == Rle4;
    QImage image(info.width, info.height, QImage::Format_RGB32);
    if (image.isNull())
        return std::nullopt;
    image.fill(colorAt(info, 0));
    qint64 x = 0;
    qint64 y = 0;
    const auto put = [&](int index) {
        if (x < info.width && y < info.height)
            reinterpret_cast<QRgb*>(image.scanLine(info.height - 1 - int(y)))[x] =
                colorAt(info, index);
        ++x;
    };
    qsizetype at = 0;
    while (bits.has(at, 2) && y < info.height) {
        const int count = bits.u8(at);
        const int value = bits.u8(at + 1);
        at += 2;
        if (count > 0) {
            for (int i = 0; i < count && x < info.width; ++i)
                put(four ? ((i & 1) ? value & 0x0F : value >> 4) : value);
        } else if (value == 0) {
            x = 0;
            ++y;
        } else if (value == 1) {
            break;
        } else if (value == 2) {
            x += bits.u8(at);
            y += bits.u8(at + 1);
            at += 2;
        } else {
            const qsizetype bytes = four ? (value + 1) / 2 : value;
            if (!bits.has(at, bytes))
                break;
            for (int i = 0; i < value; ++i) {
                const int b = bits.u8(at + (four ? i / 2 : i));
                put(four ? ((i & 1) ? b & 0x0F : b >> 4) : b);
            }
            at += (bytes + 1) & ~qsizetype(1);
        }
    }
    return image;
}

std::optional<QImage> decodeEmbedded(WmfBytes bits, const DibInfo& info) {
    const qsizetype bytes = info.imageBytes > 0 && bits.has(0, info.imageBytes)
                                ? qsizetype(info.imageBytes)
                                : bits.size();
    const QByteArray data =
        QByteArray::fromRawData(reinterpret_cast<const char*>(bits.data()), bytes);
    const bool hasSignature =
        info.compression == Png ? data.startsWith("\x89PNG") : data.startsWith("\xFF\xD8");
    if (!hasSignature)
        return std::nullopt;
    QBuffer buffer;
    buffer.setData(data);
    QImageReader reader(&buffer, info.compression == Png ? "png" : "jpeg");
    reader.setAllocationLimit(int(WmfLimits::maxBitmapPixels * 4 / (1024 * 1024)));
    const QSize size = reader.size();
    if (!sizeAllowed(size.width(), size.height()))
        return std::nullopt;
    QImage image = reader.read();
    if (image.isNull() || !sizeAllowed(image.width(), image.height()))
        return std::nullopt;
    return image.convertToFormat(QImage::Format_ARGB32);
}

std::optional<QImage> decodeBits(WmfBytes bits, const DibInfo& info) {
    switch (info.compression) {
    case Rgb:
        if (info.bpp == 1 || info.bpp == 4 || info.bpp == 8 || info.bpp == 16 || info.bpp == 24 ||
            info.bpp == 32)
            return decodeUncompressed(bits, info);
        return std::nullopt;
    case Bitfields:
    case AlphaBitfields:
        if (info.bpp == 16 || info.bpp == 32)
            return decodeUncompressed(bits, info);
        return std::nullopt;
    case Rle8:
        return info.bpp == 8 ? decodeRle(bits, info) : std::nullopt;
    case Rle4:
        return info.bpp == 4 ? decodeRle(bits, info) : std::nullopt;
    case Jpeg:
    case Png:
        return decodeEmbedded(bits, info);
    default:
        return std::nullopt;
    }
}

// The sixteen colours of the standard VGA palette, for device bitmaps that carry none.
constexpr std::array<QRgb, 16> vgaColors = {
    0xFF000000, 0xFF800000, 0xFF008000, 0xFF808000, 0xFF000080, 0xFF800080, 0xFF008080, 0xFFC0C0C0,
    0xFF808080, 0xFFFF0000, 0xFF00FF00, 0xFFFFFF00, 0xFF0000FF, 0xFFFF00FF, 0xFF00FFFF, 0xFFFFFFFF};

QRgb bitmap16Pixel(const uchar* row, int x, int bpp, QRgb fg, QRgb bg) {
    switch (bpp) {
    case 1:
        return ((row[x >> 3] >> (7 - (x & 7))) & 1) ? bg : fg;
    case 4:
        return vgaColors[(row[x >> 1] >> ((x & 1) ? 0 : 4)) & 0x0F];
    case 8:
        return qRgb(row[x], row[x], row[x]);
    case 24:
        return qRgb(row[3 * x + 2], row[3 * x + 1], row[3 * x]);
    default:
        return qRgb(row[4 * x + 2], row[4 * x + 1], row[4 * x]);
    }
}

} // namespace

std::optional<WmfDib::Decoded> WmfDib::decode(WmfBytes dib, quint16 colorUsage,
                                              const QList<QRgb>& palette, WmfBitmapBudget& budget) {
    const auto info = readInfo(dib, colorUsage, palette);
    if (!info || !budget.take(qint64(info->width) * info->height))
        return std::nullopt;
    auto image = decodeBits(dib.from(info->bitsOffset), *info);
    if (!image)
        return std::nullopt;
    const bool bottomUp = !info->topDown && info->compression != Jpeg && info->compression != Png;
    return Decoded{*image, bottomUp};
}

std::optional<QImage> WmfDib::decodeBitmap16(WmfBytes bitmap, QRgb foreground, QRgb background,
                                             WmfBitmapBudget& budget) {
    const qint64 width = bitmap.i16(2);
    const qint64 height = bitmap.i16(4);
    const qint64 widthBytes = bitmap.i16(6);
    const int planes = bitmap.u8(8);
    const int bpp = bitmap.u8(9);
    if (!sizeAllowed(width, height) || planes != 1 ||
        (bpp != 1 && bpp != 4 && bpp != 8 && bpp != 24 && bpp != 32))
        return std::nullopt;
    if (widthBytes < (width * bpp + 7) / 8)
        return std::nullopt;
    const qint64 needed = widthBytes * height;
    // The pixels end the record; some writers put a pointer's worth of padding before them.
    if (bitmap.size() < 10 + needed)
        return std::nullopt;
    if (!budget.take(width * height))
        return std::nullopt;
    const uchar* bits = bitmap.data() + bitmap.size() - needed;
    QImage image(int(width), int(height), QImage::Format_RGB32);
    if (image.isNull())
        return std::nullopt;
    for (int y = 0; y < height; ++y) {
        auto* out = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x)
            out[x] = bitmap16Pixel(bits + widthBytes * y, x, bpp, foreground, background);
    }
    return image;
}
