#include "platform/wmf/WmfLimits.h"
#include "platform/wmf/WmfParser.h"
#include "platform/wmf/WmfRecordType.h"

#include <QtMath>

#include <array>

// Lines and shapes, and the drawing state they carry to the painter.

namespace {

// Ellipses, arcs and rounded corners are flattened into many edges first: small ones cost about
// four times a rectangle on screen.
constexpr double workPerCurve = 3.0 / 100;

WmfPen::Style penStyleOf(quint16 style) {
    switch (style & 0x0F) {
    case 1:
        return WmfPen::Style::Dash;
    case 2:
        return WmfPen::Style::Dot;
    case 3:
        return WmfPen::Style::DashDot;
    case 4:
        return WmfPen::Style::DashDotDot;
    case 5:
        return WmfPen::Style::Null;
    case 8:
        return WmfPen::Style::Dot; // alternate pixels
    default:
        return WmfPen::Style::Solid;
    }
}

WmfRasterOp rasterOpOf(int rop2) {
    switch (rop2) {
    case 1:
        return WmfRasterOp::Black;
    case 4:
        return WmfRasterOp::NotCopy; // not pen
    case 6:
        return WmfRasterOp::Invert; // not destination
    case 7:
        return WmfRasterOp::Xor;
    case 9:
        return WmfRasterOp::And;
    case 10:
        return WmfRasterOp::NotXor;
    case 11:
        return WmfRasterOp::Nop;
    case 15:
        return WmfRasterOp::Or;
    case 16:
        return WmfRasterOp::White;
    default:
        return WmfRasterOp::Copy;
    }
}

// Parametric angle, in degrees, of where the ray from the centre through `p` meets the ellipse.
qreal ellipseAngle(const QRectF& r, const QPointF& p) {
    const qreal dx = (p.x() - r.center().x()) / qMax(r.width() / 2, 1e-9);
    const qreal dy = (r.center().y() - p.y()) / qMax(r.height() / 2, 1e-9);
    return (dx == 0 && dy == 0) ? 0 : qRadiansToDegrees(std::atan2(dy, dx));
}

} // namespace

WmfBrush WmfParser::frameBrush(const WmfLogBrush& b) const {
    WmfBrush brush;
    brush.style = b.style;
    brush.color = b.color;
    brush.hatch = b.hatch;
    brush.pattern = b.pattern;
    return brush;
}

WmfPen WmfParser::framePen() const {
    WmfPen pen;
    pen.style = penStyleOf(dc_.pen.style);
    // Qt refuses pens wider than 32767; nothing that wide is drawn on purpose anyway.
    const qreal limit = qMin(qMax(limitRect_.width(), limitRect_.height()) / 8, 32767.0);
    pen.width = qMin(qAbs(dc_.pen.width * dc_.mapping.scaleX()), limit);
    pen.color = dc_.pen.color;
    switch (dc_.pen.style & 0x0F00) {
    case 0x0100:
        pen.cap = Qt::SquareCap;
        break;
    case 0x0200:
        pen.cap = Qt::FlatCap;
        break;
    default:
        pen.cap = Qt::RoundCap;
        break;
    }
    switch (dc_.pen.style & 0xF000) {
    case 0x1000:
        pen.join = Qt::BevelJoin;
        break;
    case 0x2000:
        pen.join = Qt::MiterJoin;
        break;
    default:
        pen.join = Qt::RoundJoin;
        break;
    }
    return pen;
}

void WmfParser::flushLine() {
    if (pendingLine_.size() < 2)
        return;
    const QPolygonF line = std::exchange(pendingLine_, {});
    painter_.drawPolyline(line);
}

void WmfParser::syncRasterOp() {
    flushLine();
    const WmfRasterOp op = rasterOpOf(dc_.rop2);
    if (rop_ != op)
        painter_.setRasterOp(*(rop_ = op));
}

void WmfParser::syncBackground() {
    flushLine();
    const std::pair<bool, QColor> background{dc_.bkOpaque, dc_.bkColor};
    if (background_ != background)
        painter_.setBackground((background_ = background)->first, background.second);
}

