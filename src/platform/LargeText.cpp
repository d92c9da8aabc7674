#include "platform/LargeText.h"

#include <QCache>
#include <QFont>
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

} // namespace

namespace LargeText {

bool draw(QPainter& painter, const QPointF& origin, const QFont& font, const QString& text,
          const QColor& colour) {
    const QPaintEngine* engine = painter.paintEngine();
    if (!engine || engine->type() != QPaintEngine::Raster || text.isEmpty() ||
        (font.styleStrategy() & QFont::NoAntialias) != 0)
        return false;
    // Only a painter that moves and scales both ways alike, the window's pixel ratio included.
    const QTransform device = painter.deviceTransform();
    if (device.type() > QTransform::TxScale || device.m11() <= 0 ||
        !qFuzzyCompare(device.m11(), device.m22()))
        return false;
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

    const qreal ratio = painter.device()->devicePixelRatioF();
    painter.save();
    painter.resetTransform();
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
            // Whole device pixels: a shift of under half a pixel does not show at this size.
            const QPointF at = device.map(baseline + positions[i]);
            const QPoint corner(qRound(at.x()) + glyph->offset.x(),
                                qRound(at.y()) + glyph->offset.y());
            painter.drawImage(QRectF(QPointF(corner) / ratio, QSizeF(glyph->image.size()) / ratio),
                              glyph->image);
        }
    }
    painter.restore();
    return true;
}

} // namespace LargeText
