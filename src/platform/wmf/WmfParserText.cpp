#include "platform/wmf/WmfLimits.h"
#include "platform/wmf/WmfParser.h"
#include "platform/wmf/WmfText.h"

#include <QtMath>

// TEXTOUT and EXTTEXTOUT.

namespace {

// Font height in device pixels past which the painter stops caching glyphs.
constexpr qreal largestCachedGlyph = 64;
// Work of uncached glyphs, per frame covered by their cells.
constexpr double uncachedGlyphWork = 80;

enum TextOption : quint16 {
    Opaque = 0x0002,
    Clipped = 0x0004,
    GlyphIndex = 0x0010,
    PairedDx = 0x2000
};
constexpr quint16 updateCp = 0x0001;

qreal evenBytes(qsizetype n) {
    return qreal((n + 1) & ~qsizetype(1));
}

} // namespace

// A negative height is the em height, a positive one the height of the character cell; zero
// asks for a default size.
WmfFont WmfParser::frameFont() {
    const WmfLogFont& log = dc_.font;
    const qreal sx = qAbs(dc_.mapping.scaleX());
    const qreal sy = qAbs(dc_.mapping.scaleY());
    const qreal limit = qMax(limitRect_.width(), limitRect_.height()) / 8;
    WmfFont font;
    font.face = log.face;
    if (!faces_.contains(font.face)) {
        if (faces_.size() < WmfLimits::maxFontFaces)
            faces_.insert(font.face);
        else
            font.face.clear();
    }
    if (log.height == 0) {
        font.height = 12 * unitsPerPixel_;
        font.cellHeight = true;
    } else {
        font.height = qMin(qAbs(int(log.height)) * sy, limit);
        font.cellHeight = log.height > 0;
    }
    font.width = qMin(qAbs(int(log.width)) * sx, limit);
    font.weight = log.weight <= 0 ? 400 : qMin<int>(log.weight, 1000);
    font.italic = log.italic;
    font.underline = log.underline;
    font.strikeOut = log.strikeOut;
    font.charset = log.charset;
    font.pitchAndFamily = log.pitchAndFamily;
    font.escapement = log.escapement / 10.0;
    return font;
}

void WmfParser::textOut(WmfBytes p) {
    const qsizetype length = p.uword(0);
    const qsizetype at = 2 + qsizetype(evenBytes(length));
    if (!p.hasWords(1) || !p.has(at, 4))
        return;
    drawTextRun(p.slice(2, length), QPointF(p.i16(at + 2), p.i16(at)), {}, std::nullopt,
                std::nullopt);
}

void WmfParser::extTextOut(WmfBytes p) {
    if (!p.hasWords(4))
        return;
    const QPointF reference(p.word(1), p.word(0));
    const qsizetype length = p.uword(2);
    const quint16 options = p.uword(3);
    qsizetype at = 8;
    std::optional<QRectF> box;
    if (options & (Opaque | Clipped)) {
        if (!p.has(at, 8))
            return;
        box = QRectF(point(p.i16(at), p.i16(at + 2)), point(p.i16(at + 4), p.i16(at + 6)))
                  .normalized();
        at += 8;
    }
    if (!p.has(at, length) || (options & GlyphIndex))
        return;
    const WmfBytes text = p.slice(at, length);
    at += qsizetype(evenBytes(length));
    QList<QPointF> advances;
    const bool paired = options & PairedDx;
    if (length > 0 && p.has(at, length * (paired ? 4 : 2))) {
        advances.reserve(length);
        for (qsizetype i = 0; i < length; ++i) {
            if (paired)
                advances.append(QPointF(p.i16(at + 4 * i), p.i16(at + 4 * i + 2)));
            else
                advances.append(QPointF(p.i16(at + 2 * i), 0));
        }
    }
    drawTextRun(text, reference, advances, (options & Opaque) ? box : std::nullopt,
                (options & Clipped) ? box : std::nullopt);
}

