#include "platform/wmf/WmfParser.h"
#include "platform/wmf/WmfRecordType.h"

// Bitmap records. Raster operations are reduced to what a painter can do: operations that do
// not read the source are fills with the brush, black, white or an inversion; those that do
// become a copy, and, or or xor of the image.

namespace {

constexpr int halftone = 4;

quint8 ternaryOf(quint32 rop) {
    return quint8((rop >> 16) & 0xFF);
}

bool readsSource(quint8 code) {
    return ((code >> 2) & 0x33) != (code & 0x33);
}

WmfRasterOp imageOpOf(quint8 code) {
    switch (code) {
    case 0x33: // NOTSRCCOPY
    case 0x11: // NOTSRCERASE
        return WmfRasterOp::NotCopy;
    case 0x88:
        return WmfRasterOp::And; // SRCAND
    case 0xEE:                   // SRCPAINT
    case 0xBB:
        return WmfRasterOp::Or; // MERGEPAINT
    case 0x66:
        return WmfRasterOp::Xor; // SRCINVERT
    default:
        return WmfRasterOp::Copy;
    }
}

// Records without a bitmap are exactly as long as their function number says.
bool hasBitmap(WmfBytes p, quint16 function) {
    return p.size() != qsizetype(function >> 8) * 2;
}

} // namespace

QRectF WmfParser::destination(qint16 x, qint16 y, qint16 w, qint16 h) const {
    const WmfMapping& m = dc_.mapping;
    return QRectF(m.map(x, y), m.map(qreal(x) + w, qreal(y) + h));
}

void WmfParser::ropFill(const QRectF& target, quint32 rop) {
    const QRectF area = target.normalized().intersected(limitRect_);
    WmfBrush brush = frameBrush(dc_.brush);
    WmfRasterOp op = WmfRasterOp::Copy;
    switch (ternaryOf(rop)) {
    case 0xAA:
        return; // destination unchanged
    case 0x00:
        brush = WmfBrush{WmfBrush::Style::Solid, Qt::black, {}, {}};
        break;
    case 0xFF:
        brush = WmfBrush{WmfBrush::Style::Solid, Qt::white, {}, {}};
        break;
    case 0x55:
        op = WmfRasterOp::Invert;
        break;
    case 0x5A:
        op = WmfRasterOp::Xor;
        break;
    case 0xA0:
        op = WmfRasterOp::And;
        break;
    case 0xFA:
        op = WmfRasterOp::Or;
        break;
    case 0x0F:
        op = WmfRasterOp::NotCopy;
        break;
    default:
        break;
    }
    if (!spendArea(area))
        return;
    QPainterPath path;
    path.addRect(area);
    syncRasterOp();
    syncClip();
    noteBounds(area);
    painter_.fillPath(path, brush, op);
}

// Draws the part of `image` in `source` (pixels, top row 0) onto `target` (frame units, possibly
// with negative extents, which mirror the image). A source reaching past the image is cut to
// it and what remains still fills the whole target, as the system plays such records.
void WmfParser::blit(const QImage& image, QRectF source, const QRectF& target, quint32 rop) {
    const quint8 code = ternaryOf(rop);
    if (!readsSource(code)) {
        ropFill(target, rop);
        return;
    }
    const bool mirrorX = (target.width() < 0) != (source.width() < 0);
    const bool mirrorY = (target.height() < 0) != (source.height() < 0);
    const QRectF visible = source.normalized().intersected(QRectF(image.rect()));
    const QRectF to = target.normalized().intersected(limitRect_);
    if (visible.isEmpty() || to.isEmpty())
        return;
    WmfImageDraw draw;
    draw.image = image;
    draw.source = visible;
    if (mirrorX || mirrorY) {
        draw.image = image.copy(visible.toAlignedRect()).mirrored(mirrorX, mirrorY);
        draw.source = QRectF(draw.image.rect());
    }
    draw.target = to;
    draw.op = imageOpOf(code);
    draw.smooth = dc_.stretchMode == halftone;
    if (!spendArea(to))
        return;
    syncRasterOp();
    syncClip();
    noteBounds(to);
    painter_.drawImage(draw);
}

void WmfParser::patBlt(WmfBytes p) {
    if (p.hasWords(6))
        ropFill(destination(p.word(5), p.word(4), p.word(3), p.word(2)), p.u32(0));
}

// BITBLT and STRETCHBLT carry a device-dependent bitmap, DIBBITBLT and DIBSTRETCHBLT a
// device-independent one; all four may carry none and then only fill. The source is a bitmap
// selected into a device context, so its rectangle counts from the top row.
void WmfParser::blitRecord(WmfBytes p, quint16 function) {
    using namespace WmfRecordType;
    const bool stretch = function == StretchBlt || function == DibStretchBlt;
    const bool withBitmap = hasBitmap(p, function);
    const int first = stretch ? 6 : 4;
    const int extra = withBitmap ? 0 : 1; // a reserved word before the destination
    if (!p.hasWords(first + extra + 4))
        return;
    const QRectF target = destination(p.word(first + extra + 3), p.word(first + extra + 2),
                                      p.word(first + extra + 1), p.word(first + extra));
    if (!withBitmap) {
        ropFill(target, p.u32(0));
        return;
    }
    const WmfBytes bitmap = p.from(2 * (first + 4));
    std::optional<QImage> image;
    if (function == BitBlt || function == StretchBlt) {
        image = WmfDib::decodeBitmap16(bitmap, dc_.textColor.rgb(), dc_.bkColor.rgb(), bitmaps_);
    } else if (auto dib = WmfDib::decode(bitmap, WmfDib::RgbColors, dc_.palette, bitmaps_)) {
        image = dib->image;
    }
    if (!image)
        return;
    const QRectF source = stretch ? QRectF(p.word(5), p.word(4), p.word(3), p.word(2))
                                  : QRectF(p.word(3), p.word(2), p.word(5), p.word(4));
    blit(*image, source, target, p.u32(0));
}

// STRETCHDIB and SETDIBTODEV count the source rectangle from the bottom row of a bottom-up
// bitmap.
void WmfParser::stretchDib(WmfBytes p) {
    if (!p.hasWords(11))
        return;
    const auto dib = WmfDib::decode(p.from(22), p.uword(2), dc_.palette, bitmaps_);
    if (!dib)
        return;
    const qreal h = p.word(3), w = p.word(4), y = p.word(5), x = p.word(6);
    const qreal top = dib->bottomUp ? dib->image.height() - y - h : y;
    blit(dib->image, QRectF(x, top, w, h), destination(p.word(10), p.word(9), p.word(8), p.word(7)),
         p.u32(0));
}

void WmfParser::setDibToDev(WmfBytes p) {
    if (!p.hasWords(9))
        return;
    const auto dib = WmfDib::decode(p.from(18), p.uword(0), dc_.palette, bitmaps_);
    if (!dib)
        return;
    const qint16 h = p.word(5), w = p.word(6), y = p.word(3), x = p.word(4);
    const qreal top = dib->bottomUp ? dib->image.height() - y - h : y;
    blit(dib->image, QRectF(x, top, w, h), destination(p.word(8), p.word(7), w, h), 0x00CC0020);
}
