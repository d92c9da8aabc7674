#include "GifWriter.h"

#include <QFile>
#include <QHash>

#include <algorithm>
#include <array>
#include <climits>
#include <unordered_map>

namespace gif {
namespace {

struct Bucket {
    std::vector<std::pair<QRgb, qint64>> colours;

    int channel(QRgb c, int axis) const {
        return axis == 0 ? qRed(c) : axis == 1 ? qGreen(c) : qBlue(c);
    }
    std::pair<int, int> widestAxis() const {
        int best = 0;
        int bestRange = -1;
        for (int axis = 0; axis < 3; ++axis) {
            int lo = 255;
            int hi = 0;
            for (const auto& [c, n] : colours) {
                lo = std::min(lo, channel(c, axis));
                hi = std::max(hi, channel(c, axis));
            }
            if (hi - lo > bestRange) {
                bestRange = hi - lo;
                best = axis;
            }
        }
        return {best, bestRange};
    }
    QRgb average() const {
        qint64 r = 0, g = 0, b = 0, total = 0;
        for (const auto& [c, n] : colours) {
            r += qRed(c) * n;
            g += qGreen(c) * n;
            b += qBlue(c) * n;
            total += n;
        }
        return qRgb(int((r + total / 2) / total), int((g + total / 2) / total),
                    int((b + total / 2) / total));
    }
};

// Splits at the weighted median along the widest channel; both halves keep at least one colour.
std::pair<Bucket, Bucket> split(Bucket bucket) {
    const int axis = bucket.widestAxis().first;
    std::stable_sort(bucket.colours.begin(), bucket.colours.end(),
                     [&](const auto& a, const auto& b) {
                         return bucket.channel(a.first, axis) < bucket.channel(b.first, axis);
                     });
    qint64 total = 0;
    for (const auto& entry : bucket.colours)
        total += entry.second;
    qint64 running = 0;
    size_t cut = 1;
    for (size_t i = 0; i + 1 < bucket.colours.size(); ++i) {
        running += bucket.colours[i].second;
        cut = i + 1;
        if (running * 2 >= total)
            break;
    }
    Bucket low, high;
    low.colours.assign(bucket.colours.begin(), bucket.colours.begin() + long(cut));
    high.colours.assign(bucket.colours.begin() + long(cut), bucket.colours.end());
    return {low, high};
}

class BitSink {
public:
    void put(int code, int width) {
        accumulator_ |= uint32_t(code) << bits_;
        bits_ += width;
        while (bits_ >= 8) {
            bytes_.push_back(char(accumulator_ & 0xff));
            accumulator_ >>= 8;
            bits_ -= 8;
        }
    }
    QByteArray finish() {
        if (bits_ > 0)
            bytes_.push_back(char(accumulator_ & 0xff));
        return bytes_;
    }

private:
    QByteArray bytes_;
    uint32_t accumulator_ = 0;
    int bits_ = 0;
};

constexpr int maxCode = 4096;

QByteArray lzwCodes(const std::vector<uint8_t>& pixels, int minCodeSize) {
    const int clear = 1 << minCodeSize;
    const int endOfData = clear + 1;
    BitSink sink;
    std::unordered_map<uint32_t, int> table;
    int width = minCodeSize + 1;
    int next = clear + 2;
    sink.put(clear, width);
    if (pixels.empty()) {
        sink.put(endOfData, width);
        return sink.finish();
    }
    int prefix = pixels.front();
    for (size_t i = 1; i < pixels.size(); ++i) {
        const uint32_t key = (uint32_t(prefix) << 8) | pixels[i];
        if (auto found = table.find(key); found != table.end()) {
            prefix = found->second;
            continue;
        }
        sink.put(prefix, width);
        if (next < maxCode) {
            table.emplace(key, next++);
            // The decoder learns each code one step later, so it widens once it passes 2^width.
            if (next > (1 << width) && width < 12)
                ++width;
        } else {
            sink.put(clear, width);
            table.clear();
            width = minCodeSize + 1;
            next = clear + 2;
        }
        prefix = pixels[i];
    }
    sink.put(prefix, width);
    sink.put(endOfData, width);
    return sink.finish();
}

int bitsFor(int colours) {
    int bits = 1;
    while ((1 << bits) < colours)
        ++bits;
    return bits;
}

void putWord(QByteArray& out, int value) {
    out.push_back(char(value & 0xff));
    out.push_back(char((value >> 8) & 0xff));
}

} // namespace

QList<QRgb> medianCutPalette(const QList<QImage>& images, int maxColours) {
    QHash<QRgb, qint64> counts;
    for (const QImage& image : images) {
        const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
        for (int y = 0; y < rgb.height(); ++y) {
            const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
            for (int x = 0; x < rgb.width(); ++x)
                ++counts[line[x] | 0xff000000u];
        }
    }
    std::vector<Bucket> buckets(1);
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        buckets.front().colours.emplace_back(it.key(), it.value());
    // The hash's order changes from run to run; sorting first keeps the palette reproducible.
    std::sort(buckets.front().colours.begin(), buckets.front().colours.end());
    if (buckets.front().colours.empty())
        return {qRgb(0, 0, 0)};
    while (int(buckets.size()) < maxColours) {
        auto widest = std::max_element(buckets.begin(), buckets.end(), [](auto& a, auto& b) {
            const auto ra = a.colours.size() > 1 ? a.widestAxis().second : -1;
            const auto rb = b.colours.size() > 1 ? b.widestAxis().second : -1;
            return ra < rb;
        });
        if (widest->colours.size() < 2)
            break;
        auto [low, high] = split(std::move(*widest));
        *widest = std::move(low);
        buckets.push_back(std::move(high));
    }
    QList<QRgb> palette;
    for (const Bucket& bucket : buckets)
        palette.push_back(bucket.average());
    return palette;
}

IndexedImage toIndexed(const QImage& image, const QList<QRgb>& palette) {
    IndexedImage out;
    out.width = image.width();
    out.height = image.height();
    out.palette = palette;
    out.pixels.reserve(size_t(out.width) * size_t(out.height));
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    QHash<QRgb, uint8_t> nearest;
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x) {
            const QRgb c = line[x] | 0xff000000u;
            auto hit = nearest.constFind(c);
            if (hit == nearest.cend()) {
                int best = 0;
                int bestDistance = INT_MAX;
                for (int i = 0; i < palette.size(); ++i) {
                    const int dr = qRed(c) - qRed(palette[i]);
                    const int dg = qGreen(c) - qGreen(palette[i]);
                    const int db = qBlue(c) - qBlue(palette[i]);
                    const int distance = 3 * dr * dr + 4 * dg * dg + 2 * db * db;
                    if (distance < bestDistance) {
                        bestDistance = distance;
                        best = i;
                    }
                }
                hit = nearest.insert(c, uint8_t(best));
            }
            out.pixels.push_back(*hit);
        }
    }
    return out;
}