void WmfParser::syncLineState() {
    syncRasterOp();
    syncClip();
    syncBackground();
    const WmfPen pen = framePen();
    if (pen_ != pen)
        painter_.setPen(*(pen_ = pen));
}

void WmfParser::syncFillState() {
    syncLineState();
    const WmfBrush brush = frameBrush(dc_.brush);
    if (brush_ != brush)
        painter_.setBrush(*(brush_ = brush));
}

// Logical coordinates are 16-bit in records, but the current position can drift past that range
// as text moves it; both are mapped as reals and kept inside the limit rectangle.
QPointF WmfParser::point(qreal x, qreal y) const {
    const QPointF p = dc_.mapping.map(x, y);
    return {qBound(limitRect_.left(), p.x(), limitRect_.right()),
            qBound(limitRect_.top(), p.y(), limitRect_.bottom())};
}

// Rectangles are stored bottom, right, top, left.
QRectF WmfParser::rect(WmfBytes p, int firstWord) {
    return QRectF(point(p.word(firstWord + 3), p.word(firstWord + 2)),
                  point(p.word(firstWord + 1), p.word(firstWord)))
        .normalized();
}

// A pen drawn inside the frame keeps a shape's outline within its rectangle.
QRectF WmfParser::shapeRect(WmfBytes p, int firstWord) {
    QRectF r = rect(p, firstWord);
    if ((dc_.pen.style & 0x0F) == WmfLogPen::InsideFrame) {
        const qreal half = qMin(framePen().width / 2, qMin(r.width(), r.height()) / 2);
        r.adjust(half, half, -half, -half);
    }
    return r;
}

bool WmfParser::takePoints(qint64 count) {
    if (count < 0 || count > pointsLeft_) {
        stop(QStringLiteral("too many points"));
        return false;
    }
    pointsLeft_ -= count;
    return true;
}

bool WmfParser::readPoints(WmfBytes p, qsizetype offset, int count, QPolygonF& out) {
    if (count <= 0 || !p.has(offset, qsizetype(count) * 4) || !takePoints(count))
        return false;
    out.reserve(out.size() + count);
    for (int i = 0; i < count; ++i)
        out.append(point(p.i16(offset + 4 * i), p.i16(offset + 4 * i + 2)));
    return true;
}

void WmfParser::noteBounds(const QRectF& r) {
    if (frameFromBounds_)
        bounds_ = bounds_.isNull() ? r : bounds_.united(r);
}

// Consecutive LINETOs become one polyline, which draws the same and much faster.
void WmfParser::lineTo(WmfBytes p) {
    if (!p.hasWords(2) || !takePoints(1))
        return;
    const QPointF from = point(dc_.position.x(), dc_.position.y());
    dc_.position = QPointF(p.word(1), p.word(0));
    const QPointF to = point(p.word(1), p.word(0));
    if (!spendEdges({QPolygonF({from, to})}, false))
        return;
    noteBounds(QRectF(from, to).normalized());
    const bool continues = !pendingLine_.isEmpty() && pendingLine_.last() == from &&
                           pen_ == framePen() && rop_ == WmfRasterOp::Copy &&
                           rop_ == rasterOpOf(dc_.rop2) && sentClipId_ == dc_.clipId &&
                           background_ == std::pair(dc_.bkOpaque, dc_.bkColor);
    if (!continues) {
        syncLineState();
        pendingLine_ = {from};
    }
    pendingLine_.append(to);
}

void WmfParser::polyline(WmfBytes p) {
    QPolygonF points;
    if (!p.hasWords(1) || p.uword(0) < 2 || !readPoints(p, 2, p.uword(0), points) ||
        !spendEdges({points}, false))
        return;
    syncLineState();
    noteBounds(points.boundingRect());
    painter_.drawPolyline(points);
}

void WmfParser::polygon(WmfBytes p) {
    QPolygonF points;
    if (!p.hasWords(1) || p.uword(0) < 2 || !readPoints(p, 2, p.uword(0), points) ||
        !spendEdges({points}, true))
        return;
    syncFillState();
    noteBounds(points.boundingRect());
    painter_.drawPolygon(points, dc_.fillRule);
}

