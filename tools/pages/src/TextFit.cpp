#include "TextFit.h"

#include <QFontMetricsF>

#include <cmath>
#include <stdexcept>

namespace {

// A little slack, so that a player with slightly wider fonts still keeps inside the page.
constexpr qreal safety = 1.04;

QString standIn(const QString& face) {
    if (face == QLatin1String("Times New Roman"))
        return QStringLiteral("Liberation Serif");
    if (face == QLatin1String("Arial"))
        return QStringLiteral("Liberation Sans");
    return face; // Tahoma: fontconfig's substitute, normally wider than the real one
}

} // namespace

TextFit::TextFit(const QString& face, int heightTwips, bool bold) : font(standIn(face)) {
    font.setPixelSize(heightTwips);
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferNoHinting);
}

qreal TextFit::width(const QString& text) const {
    return QFontMetricsF(font).horizontalAdvance(text) * safety;
}

int TextFit::lineHeight() const {
    return int(std::ceil(QFontMetricsF(font).lineSpacing()));
}

int TextFit::ascent() const {
    return int(std::ceil(QFontMetricsF(font).ascent()));
}

QStringList TextFit::wrap(const QString& text, int maxWidth) const {
    QStringList lines;
    QString line;
    for (const QString& word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (width(word) > maxWidth)
            throw std::runtime_error("word too wide for the page: " + word.toStdString());
        const QString candidate = line.isEmpty() ? word : line + QLatin1Char(' ') + word;
        if (width(candidate) <= maxWidth) {
            line = candidate;
        } else {
            lines.append(line);
            line = word;
        }
    }
    if (!line.isEmpty())
        lines.append(line);
    return lines;
}
