#include "platform/wmf/WmfLimits.h"
#include "platform/wmf/WmfParser.h"
#include "platform/wmf/WmfText.h"

// Object records. Every record that creates an object takes a slot, even when its contents
// cannot be used, so that the indices later records give still name the right objects.

namespace {

enum BrushStyle : quint16 { Solid = 0, Null = 1, Hatched = 2 };

WmfBrush::Hatch hatchOf(quint16 value) {
    return value <= WmfBrush::DiagCross ? WmfBrush::Hatch(value) : WmfBrush::Horizontal;
}

// A pattern brush that cannot be used is drawn as the average colour of what could be read,
// or grey.
WmfLogBrush patternBrush(const std::optional<QImage>& image) {
    WmfLogBrush brush;
    if (!image || image->isNull()) {
        brush.color = Qt::gray;
        return brush;
    }
    brush.style = WmfBrush::Style::Pattern;
    brush.pattern = *image;
    brush.color =
        QColor(image->scaled(1, 1, Qt::IgnoreAspectRatio, Qt::SmoothTransformation).pixel(0, 0));
    return brush;
}

} // namespace

void WmfParser::addObject(WmfObject object) {
    if (objects_.add(std::move(object)) < 0)
        stop(QStringLiteral("object table full"));
}

void WmfParser::createPen(WmfBytes p) {
    WmfLogPen pen;
    if (p.hasWords(5)) {
        pen.style = p.uword(0);
        pen.width = p.word(1);
        pen.color = colorRef(p.u32(6));
    }
    addObject(pen);
}

void WmfParser::createBrush(WmfBytes p) {
    WmfLogBrush brush;
    if (p.hasWords(4)) {
        const quint16 style = p.uword(0);
        brush.color = colorRef(p.u32(2));
        if (style == Null)
            brush.style = WmfBrush::Style::Null;
        else if (style == Hatched)
            brush.style = WmfBrush::Style::Hatched;
        brush.hatch = hatchOf(p.uword(3));
    }
    addObject(brush);
}

void WmfParser::createDibPatternBrush(WmfBytes p) {
    std::optional<QImage> image;
    if (p.hasWords(2)) {
        if (auto dib = WmfDib::decode(p.from(4), p.uword(1), dc_.palette, bitmaps_))
            image = dib->image;
    }
    addObject(patternBrush(image));
}

void WmfParser::createPatternBrush(WmfBytes p) {
    addObject(
        patternBrush(WmfDib::decodeBitmap16(p, dc_.textColor.rgb(), dc_.bkColor.rgb(), bitmaps_)));
}

void WmfParser::createFont(WmfBytes p) {
    WmfLogFont font;
    if (p.has(0, 18)) {
        font.height = p.word(0);
        font.width = p.word(1);
        font.escapement = p.word(2);
        font.weight = p.word(4);
        font.italic = p.u8(10) != 0;
        font.underline = p.u8(11) != 0;
        font.strikeOut = p.u8(12) != 0;
        font.charset = p.u8(13);
        font.pitchAndFamily = p.u8(17);
        font.face = WmfText::faceName(p.from(18).slice(0, qMin<qsizetype>(32, p.size() - 18)));
    }
    addObject(font);
}

void WmfParser::createPalette(WmfBytes p) {
    WmfPaletteObject palette;
    const int count = p.hasWords(2) ? p.uword(1) : 0;
    if (p.has(4, qsizetype(count) * 4)) {
        palette.colors.reserve(count);
        for (int i = 0; i < count; ++i)
            palette.colors.append(qRgb(p.u8(4 + 4 * i), p.u8(5 + 4 * i), p.u8(6 + 4 * i)));
    }
    addObject(palette);
}

void WmfParser::setPaletteEntries(WmfBytes p) {
    if (!p.hasWords(2))
        return;
    const int start = p.uword(0);
    const int count = p.uword(1);
    if (!p.has(4, qsizetype(count) * 4))
        return;
    for (int i = 0; i < count && start + i < dc_.palette.size(); ++i)
        dc_.palette[start + i] = qRgb(p.u8(4 + 4 * i), p.u8(5 + 4 * i), p.u8(6 + 4 * i));
}

// Regions are stored as scans: bands of equal height, each a list of left and right edges.
// The header is normally 22 bytes; some writers leave out two bytes of it, which shows as a
// bounding box that is not one.
bool WmfParser::readRegion(WmfBytes p, qsizetype headerBytes, QList<QRect>& rects) {
    const qsizetype boxWord = headerBytes / 2 - 4;
    const int scanCount = p.uword(boxWord - 2);
    const QRect box(QPoint(p.word(boxWord), p.word(boxWord + 1)),
                    QPoint(p.word(boxWord + 2), p.word(boxWord + 3)));
    if (!p.has(0, headerBytes) || box.left() > box.right() || box.top() > box.bottom())
        return false;
    qsizetype at = headerBytes;
    for (int s = 0; s < scanCount && p.has(at, 6) && rects.size() < WmfLimits::maxRegionRects;
         ++s) {
        const int edges = p.uword(at / 2);
        const int top = p.word(at / 2 + 1);
        const int bottom = p.word(at / 2 + 2);
        const qsizetype scanBytes = 6 + qsizetype(edges) * 2 + 2;
        if (!p.has(at, scanBytes) || !takePoints(edges))
            break;
        for (int e = 0; e + 1 < edges; e += 2) {
            const int left = p.word(at / 2 + 3 + e);
            const int right = p.word(at / 2 + 4 + e);
            if (right > left && bottom > top)
                rects.append(QRect(left, top, right - left, bottom - top));
        }
        at += scanBytes;
    }
    if (scanCount == 0 && box.width() > 1 && box.height() > 1)
        rects.append(box.adjusted(0, 0, -1, -1));
    return true;
}

// A region record too short for a region creates nothing and takes no slot, as the system
// plays it.
void WmfParser::createRegion(WmfBytes p) {
    QList<QRect> rects;
    if (!readRegion(p, 22, rects)) {
        rects.clear();
        if (!readRegion(p, 20, rects))
            return;
    }
    if (const auto region = unionOf(rects))
        addObject(WmfRegionObject{*region, std::nullopt});
}

void WmfParser::selectObject(WmfBytes p) {
    if (!p.hasWords(1))
        return;
    const WmfObject* object = objects_.at(p.uword(0));
    if (!object)
        return;
    if (const auto* pen = std::get_if<WmfLogPen>(object))
        dc_.pen = *pen;
    else if (const auto* brush = std::get_if<WmfLogBrush>(object))
        dc_.brush = *brush;
    else if (const auto* font = std::get_if<WmfLogFont>(object))
        dc_.font = *font;
    else if (std::holds_alternative<WmfRegionObject>(*object))
        selectClipRegion(p);
}

void WmfParser::selectPalette(WmfBytes p) {
    if (!p.hasWords(1))
        return;
    const WmfObject* object = objects_.at(p.uword(0));
    if (const auto* palette = object ? std::get_if<WmfPaletteObject>(object) : nullptr)
        dc_.palette = palette->colors;
}
