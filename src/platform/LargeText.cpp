#include "platform/LargeText.h"

#include <QCache>
#include <QFont>
#include <QFontInfo>
#include <QGlyphRun>
#include <QImage>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QRawFont>
#include <QTextLayout>
#include <cmath>

namespace {

// Qt's own glyph cache takes glyphs up to this many device pixels.
constexpr qreal qtCachedGlyphPixels = 64;
// Larger glyphs than this are left to Qt, which fills only the part inside the clip: a
// picture of each would cost more than it saves (a heading at 3.6 times is about 170 pixels).
constexpr qreal largestKeptGlyphPixels = 384;
// Pictures of glyphs kept, in kilobytes: a page's letters at 3.6 times take about 2 MB.
constexpr int keptKb = 8 * 1024;

struct Glyph {
    QImage image;
    QPoint offset; // of the picture's top-left corner from the glyph's origin on the baseline
};

QCache<QString, Glyph>& keptGlyphs() {
    static QCache<QString, Glyph> glyphs(keptKb);
    return glyphs;
}

const Glyph* glyphOf(const QRawFont& font, quint32 index, const QColor& colour) {
    const QString key = QStringLiteral("%1|%2|%3|%4|%5|%6")
                            .arg(font.familyName(), font.styleName())
                            .arg(font.pixelSize())
                            .arg(index)
                            .arg(colour.rgba())
                            .arg(int(font.weight()));
    if (const Glyph* kept = keptGlyphs().object(key))
        return kept;
    const QPainterPath outline = font.pathForGlyph(index);
    const QRect box = outline.boundingRect().toAlignedRect().adjusted(-1, -1, 1, 1);
    auto glyph = std::make_unique<Glyph>();
    glyph->offset = box.topLeft();
    if (!outline.isEmpty()) {
        glyph->image = QImage(box.size(), QImage::Format_ARGB32_Premultiplied);
        glyph->image.fill(Qt::transparent);
        QPainter painter(&glyph->image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.translate(-box.topLeft());
        painter.fillPath(outline, colour);
    }
    const int costKb = int(glyph->image.sizeInBytes() / 1024) + 1;
    keptGlyphs().insert(key, glyph.release(), costKb);
    return keptGlyphs().object(key);
}

// Whether text in `font` is too large for Qt's glyph cache on this painter and small enough
// to keep, on a device that takes pictures of it.
bool suits(const QPainter& painter, const QFont& font) {
    const QPaintEngine* engine = painter.paintEngine();
    if (!engine || engine->type() != QPaintEngine::Raster ||
        (font.styleStrategy() & QFont::NoAntialias) != 0)
        return false;
    // Only a painter that moves and scales both ways alike, the window's pixel ratio included.
    const QTransform device = painter.deviceTransform();
    if (device.type() > QTransform::TxScale || device.m11() <= 0 ||
        !qFuzzyCompare(device.m11(), device.m22()))
        return false;
    // The controls' fonts are sized in pixels; asking the font database is for the others.
    const int size = font.pixelSize() > 0 ? font.pixelSize() : QFontInfo(font).pixelSize();
    const qreal pixels = size * device.m11();
    return pixels > qtCachedGlyphPixels && pixels <= largestKeptGlyphPixels;
}

// Where Qt's own text setting puts each piece of a text, caught by painting it onto a device
// that draws nothing and keeps the pieces.
class TextPieces : public QPaintEngine {
public:
    struct Piece {
        QPointF origin;
        QFont font;
        QString text;
    };
    std::vector<Piece> pieces;

    TextPieces() : QPaintEngine(QPaintEngine::AllFeatures) {}
    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState&) override {}
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
    void drawTextItem(const QPointF& origin, const QTextItem& item) override {
        pieces.push_back({origin, item.font(), item.text()});
    }
    Type type() const override { return QPaintEngine::User; }
};

// A device with the measures of another, whose painting only keeps the text's pieces.
class TextPiecesDevice : public QPaintDevice {
public:
    explicit TextPiecesDevice(const QPaintDevice& like) : like_(like) {}
    QPaintEngine* paintEngine() const override { return &pieces; }
    mutable TextPieces pieces;

protected:
    int metric(PaintDeviceMetric metric) const override {
        switch (metric) {
        case PdmWidth:
            return like_.width();
        case PdmHeight:
            return like_.height();
        case PdmWidthMM:
            return like_.widthMM();
        case PdmHeightMM:
            return like_.heightMM();
        case PdmNumColors:
            return like_.colorCount();
        case PdmDepth:
            return like_.depth();
        case PdmDpiX:
            return like_.logicalDpiX();
        case PdmDpiY:
            return like_.logicalDpiY();
        case PdmPhysicalDpiX:
            return like_.physicalDpiX();
        case PdmPhysicalDpiY:
            return like_.physicalDpiY();
        case PdmDevicePixelRatio:
            return qRound(like_.devicePixelRatio());
        case PdmDevicePixelRatioScaled:
            return qRound(like_.devicePixelRatioF() * devicePixelRatioFScale());
        }
        return 0;
    }

private:
    const QPaintDevice& like_;
};

} // namespace