void WmfParser::drawTextRun(WmfBytes bytes, QPointF logicalReference,
                            QList<QPointF> logicalAdvances, std::optional<QRectF> opaque,
                            std::optional<QRectF> clip) {
    const qreal sx = dc_.mapping.scaleX();
    const qreal sy = dc_.mapping.scaleY();
    WmfTextRun run;
    run.font = frameFont();
    run.text = WmfText::decode(bytes, run.font.charset, run.font.face);
    if (run.text.size() > textLeft_) {
        stop(QStringLiteral("too much text"));
        return;
    }
    textLeft_ -= run.text.size();
    const bool useCp = dc_.textAlign & updateCp;
    if (useCp)
        logicalReference = dc_.position;
    run.reference = point(logicalReference.x(), logicalReference.y());
    run.align = dc_.textAlign & (WmfAlignHorizontalMask | WmfAlignVerticalMask);
    run.charExtra = dc_.charExtra * qAbs(sx);
    run.color = dc_.textColor;
    run.opaque = dc_.bkOpaque;
    run.background = dc_.bkColor;
    run.opaqueRect = opaque;
    run.clipRect = clip;
    // Double-byte character sets decode to fewer characters than the array has entries. Vertical
    // displacements run up the font, whichever way the mapping turns the y axis.
    if (logicalAdvances.size() == run.text.size()) {
        run.advances.reserve(logicalAdvances.size());
        for (const QPointF& a : logicalAdvances)
            run.advances.append(QPointF(a.x() * qAbs(sx), -a.y() * qAbs(sy)));
    }
    const bool movesCp = useCp && (run.align & WmfAlignHorizontalMask) != WmfAlignCenter;
    if (movesCp || frameFromBounds_) {
        const QPointF extent = textExtent(run);
        if (movesCp)
            moveCurrentPosition(run, extent);
        noteTextBounds(run, extent.x());
    }
    // Glyphs are counted as squares of the font's height laid side by side.
    const qreal em = WmfText::emHeight(run.font);
    const QRectF cells(run.reference - QPointF(0, em), QSizeF(em * run.text.size(), 2 * em));
    // Glyphs too large for the painter's glyph cache are filled as outlines each time, at many
    // times the cost; painted large, every font gets there.
    if (const qreal pixels = em * result_.cost.referencePixelsPerUnit; pixels > 0)
        result_.cost.add(largestCachedGlyph / pixels, 0, uncachedGlyphWork * coverage(cells));
    if (!spendArea(cells, 8) || (run.opaqueRect && !spendArea(*run.opaqueRect)))
        return;
    syncRasterOp();
    syncClip();
    painter_.drawText(run);
}

// Length along the baseline and drift across it, in frame units.
QPointF WmfParser::textExtent(const WmfTextRun& run) const {
    QPointF extent;
    for (const QPointF& a : run.advances)
        extent += a;
    if (run.advances.isEmpty() && !run.text.isEmpty())
        extent.rx() = WmfText::advance(run.font, run.text) + run.charExtra * run.text.size();
    return extent;
}

// Text drawn from the current position leaves it at the far end: to the right of left-aligned
// text, to the left of right-aligned text, along the escapement.
void WmfParser::moveCurrentPosition(const WmfTextRun& run, QPointF extent) {
    const qreal angle = qDegreesToRadians(run.font.escapement);
    const bool right = (run.align & WmfAlignHorizontalMask) == WmfAlignRight;
    const qreal along = right ? -extent.x() : extent.x();
    const QPointF moved(along * std::cos(angle) + extent.y() * std::sin(angle),
                        -along * std::sin(angle) + extent.y() * std::cos(angle));
    dc_.position += QPointF(moved.x() / dc_.mapping.scaleX(), moved.y() / dc_.mapping.scaleY());
}

// Roughly where unrotated text lies, for pictures whose size is what they draw.
void WmfParser::noteTextBounds(const WmfTextRun& run, qreal width) {
    const qreal em = WmfText::emHeight(run.font);
    const quint16 horizontal = run.align & WmfAlignHorizontalMask;
    const qreal left = horizontal == WmfAlignRight    ? run.reference.x() - width
                       : horizontal == WmfAlignCenter ? run.reference.x() - width / 2
                                                      : run.reference.x();
    const quint16 vertical = run.align & WmfAlignVerticalMask;
    const qreal top = vertical == WmfAlignBottom     ? run.reference.y() - 1.2 * em
                      : vertical == WmfAlignBaseline ? run.reference.y() - em
                                                     : run.reference.y();
    noteBounds(QRectF(left, top, width, 1.2 * em));
    if (run.opaqueRect)
        noteBounds(*run.opaqueRect);
}
