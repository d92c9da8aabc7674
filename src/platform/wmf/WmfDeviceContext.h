#pragma once

#include "platform/wmf/WmfTypes.h"

#include <QPainterPath>
#include <QRegion>

#include <array>
#include <optional>
#include <set>
#include <variant>
#include <vector>

// The playback state of a metafile as the format defines it, in the file's logical units:
// objects as created, the mapping from logical units to the frame, and the device context that
// SAVEDC and RESTOREDC copy.

struct WmfLogPen {
    enum Style : quint16 { Solid = 0, Dash, Dot, DashDot, DashDotDot, Null, InsideFrame };
    quint16 style = Solid; // with end cap and join flags
    qint16 width = 0;
    QColor color = Qt::black;
};

struct WmfLogBrush {
    WmfBrush::Style style = WmfBrush::Style::Solid;
    QColor color = Qt::white;
    WmfBrush::Hatch hatch = WmfBrush::Horizontal;
    QImage pattern;
};

struct WmfLogFont {
    qint16 height = 0;
    qint16 width = 0;
    qint16 escapement = 0;
    qint16 weight = 0;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    quint8 charset = 0;
    quint8 pitchAndFamily = 0;
    QString face;
};

struct WmfPaletteObject {
    QList<QRgb> colors;
};

struct WmfRegionObject {
    QRegion region; // logical units
    // The clip this region made when last selected, and the mapping it was made under:
    // selecting it again under the same mapping reuses it.
    mutable std::optional<std::pair<std::array<qreal, 6>, QRegion>> clip;
};

// The union of rectangles, swept a band at a time, so its size is known while it is built.
// A union that would pass `maxRects` rectangles keeps the bands made before that point. Each
// band costs `work` as many units as rectangles cross it; none is left gives no value.
std::optional<QRegion> wmfUnionOf(const QList<QRect>& rects, int maxRects, qint64& work);

// A slot taken by an object this reader does not draw with, so later indices stay right.
struct WmfPlaceholderObject {};

using WmfObject = std::variant<std::monostate, WmfLogPen, WmfLogBrush, WmfLogFont, WmfPaletteObject,
                               WmfRegionObject, WmfPlaceholderObject>;

// Objects live in numbered slots; a new object takes the lowest free slot, as the format's
// indices assume.
class WmfObjectTable {
public:
    // Index of the slot used, or -1 when every allowed slot is taken.
    int add(WmfObject object);
    const WmfObject* at(int index) const;
    void remove(int index);

private:
    std::vector<WmfObject> slots_;
    std::set<int> free_; // free slots below slots_.size()
};

class WmfMapping {
public:
    enum Mode : quint16 { Isotropic = 7, Anisotropic = 8 };

    // Window and viewport both start as the frame, so logical units start as frame units.
    void reset(const QRectF& frame);

    QPointF windowOrg;
    QPointF windowExt{1, 1};
    QPointF viewportOrg;
    QPointF viewportExt{1, 1};
    quint16 mode = Anisotropic;

    qreal scaleX() const;
    qreal scaleY() const;
    QPointF map(qreal x, qreal y) const;
    QRectF mapRect(qreal left, qreal top, qreal right, qreal bottom) const;
    // What decides where a point maps to: scales and origins.
    std::array<qreal, 6> key() const;
};

struct WmfDcState {
    WmfMapping mapping;
    WmfLogPen pen;
    WmfLogBrush brush;
    WmfLogFont font;
    QList<QRgb> palette;
    QColor textColor = Qt::black;
    QColor bkColor = Qt::white;
    bool bkOpaque = true;
    quint16 textAlign = 0;
    Qt::FillRule fillRule = Qt::OddEvenFill;
    int rop2 = 13; // R2_COPYPEN
    int stretchMode = 1;
    qint16 charExtra = 0;
    QPointF position;            // current position, logical units
    std::optional<QRegion> clip; // clip units (see WmfParser::toClipUnits)
    quint64 clipId = 0;          // changes whenever the clip does
};