namespace LargeText {

bool drawInBox(QPainter& painter, const QRectF& box, int flags, const QString& text) {
    // Every caption comes this way, so what turns most of them away at 1x is asked first.
    if (text.isEmpty() || !painter.device() || !suits(painter, painter.font()) ||
        text.isRightToLeft())
        return false;
    TextPiecesDevice device(*painter.device());
    {
        QPainter setter(&device);
        setter.setFont(painter.font());
        setter.drawText(box, flags, text);
    }
    const QColor colour = painter.pen().color();
    for (const TextPieces::Piece& piece : device.pieces.pieces) {
        if (!draw(painter, piece.origin, piece.font, piece.text, colour)) {
            painter.save();
            painter.setFont(piece.font);
            painter.drawText(piece.origin, piece.text);
            painter.restore();
        }
    }
    return true;
}

bool draw(QPainter& painter, const QPointF& origin, const QFont& font, const QString& text,
          const QColor& colour) {
    if (text.isEmpty() || !suits(painter, font))
        return false;
    const QTransform device = painter.deviceTransform();
    const qreal scale = device.m11();

    QTextLayout layout(text, font, painter.device());
    layout.beginLayout();
    QTextLine line = layout.createLine();
    if (!line.isValid()) {
        layout.endLayout();
        return false;
    }
    line.setPosition(QPointF(0, 0));
    layout.endLayout();
    const QList<QGlyphRun> runs = layout.glyphRuns();
    for (const QGlyphRun& run : runs) {
        const qreal pixels = run.rawFont().pixelSize() * scale;
        if (pixels <= qtCachedGlyphPixels || pixels > largestKeptGlyphPixels)
            return false;
    }

    // Glyphs are placed in whole device pixels and drawn one to one. The device transform
    // also holds where a child window stands in the window it is painted into, which stays
    // in force after the painter's own transform is reset.
    painter.save();
    painter.resetTransform();
    const QTransform fromDevice = painter.deviceTransform().inverted();
    const QPointF baseline = origin - QPointF(0, line.ascent());
    for (const QGlyphRun& run : runs) {
        QRawFont deviceFont = run.rawFont();
        deviceFont.setPixelSize(deviceFont.pixelSize() * scale);
        const QList<quint32> indexes = run.glyphIndexes();
        const QList<QPointF> positions = run.positions();
        for (qsizetype i = 0; i < indexes.size(); ++i) {
            const Glyph* glyph = glyphOf(deviceFont, indexes[i], colour);
            if (!glyph || glyph->image.isNull())
                continue;
            // A shift of under half a pixel does not show at this size.
            const QPointF at = device.map(baseline + positions[i]);
            const QPoint corner(qRound(at.x()) + glyph->offset.x(),
                                qRound(at.y()) + glyph->offset.y());
            painter.drawImage(fromDevice.mapRect(QRectF(corner, glyph->image.size())),
                              glyph->image);
        }
    }
    painter.restore();
    return true;
}

} // namespace LargeText
