#include "platform/wmf/WmfParser.h"

#include "platform/wmf/WmfLimits.h"
#include "platform/wmf/WmfRecordType.h"

#include <cmath>

namespace {

constexpr qsizetype recordHeaderBytes = 6;

// Files without a placeable header give no units; window extents under an inch's worth of
// twips are far likelier to be screen pixels than a picture a fraction of an inch wide.
int guessUnitsPerInch(const QRectF& window) {
    return qMax(window.width(), window.height()) < 1440 ? 96 : 1440;
}

} // namespace

WmfParseResult WmfParser::parse(const QByteArray& data, WmfPainter& painter) {
    if (data.size() > WmfLimits::maxFileBytes)
        return {};
    WmfParser parser(WmfBytes(reinterpret_cast<const uchar*>(data.constData()), data.size()),
                     painter);
    parser.run();
    return parser.result_;
}

WmfParser::WmfParser(WmfBytes file, WmfPainter& painter)
    : file_(file), painter_(painter), pointsLeft_(WmfLimits::maxTotalPoints),
      textLeft_(WmfLimits::maxTotalTextChars), regionWorkLeft_(WmfLimits::maxRegionWork) {}

void WmfParser::stop(const QString& problem) {
    if (!stopped_)
        result_.problem = problem;
    stopped_ = true;
}

void WmfParser::run() {
    const auto header = WmfHeader::read(file_);
    if (!header)
        return;
    result_.valid = true;
    result_.placeable = header->placeable;
    result_.checksumMatches = header->checksumMatches;
    chooseFrame(*header);

    qsizetype offset = header->recordsOffset;
    while (!stopped_) {
        if (!file_.has(offset, recordHeaderBytes)) {
            result_.complete = true; // the data ended without an end record
            break;
        }
        if (result_.records >= WmfLimits::maxRecords) {
            stop(QStringLiteral("too many records"));
            break;
        }
        const quint32 words = file_.u32(offset);
        const quint16 function = file_.u16(offset + 4);
        if (words < 3) {
            stop(QStringLiteral("record size below three words"));
            break;
        }
        if (qint64(words) * 2 > file_.size() - offset) {
            stop(QStringLiteral("record runs past the end of the file"));
            break;
        }
        ++result_.records;
        if (function == WmfRecordType::Eof) {
            result_.complete = true;
            break;
        }
        dispatch(function,
                 file_.slice(offset + recordHeaderBytes, qint64(words) * 2 - recordHeaderBytes));
        offset += qint64(words) * 2;
    }
    flushLine();
    if (frameFromBounds_)
        result_.frame = bounds_;
}

void WmfParser::chooseFrame(const WmfHeader& header) {
    QRectF frame;
    if (header.placeable && !header.bounds.isEmpty()) {
        frame = header.bounds;
        result_.unitsPerInch = header.unitsPerInch > 0 ? header.unitsPerInch : 1440;
    } else if (const auto window = scanWindow(header.recordsOffset)) {
        frame = *window;
        result_.unitsPerInch = guessUnitsPerInch(frame);
    } else {
        // Neither header nor window says how big the picture is: logical units are taken as
        // screen pixels and the picture is what gets drawn.
        frameFromBounds_ = true;
        result_.unitsPerInch = 96;
    }
    result_.frame = frame;
    unitsPerPixel_ = result_.unitsPerInch / 96.0;
    if (!frameFromBounds_ && !frame.isEmpty())
        result_.cost.referencePixelsPerUnit =
            std::sqrt(704.0 * 528 / (frame.width() * frame.height()));
    if (frameFromBounds_) {
        dc_.mapping.reset(QRectF(0, 0, 1, 1));
        limitRect_ = QRectF(-1e7, -1e7, 2e7, 2e7);
        clipScale_ = 1;
    } else {
        dc_.mapping.reset(frame);
        // Far outside the picture nothing can be seen; clamping there keeps painters from
        // working on absurd coordinates.
        limitRect_ = frame.adjusted(-16 * frame.width(), -16 * frame.height(), 16 * frame.width(),
                                    16 * frame.height());
        // About a million clip units across the frame: fine enough for any device, and the
        // limit rectangle still fits an int.
        clipScale_ = (1 << 20) / qMax(frame.width(), frame.height());
    }
}

// The first window a file sets, for files whose header gives no size.
std::optional<QRectF> WmfParser::scanWindow(qsizetype offset) const {
    std::optional<QPointF> origin;
    std::optional<QPointF> extent;
    for (int n = 0; n < WmfLimits::maxRecords && file_.has(offset, recordHeaderBytes); ++n) {
        const quint32 words = file_.u32(offset);
        const quint16 function = file_.u16(offset + 4);
        if (words < 3 || qint64(words) * 2 > file_.size() - offset ||
            function == WmfRecordType::Eof)
            break;
        const WmfBytes p = file_.slice(offset + recordHeaderBytes, qint64(words) * 2 - 6);
        if (p.hasWords(2)) {
            const QPointF value(p.word(1), p.word(0));
            if (function == WmfRecordType::SetWindowOrg && !origin)
                origin = value;
            if (function == WmfRecordType::SetWindowExt && !extent && value.x() != 0 &&
                value.y() != 0)
                extent = value;
        }
        if (origin && extent)
            break;
        offset += qint64(words) * 2;
    }
    if (!extent)
        return std::nullopt;
    const QPointF o = origin.value_or(QPointF());
    return QRectF(o, o + *extent).normalized();
}

