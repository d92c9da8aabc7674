#include "platform/wmf/WmfText.h"

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QHash>
#include <QMutex>

namespace {

// Fonts are measured at this em size and scaled, so results do not depend on hinting.
constexpr int referencePixels = 256;

// Without a GUI application there are no fonts; text is then measured by a rough average.
bool fontsAvailable() {
    return qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr;
}

QFont::StyleHint styleHintFor(quint8 pitchAndFamily) {
    if ((pitchAndFamily & 0x03) == 1)
        return QFont::Monospace;
    switch (pitchAndFamily & 0xF0) {
    case 0x10:
        return QFont::Serif;
    case 0x20:
        return QFont::SansSerif;
    case 0x30:
        return QFont::Monospace;
    case 0x40:
        return QFont::Cursive;
    case 0x50:
        return QFont::Decorative;
    default:
        return QFont::AnyStyle;
    }
}

QFont referenceFont(const WmfFont& font) {
    return WmfText::qtFont(font, referencePixels, 0);
}

struct Proportions {
    qreal emPerCell = 1 / 1.15;
    qreal averageWidth = 0.5; // per em
};

Proportions proportionsOf(const WmfFont& font) {
    if (!fontsAvailable())
        return {};
    static QMutex mutex;
    static QHash<QString, Proportions> cache;
    const QString key = font.face + QLatin1Char('|') + QString::number(font.weight) +
                        QLatin1Char(font.italic ? 'i' : 'r') + QString::number(font.pitchAndFamily);
    QMutexLocker lock(&mutex);
    if (const auto it = cache.constFind(key); it != cache.constEnd())
        return *it;
    const QFontMetricsF metrics(referenceFont(font));
    Proportions p;
    const qreal cell = metrics.ascent() + metrics.descent();
    if (cell > 0)
        p.emPerCell = referencePixels / cell;
    if (metrics.averageCharWidth() > 0)
        p.averageWidth = metrics.averageCharWidth() / referencePixels;
    if (cache.size() > 256)
        cache.clear();
    cache.insert(key, p);
    return p;
}

} // namespace

QFont WmfText::qtFont(const WmfFont& font, qreal pixels, int dpi) {
    // Symbol text is already turned into Unicode Greek and mathematical signs, which a serif
    // text font draws (or finds a fallback for); an installed Symbol font would instead take
    // the characters by its own byte codes.
    const bool symbol = isSymbolFace(font.face);
    QFont qt(symbol ? QStringLiteral("Times New Roman") : font.face);
    qt.setStyleHint(symbol ? QFont::Serif : styleHintFor(font.pitchAndFamily));
    if (dpi > 0)
        qt.setPointSizeF(qMax(pixels, 0.01) * 72.0 / dpi);
    else
        qt.setPixelSize(qMax(1, qRound(pixels)));
    qt.setWeight(QFont::Weight(qBound(1, font.weight, 1000)));
    qt.setItalic(font.italic);
    qt.setUnderline(font.underline);
    qt.setStrikeOut(font.strikeOut);
    qt.setKerning(false);
    return qt;
}

qreal WmfText::emHeight(const WmfFont& font) {
    return font.cellHeight ? font.height * proportionsOf(font).emPerCell : font.height;
}

qreal WmfText::advance(const WmfFont& font, const QString& text) {
    const qreal em = emHeight(font);
    const Proportions p = proportionsOf(font);
    qreal width;
    if (fontsAvailable())
        width = QFontMetricsF(referenceFont(font)).horizontalAdvance(text) * em / referencePixels;
    else
        width = text.size() * p.averageWidth * em;
    if (font.width > 0 && p.averageWidth > 0)
        width *= font.width / (p.averageWidth * em);
    return width;
}