QByteArray lzwSubBlocks(const std::vector<uint8_t>& pixels, int minCodeSize) {
    const QByteArray codes = lzwCodes(pixels, minCodeSize);
    QByteArray out;
    for (qsizetype at = 0; at < codes.size(); at += 255) {
        const qsizetype length = std::min<qsizetype>(255, codes.size() - at);
        out.push_back(char(length));
        out.append(codes.mid(at, length));
    }
    out.push_back('\0');
    return out;
}

QByteArray encode(const IndexedImage& image) {
    const int tableBits = bitsFor(std::max<int>(2, int(image.palette.size())));
    QByteArray out("GIF89a");
    putWord(out, image.width);
    putWord(out, image.height);
    out.push_back(char(0x80 | ((tableBits - 1) << 4) | (tableBits - 1)));
    out.push_back('\0'); // background colour index
    out.push_back('\0'); // square pixels
    for (int i = 0; i < (1 << tableBits); ++i) {
        const QRgb c = i < image.palette.size() ? image.palette[i] : qRgb(0, 0, 0);
        out.push_back(char(qRed(c)));
        out.push_back(char(qGreen(c)));
        out.push_back(char(qBlue(c)));
    }
    out.push_back(',');
    putWord(out, 0);
    putWord(out, 0);
    putWord(out, image.width);
    putWord(out, image.height);
    out.push_back('\0'); // no local table, not interlaced
    const int minCodeSize = std::max(2, tableBits);
    out.push_back(char(minCodeSize));
    out.append(lzwSubBlocks(image.pixels, minCodeSize));
    out.push_back(';');
    return out;
}

bool write(const QString& path, const IndexedImage& image) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    const QByteArray bytes = encode(image);
    return file.write(bytes) == bytes.size() && file.flush();
}

} // namespace gif