void WmfParser::polyPolygon(WmfBytes p) {
    const int count = p.uword(0);
    if (count == 0 || !p.hasWords(1 + count))
        return;
    QList<QPolygonF> polygons;
    qsizetype offset = 2 + qsizetype(count) * 2;
    for (int i = 0; i < count; ++i) {
        const int n = p.uword(1 + i);
        QPolygonF polygon;
        if (!readPoints(p, offset, n, polygon))
            return;
        offset += qsizetype(n) * 4;
        noteBounds(polygon.boundingRect());
        polygons.append(polygon);
    }
    if (!spendEdges(polygons, true))
        return;
    syncFillState();
    painter_.drawPolyPolygon(polygons, dc_.fillRule);
}

void WmfParser::rectangle(WmfBytes p) {
    if (!p.hasWords(4))
        return;
    const QRectF r = shapeRect(p, 0);
    if (!spendArea(r))
        return;
    syncFillState();
    noteBounds(r);
    painter_.drawRect(r);
}

void WmfParser::roundRect(WmfBytes p) {
    if (!p.hasWords(6))
        return;
    const QRectF r = shapeRect(p, 2);
    if (!spendArea(r, 4, workPerCurve))
        return;
    const QSizeF radii(qMin(qAbs(p.word(1) * dc_.mapping.scaleX()) / 2, r.width() / 2),
                       qMin(qAbs(p.word(0) * dc_.mapping.scaleY()) / 2, r.height() / 2));
    syncFillState();
    noteBounds(r);
    painter_.drawRoundRect(r, radii);
}

void WmfParser::ellipse(WmfBytes p) {
    if (!p.hasWords(4))
        return;
    const QRectF r = shapeRect(p, 0);
    if (!spendArea(r, 4, workPerCurve))
        return;
    syncFillState();
    noteBounds(r);
    painter_.drawEllipse(r);
}

// Arcs run counter-clockwise on the device from the start radial to the end radial; equal
// radials make a whole ellipse.
void WmfParser::arc(WmfBytes p, WmfArcKind kind) {
    if (!p.hasWords(8))
        return;
    const QRectF r = shapeRect(p, 4);
    const qreal start = ellipseAngle(r, point(p.word(3), p.word(2)));
    const qreal end = ellipseAngle(r, point(p.word(1), p.word(0)));
    qreal span = std::fmod(end - start + 720, 360);
    if (qFuzzyIsNull(span))
        span = 360;
    if (!spendArea(r, 4, workPerCurve))
        return;
    if (kind == WmfArcKind::Arc)
        syncLineState();
    else
        syncFillState();
    noteBounds(r);
    painter_.drawArc(kind, r, start, span);
}

void WmfParser::setPixel(WmfBytes p) {
    if (!p.hasWords(4))
        return;
    const QPointF at = point(p.word(3), p.word(2));
    if (!spend(0))
        return;
    syncRasterOp();
    syncClip();
    noteBounds(QRectF(at, QSizeF(0, 0)));
    painter_.drawPoint(at, colorRef(p.u32(0)));
}

QPainterPath WmfParser::regionPath(const QRegion& region) const {
    QPainterPath area;
    for (const QRect& r : region) {
        area.addRect(QRectF(dc_.mapping.map(r.left(), r.top()),
                            dc_.mapping.map(r.right() + 1, r.bottom() + 1))
                         .normalized()
                         .intersected(limitRect_));
    }
    return area;
}

// FILLREGION and FRAMEREGION name their brush; PAINTREGION uses the selected one.
void WmfParser::regionFill(WmfBytes p, quint16 function) {
    using namespace WmfRecordType;
    const WmfObject* object = objects_.at(p.hasWords(1) ? p.uword(0) : -1);
    const auto* region = object ? std::get_if<WmfRegionObject>(object) : nullptr;
    if (!region)
        return;
    WmfLogBrush brush = dc_.brush;
    if (function == FillRegion || function == FrameRegion) {
        const WmfObject* b = objects_.at(p.hasWords(2) ? p.uword(1) : -1);
        const auto* named = b ? std::get_if<WmfLogBrush>(b) : nullptr;
        if (!named)
            return;
        brush = *named;
    }
    QRegion area = region->region;
    if (function == FrameRegion) {
        if (!p.hasWords(4))
            return;
        const int h = qAbs(int(p.word(2))), w = qAbs(int(p.word(3)));
        const QRegion inner = area.intersected(area.translated(w, 0))
                                  .intersected(area.translated(-w, 0))
                                  .intersected(area.translated(0, h))
                                  .intersected(area.translated(0, -h));
        area = area.subtracted(inner);
    }
    if (!takePoints(qint64(area.rectCount()) * 8))
        return;
    const QPainterPath path = regionPath(area);
    if (!spendArea(path.boundingRect()))
        return;
    syncRasterOp();
    syncClip();
    noteBounds(path.boundingRect());
    painter_.fillPath(path, frameBrush(brush),
                      function == InvertRegion ? WmfRasterOp::Invert : WmfRasterOp::Copy);
}

