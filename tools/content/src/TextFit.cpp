#include "TextFit.h"

#include <QFontDatabase>
#include <QFontMetricsF>

namespace fit {
namespace {

const QString captionFace = QStringLiteral("DejaVu Sans Condensed");

constexpr double pointsToPixels = 96.0 / 72.0;

// The quiz's question label: 9840 by 1455 twips, Times New Roman 30 pt, wrapping.
constexpr double questionWidth = 9840 / 15.0;
constexpr double questionHeight = 1455 / 15.0;
// An answer option: 6975 twips wide at 20.25 pt, less the round button and its gap.
constexpr double answerWidth = 6975 / 15.0 - 24;

QFont pixelFont(const QString& family, double points, bool bold = false) {
    QFont font(family);
    font.setPixelSize(int(points * pointsToPixels + 0.5));
    font.setBold(bold);
    return font;
}

} // namespace

bool hasCaptionFace() {
    return QFontDatabase::hasFamily(captionFace);
}

QStringList checkQuiz(const quiz::Worksheet& worksheet) {
    QStringList problems;
    const QFontMetricsF question(pixelFont(QStringLiteral("Liberation Serif"), 30));
    const QFontMetricsF answer(pixelFont(QStringLiteral("Liberation Serif"), 20.25));
    for (qsizetype q = 0; q < worksheet.questions.size(); ++q) {
        const auto& item = worksheet.questions[q];
        const QRectF used = question.boundingRect(QRectF(0, 0, questionWidth, 10000),
                                                  Qt::AlignHCenter | Qt::TextWordWrap, item.text);
        if (used.height() > questionHeight)
            problems << QStringLiteral("question %1 needs more than two lines: %2")
                            .arg(q + 1)
                            .arg(item.text);
        for (const QString& a : item.answers)
            if (answer.horizontalAdvance(a) > answerWidth)
                problems << QStringLiteral("question %1: answer too wide: %2").arg(q + 1).arg(a);
    }
    return problems;
}

QStringList checkCaptions(const QStringList& captions, double boxWidth, double points) {
    const QString family = hasCaptionFace() ? captionFace : QStringLiteral("DejaVu Sans");
    const QFontMetricsF metrics(pixelFont(family, points, true));
    QStringList problems;
    for (const QString& caption : captions)
        if (metrics.horizontalAdvance(caption) > boxWidth - 6)
            problems << QStringLiteral("caption too wide for its box: %1").arg(caption);
    return problems;
}

} // namespace fit
