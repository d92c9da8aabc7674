#include "platform/LargeText.h"
#include "platform/wmf/WmfQtPainter.h"
#include "platform/wmf/WmfText.h"

#include <QFontMetricsF>
#include <QPaintDevice>

// Text is laid out in device pixels: a font keeps its own proportions whatever the mapping
// does to the two axes, as the system's fonts do, and is stretched only when the metafile asks
// for a character width.

namespace {

// Text smaller than this cannot be read and larger text would only cost time.
constexpr qreal minTextPixels = 0.5;
constexpr qreal maxTextPixels = 8192;

qreal axisScale(const QTransform& t, qreal dx, qreal dy) {
    return QLineF(t.map(QPointF(0, 0)), t.map(QPointF(dx, dy))).length();
}

struct Layout {
    qreal width = 0; // device pixels along the baseline
    qreal left = 0;  // start of the text relative to the reference point
    qreal baseline = 0;
    qreal stretch = 1; // horizontal scale of the glyphs
};

Layout layoutOf(const WmfTextRun& run, const QFontMetricsF& metrics, qreal sx) {
    Layout layout;
    if (run.font.width > 0 && metrics.averageCharWidth() > 0)
        layout.stretch = run.font.width * sx / metrics.averageCharWidth();
    if (!run.advances.isEmpty()) {
        for (const QPointF& a : run.advances)
            layout.width += a.x() * sx;
    } else {
        layout.width = metrics.horizontalAdvance(run.text) * layout.stretch;
    }
    switch (run.align & WmfAlignHorizontalMask) {
    case WmfAlignRight:
        layout.left = -layout.width;
        break;
    case WmfAlignCenter:
        layout.left = -layout.width / 2;
        break;
    default:
        break;
    }
    switch (run.align & WmfAlignVerticalMask) {
    case WmfAlignBaseline:
        break;
    case WmfAlignBottom:
        layout.baseline = -metrics.descent();
        break;
    default:
        layout.baseline = metrics.ascent();
        break;
    }
    return layout;
}

} // namespace

void WmfQtPainter::drawText(const WmfTextRun& run) {
    const QTransform world = painter_->worldTransform();
    const qreal sx = axisScale(world, 1, 0);
    const qreal sy = axisScale(world, 0, 1);
    const qreal em = WmfText::emHeight(run.font) * sy;
    painter_->save();
    painter_->setCompositionMode(QPainter::CompositionMode_SourceOver);
    if (run.opaqueRect)
        painter_->fillRect(*run.opaqueRect, run.background);
    if (run.clipRect)
        painter_->setClipRect(*run.clipRect, Qt::IntersectClip);
    if (run.text.isEmpty() || em < minTextPixels || em > maxTextPixels) {
        painter_->restore();
        return;
    }
    const int dpi = painter_->device() ? painter_->device()->logicalDpiY() : 96;
    QFont font = WmfText::qtFont(run.font, em, dpi);
    if (run.advances.isEmpty() && run.charExtra != 0)
        font.setLetterSpacing(QFont::AbsoluteSpacing, run.charExtra * sx);
    const QFontMetricsF metrics(font, painter_->device());
    const Layout layout = layoutOf(run, metrics, sx);

    QTransform local;
    local.translate(world.map(run.reference).x(), world.map(run.reference).y());
    local.rotate(-run.font.escapement);
    painter_->setTransform(local);
    if (run.opaque && !run.opaqueRect)
        painter_->fillRect(QRectF(layout.left, layout.baseline - metrics.ascent(), layout.width,
                                  metrics.ascent() + metrics.descent()),
                           run.background);
    painter_->scale(layout.stretch, 1);
    painter_->setFont(font);
    painter_->setPen(run.color);
    const auto draw = [&](const QPointF& at, const QString& text) {
        if (!LargeText::draw(*painter_, at, font, text, run.color))
            painter_->drawText(at, text);
    };
    if (run.advances.isEmpty()) {
        draw(QPointF(layout.left / layout.stretch, layout.baseline), run.text);
    } else {
        QPointF at(layout.left, layout.baseline);
        for (qsizetype i = 0; i < run.text.size(); ++i) {
            draw(QPointF(at.x() / layout.stretch, at.y()), QString(run.text[i]));
            at += QPointF(run.advances[i].x() * sx, run.advances[i].y() * sy);
        }
    }
    painter_->restore();
}