// Drawing work. Painting costs about the area a shape covers times the edges that cross each of
// its scan lines, squared; the work of a shape is counted in shapes covering the whole frame with
// two edges a line, which is what a filled rectangle costs. Painted larger, that grows with the
// square of the size; a pen that widens past a hairline adds a stroked outline, which costs like
// a fill of twice the edges plus a part for its length.

namespace {

// Each call costs at least this, however small what it draws.
constexpr double workPerCall = 1.0 / 100;
// Scan lines sampled over the frame's height to count the edges that cross them.
constexpr int sampledLines = 32;
// Device pixels at which a pen stops being drawn as a hairline (see WmfQtPainter::penIsThin).
constexpr qreal hairline = 1.5;
// A stroked outline's length costs one unit every this many pixels of it at the viewer's size.
constexpr qreal strokePixelsPerUnit = 40;
// Outlines that cross scan lines cost, stroked, this many times their fill.
constexpr double strokePerFill = 4;
// The limit at the viewer's size was set by measuring pages counted without strokes (pens that
// wide there cost little more than hairlines), so they count only beyond it.
constexpr qreal beyondViewer = 1.0001;
// Cells of the rasterizer visited (see levelWork) for one unit: a 12 KB polygon of 3,000 level
// edges in a band 15 pixels high visits 740 million and took 0.76 s on screen, about 18,500 units.
constexpr double cellVisitsPerUnit = 40'000;
// Pixel rows of the frame at the viewer's size counted one by one, at most.
constexpr int maxRows = 2048;

} // namespace

qreal WmfParser::coverage(const QRectF& r) const {
    // Pictures sized by what they draw have no frame yet: their units are screen pixels.
    const QRectF frame = frameFromBounds_ ? QRectF(0, 0, 704, 528) : result_.frame;
    const QRectF inside = r.normalized().intersected(frame);
    if (inside.isEmpty() || frame.isEmpty())
        return 0;
    return inside.width() * inside.height() / (frame.width() * frame.height());
}

bool WmfParser::spend(double work) {
    result_.cost.addFixed(workPerCall);
    result_.cost.add(0, 0, work);
    result_.work = result_.cost.at(1);
    if (result_.work <= WmfLimits::maxDrawingWork)
        return true;
    result_.tooCostly = true;
    stop(QStringLiteral("too much drawing"));
    return false;
}

// Outlines of `length` frame units whose fill costs `fill`; they cost only once painted large
// enough that the pen is no longer a hairline.
void WmfParser::chargeStroke(qreal length, double fill) {
    if ((dc_.pen.style & 0x0F) == WmfLogPen::Null)
        return;
    const qreal pixels = result_.cost.referencePixelsPerUnit;
    const qreal width = framePen().width * pixels;
    if (width <= 0)
        return;
    result_.cost.add(qMax(beyondViewer, hairline / width), length * pixels / strokePixelsPerUnit,
                     strokePerFill * fill);
}

bool WmfParser::spendArea(const QRectF& r, qreal perCoverage, double perCall) {
    const qreal pen = (dc_.pen.style & 0x0F) == WmfLogPen::Null ? 0 : framePen().width / 2;
    const QRectF box = r.normalized().adjusted(-pen, -pen, pen, pen);
    chargeStroke(2 * (box.width() + box.height()), 0);
    return spend(perCall + perCoverage * coverage(box));
}