void WmfParser::dispatch(quint16 function, WmfBytes params) {
    if (!dispatchState(function, params) && !dispatchObject(function, params))
        dispatchDrawing(function, params);
    // Anything else (escapes, palettes animation, flood fills) is skipped by its size.
}

bool WmfParser::dispatchState(quint16 function, WmfBytes p) {
    using namespace WmfRecordType;
    switch (function) {
    case SetWindowOrg:
        setWindowOrg(p);
        break;
    case SetWindowExt:
        setWindowExt(p);
        break;
    case SetViewportOrg:
        setViewportOrg(p);
        break;
    case SetViewportExt:
        setViewportExt(p);
        break;
    case OffsetWindowOrg:
        if (p.hasWords(2))
            dc_.mapping.windowOrg += QPointF(p.word(1), p.word(0));
        break;
    case OffsetViewportOrg:
        if (p.hasWords(2))
            dc_.mapping.viewportOrg += QPointF(p.word(1), p.word(0));
        break;
    case ScaleWindowExt:
        scaleExt(p, dc_.mapping.windowExt);
        break;
    case ScaleViewportExt:
        scaleExt(p, dc_.mapping.viewportExt);
        break;
    case SetMapMode:
        setMapMode(p);
        break;
    case SaveDc:
        saveDc();
        break;
    case RestoreDc:
        restoreDc(p);
        break;
    case IntersectClipRect:
        intersectClip(p);
        break;
    case ExcludeClipRect:
        excludeClip(p);
        break;
    case OffsetClipRgn:
        offsetClip(p);
        break;
    case SelectClipRegion:
        selectClipRegion(p);
        break;
    case SetTextColor:
        if (p.hasWords(2))
            dc_.textColor = colorRef(p.u32(0));
        break;
    case SetBkColor:
        if (p.hasWords(2))
            dc_.bkColor = colorRef(p.u32(0));
        break;
    case SetBkMode:
        if (p.hasWords(1))
            dc_.bkOpaque = p.uword(0) == 2;
        break;
    case SetTextAlign:
        if (p.hasWords(1))
            dc_.textAlign = p.uword(0);
        break;
    case SetPolyFillMode:
        if (p.hasWords(1))
            dc_.fillRule = p.uword(0) == 2 ? Qt::WindingFill : Qt::OddEvenFill;
        break;
    case SetRop2:
        if (p.hasWords(1) && p.uword(0) >= 1 && p.uword(0) <= 16)
            dc_.rop2 = p.uword(0);
        break;
    case SetStretchBltMode:
        if (p.hasWords(1))
            dc_.stretchMode = p.uword(0);
        break;
    case SetTextCharExtra:
        if (p.hasWords(1))
            dc_.charExtra = p.word(0);
        break;
    case MoveTo:
        if (p.hasWords(2))
            dc_.position = QPointF(p.word(1), p.word(0));
        break;
    default:
        return false;
    }
    return true;
}

bool WmfParser::dispatchObject(quint16 function, WmfBytes p) {
    using namespace WmfRecordType;
    switch (function) {
    case CreatePenIndirect:
        createPen(p);
        break;
    case CreateBrushIndirect:
        createBrush(p);
        break;
    case DibCreatePatternBrush:
        createDibPatternBrush(p);
        break;
    case CreatePatternBrush:
        createPatternBrush(p);
        break;
    case CreateFontIndirect:
        createFont(p);
        break;
    case CreatePalette:
        createPalette(p);
        break;
    case CreateRegion:
        createRegion(p);
        break;
    case CreateBrush:
    case CreateBitmap:
    case CreateBitmapIndirect:
        addObject(WmfPlaceholderObject{});
        break;
    case SelectObject:
        selectObject(p);
        break;
    case SelectPalette:
        selectPalette(p);
        break;
    case SetPalEntries:
        setPaletteEntries(p);
        break;
    case DeleteObject:
        if (p.hasWords(1))
            objects_.remove(p.uword(0));
        break;
    default:
        return false;
    }
    return true;
}

bool WmfParser::dispatchDrawing(quint16 function, WmfBytes p) {
    using namespace WmfRecordType;
    switch (function) {
    case LineTo:
        lineTo(p);
        break;
    case Polyline:
        polyline(p);
        break;
    case Polygon:
        polygon(p);
        break;
    case PolyPolygon:
        polyPolygon(p);
        break;
    case Rectangle:
        rectangle(p);
        break;
    case RoundRect:
        roundRect(p);
        break;
    case Ellipse:
        ellipse(p);
        break;
    case Arc:
        arc(p, WmfArcKind::Arc);
        break;
    case Pie:
        arc(p, WmfArcKind::Pie);
        break;
    case Chord:
        arc(p, WmfArcKind::Chord);
        break;
    case SetPixel:
        setPixel(p);
        break;
    case FillRegion:
    case PaintRegion:
    case FrameRegion:
    case InvertRegion:
        regionFill(p, function);
        break;
    case TextOut:
        textOut(p);
        break;
    case ExtTextOut:
        extTextOut(p);
        break;
    case PatBlt:
        patBlt(p);
        break;
    case BitBlt:
    case StretchBlt:
    case DibBitBlt:
    case DibStretchBlt:
        blitRecord(p, function);
        break;
    case StretchDib:
        stretchDib(p);
        break;
    case SetDibToDev:
        setDibToDev(p);
        break;
    default:
        return false;
    }
    return true;
}
