#pragma once

#include <QColor>
#include <QImage>
#include <QList>
#include <QPointF>
#include <QRectF>
#include <QString>

#include <optional>

// What the metafile reader hands to a painter: drawing state already resolved from the
// metafile's object table and device context, geometry already mapped into picture ("frame")
// coordinates. The frame is the rectangle that is stretched onto the target when painting.

struct WmfPen {
    enum class Style : quint8 { Solid, Dash, Dot, DashDot, DashDotDot, Null };
    Style style = Style::Solid;
    qreal width = 0; // frame units; 0 is the thinnest line the device can draw
    QColor color = Qt::black;
    Qt::PenCapStyle cap = Qt::RoundCap;
    Qt::PenJoinStyle join = Qt::RoundJoin;

    bool operator==(const WmfPen&) const = default;
};

struct WmfBrush {
    enum class Style : quint8 { Solid, Null, Hatched, Pattern };
    enum Hatch : quint8 {
        Horizontal,
        Vertical,
        ForwardDiagonal,
        BackwardDiagonal,
        Cross,
        DiagCross
    };
    Style style = Style::Solid;
    QColor color = Qt::white;
    Hatch hatch = Horizontal;
    QImage pattern; // device-pixel tile for Style::Pattern

    bool operator==(const WmfBrush& o) const {
        return style == o.style && color == o.color && hatch == o.hatch &&
               pattern.cacheKey() == o.pattern.cacheKey();
    }
};

// How drawn pixels combine with those already there, reduced to what a painter can do.
enum class WmfRasterOp : quint8 {
    Copy,    // plain drawing
    Nop,     // nothing is drawn
    Black,   // drawn in black whatever the colour
    White,   // drawn in white whatever the colour
    Invert,  // the destination is inverted
    Xor,     // source xor destination
    And,     // source and destination
    Or,      // source or destination
    NotCopy, // inverted source
    NotXor   // not (source xor destination)
};

enum class WmfArcKind : quint8 { Arc, Pie, Chord };

struct WmfFont {
    QString face;
    qreal height = 0;        // frame units, always positive
    bool cellHeight = false; // height is ascent plus descent rather than the em height
    qreal width = 0;         // average character width in frame units; 0 keeps the natural width
    int weight = 400;        // 1..1000
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    quint8 charset = 0;
    quint8 pitchAndFamily = 0;
    qreal escapement = 0; // degrees, counter-clockwise on the target

    bool operator==(const WmfFont&) const = default;
};

// Horizontal and vertical placement of text against its reference point.
enum WmfTextAlign : quint16 {
    WmfAlignLeft = 0x0000,
    WmfAlignRight = 0x0002,
    WmfAlignCenter = 0x0006,
    WmfAlignTop = 0x0000,
    WmfAlignBottom = 0x0008,
    WmfAlignBaseline = 0x0018,
    WmfAlignHorizontalMask = 0x0006,
    WmfAlignVerticalMask = 0x0018,
};

struct WmfTextRun {
    QPointF reference; // frame coordinates
    QString text;
    QList<QPointF> advances; // per character, frame units along the baseline and down across it
    WmfFont font;
    quint16 align = 0;   // WmfTextAlign bits
    qreal charExtra = 0; // frame units added after each character when there are no advances
    QColor color = Qt::black;
    bool opaque = false; // fill the text cell with background
    QColor background = Qt::white;
    std::optional<QRectF> opaqueRect; // filled with background before the text
    std::optional<QRectF> clipRect;   // text is clipped to this
};

struct WmfImageDraw {
    QRectF target; // frame coordinates
    QImage image;
    QRectF source; // pixels of image
    WmfRasterOp op = WmfRasterOp::Copy;
    bool smooth = false;
};
