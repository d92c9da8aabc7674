#include "platform/wmf/WmfParser.h"

#include "platform/wmf/WmfLimits.h"
#include "platform/wmf/WmfRecordType.h"

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
    return parser.m_result;
}

WmfParser::WmfParser(WmfBytes file, WmfPainter& painter)
    : m_file(file), m_painter(painter), m_pointsLeft(WmfLimits::maxTotalPoints),
      m_textLeft(WmfLimits::maxTotalTextChars), m_regionWorkLeft(WmfLimits::maxRegionWork) {}

void WmfParser::stop(const QString& problem) {
    if (!m_stopped)
        m_result.problem = problem;
    m_stopped = true;
}

void WmfParser::run() {
    const auto header = WmfHeader::read(m_file);
    if (!header)
        return;
    m_result.valid = true;
    m_result.placeable = header->placeable;
    m_result.checksumMatches = header->checksumMatches;
    chooseFrame(*header);

    qsizetype offset = header->recordsOffset;
    while (!m_stopped) {
        if (!m_file.has(offset, recordHeaderBytes)) {
            m_result.complete = true; // the data ended without an end record
            break;
        }
        if (m_result.records >= WmfLimits::maxRecords) {
            stop(QStringLiteral("too many records"));
            break;
        }
        const quint32 words = m_file.u32(offset);
        const quint16 function = m_file.u16(offset + 4);
        if (words < 3) {
            stop(QStringLiteral("record size below three words"));
            break;
        }
        if (qint64(words) * 2 > m_file.size() - offset) {
            stop(QStringLiteral("record runs past the end of the file"));
            break;
        }
        ++m_result.records;
        if (function == WmfRecordType::Eof) {
            m_result.complete = true;
            break;
        }
        dispatch(function,
                 m_file.slice(offset + recordHeaderBytes, qint64(words) * 2 - recordHeaderBytes));
        offset += qint64(words) * 2;
    }
    flushLine();
    if (m_frameFromBounds)
        m_result.frame = m_bounds;
}

void WmfParser::chooseFrame(const WmfHeader& header) {
    QRectF frame;
    if (header.placeable && !header.bounds.isEmpty()) {
        frame = header.bounds;
        m_result.unitsPerInch = header.unitsPerInch > 0 ? header.unitsPerInch : 1440;
    } else if (const auto window = scanWindow(header.recordsOffset)) {
        frame = *window;
        m_result.unitsPerInch = guessUnitsPerInch(frame);
    } else {
        // Neither header nor window says how big the picture is: logical units are taken as
        // screen pixels and the picture is what gets drawn.
        m_frameFromBounds = true;
        m_result.unitsPerInch = 96;
    }
    m_result.frame = frame;
    m_unitsPerPixel = m_result.unitsPerInch / 96.0;
    if (m_frameFromBounds) {
        m_dc.mapping.reset(QRectF(0, 0, 1, 1));
        m_limitRect = QRectF(-1e7, -1e7, 2e7, 2e7);
        m_clipScale = 1;
    } else {
        m_dc.mapping.reset(frame);
        // Far outside the picture nothing can be seen; clamping there keeps painters from
        // working on absurd coordinates.
        m_limitRect = frame.adjusted(-16 * frame.width(), -16 * frame.height(), 16 * frame.width(),
                                     16 * frame.height());
        // About a million clip units across the frame: fine enough for any device, and the
        // limit rectangle still fits an int.
        m_clipScale = (1 << 20) / qMax(frame.width(), frame.height());
    }
}

// The first window a file sets, for files whose header gives no size.
std::optional<QRectF> WmfParser::scanWindow(qsizetype offset) const {
    std::optional<QPointF> origin;
    std::optional<QPointF> extent;
    for (int n = 0; n < WmfLimits::maxRecords && m_file.has(offset, recordHeaderBytes); ++n) {
        const quint32 words = m_file.u32(offset);
        const quint16 function = m_file.u16(offset + 4);
        if (words < 3 || qint64(words) * 2 > m_file.size() - offset ||
            function == WmfRecordType::Eof)
            break;
        const WmfBytes p = m_file.slice(offset + recordHeaderBytes, qint64(words) * 2 - 6);
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
            m_dc.mapping.windowOrg += QPointF(p.word(1), p.word(0));
        break;
    case OffsetViewportOrg:
        if (p.hasWords(2))
            m_dc.mapping.viewportOrg += QPointF(p.word(1), p.word(0));
        break;
    case ScaleWindowExt:
        scaleExt(p, m_dc.mapping.windowExt);
        break;
    case ScaleViewportExt:
        scaleExt(p, m_dc.mapping.viewportExt);
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
            m_dc.textColor = colorRef(p.u32(0));
        break;
    case SetBkColor:
        if (p.hasWords(2))
            m_dc.bkColor = colorRef(p.u32(0));
        break;
    case SetBkMode:
        if (p.hasWords(1))
            m_dc.bkOpaque = p.uword(0) == 2;
        break;
    case SetTextAlign:
        if (p.hasWords(1))
            m_dc.textAlign = p.uword(0);
        break;
    case SetPolyFillMode:
        if (p.hasWords(1))
            m_dc.fillRule = p.uword(0) == 2 ? Qt::WindingFill : Qt::OddEvenFill;
        break;
    case SetRop2:
        if (p.hasWords(1) && p.uword(0) >= 1 && p.uword(0) <= 16)
            m_dc.rop2 = p.uword(0);
        break;
    case SetStretchBltMode:
        if (p.hasWords(1))
            m_dc.stretchMode = p.uword(0);
        break;
    case SetTextCharExtra:
        if (p.hasWords(1))
            m_dc.charExtra = p.word(0);
        break;
    case MoveTo:
        if (p.hasWords(2))
            m_dc.position = QPointF(p.word(1), p.word(0));
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
            m_objects.remove(p.uword(0));
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