// Qt's rasterizer keeps the cells an outline touches on each pixel row in a list sorted along the
// row, and walks it for every cell it adds. An edge touches a cell for each pixel it runs across
// a row, so level edges touch hundreds on one row, where steep ones touch one: a polygon of many
// long level edges crossing few scan lines costs about (cells added to a row) times (cells in
// it) on each row. Counted row by row at the viewer's size, in units.
double WmfParser::levelWork(const QList<QPolygonF>& polygons, const QRectF& frame,
                            const QRectF& box) {
    const qreal pixels = result_.cost.referencePixelsPerUnit;
    const int rows = qBound(1, int(std::ceil(frame.height() * pixels)), maxRows);
    const qreal rowsPerUnit = rows / frame.height();
    const qreal widthPixels = frame.width() * pixels;
    const auto row = [&](qreal y) {
        return qBound(-1.0, std::floor((y - frame.top()) * rowsPerUnit), qreal(rows));
    };
    const int first = int(qMax(0.0, row(box.top()))),
              last = int(qMin(rows - 1.0, row(box.bottom())));
    if (first > last)
        return 0;
    // Cells added to each row, as differences from the row above.
    rowCells_.assign(size_t(last - first + 2), 0);
    const auto edge = [&](QPointF a, QPointF b) {
        const qreal top = row(qMin(a.y(), b.y())), bottom = row(qMax(a.y(), b.y()));
        // A truly level edge adds no coverage, so the rasterizer passes over it at once.
        if (a.y() == b.y() || bottom < first || top > last)
            return;
        const qreal across = qMin(qAbs(b.x() - a.x()) * pixels, widthPixels);
        const double perRow = across / qMax(1.0, bottom - top) + 1;
        rowCells_[size_t(qMax(qreal(first), top)) - first] += perRow;
        rowCells_[size_t(qMin(qreal(last), bottom)) - first + 1] -= perRow;
    };
    for (const QPolygonF& polygon : polygons) {
        for (qsizetype i = 1; i < polygon.size(); ++i)
            edge(polygon[i - 1], polygon[i]);
        if (polygon.size() > 2)
            edge(polygon.last(), polygon.first());
    }
    double added = 0, visits = 0;
    for (int r = first; r <= last; ++r) {
        added += rowCells_[size_t(r - first)];
        visits += added * qMin(added, widthPixels) / 2;
    }
    return visits / cellVisitsPerUnit;
}

bool WmfParser::spendEdges(const QList<QPolygonF>& polygons, bool closed) {
    const QRectF frame = frameFromBounds_ ? QRectF(0, 0, 704, 528) : result_.frame;
    if (frame.isEmpty())
        return spend(0);
    const qreal pen = (dc_.pen.style & 0x0F) == WmfLogPen::Null ? 0 : framePen().width / 2;
    std::array<int, sampledLines + 1> crossing{};
    QRectF box;
    qreal length = 0;
    const auto edge = [&](QPointF a, QPointF b) {
        length += QLineF(a, b).length();
        const qreal top = (qMin(a.y(), b.y()) - pen - frame.top()) / frame.height();
        const qreal bottom = (qMax(a.y(), b.y()) + pen - frame.top()) / frame.height();
        const int first = qBound(0, int(std::ceil(top * sampledLines)), sampledLines);
        const int last = qBound(-1, int(std::floor(bottom * sampledLines)), sampledLines - 1);
        if (first <= last) {
            ++crossing[first];
            --crossing[last + 1];
        }
    };
    for (const QPolygonF& polygon : polygons) {
        box = box.united(polygon.boundingRect());
        for (qsizetype i = 1; i < polygon.size(); ++i)
            edge(polygon[i - 1], polygon[i]);
        if (closed && polygon.size() > 2)
            edge(polygon.last(), polygon.first());
    }
    double squares = 0;
    int edges = 0;
    for (int line = 0; line < sampledLines; ++line) {
        edges += crossing[line];
        squares += double(edges) * edges;
    }
    const double level = closed ? levelWork(polygons, frame, box) : 0;
    box.adjust(-pen, -pen, pen, pen);
    const QRectF inside = box.intersected(frame);
    const qreal width = inside.isEmpty() ? 0 : inside.width() / frame.width();
    chargeStroke(length, width * squares / sampledLines + level);
    return spend(width * squares / sampledLines + level);
}
