#include "screens/exchange/ImportFit.h"

#include "screens/authoring/WizardRules.h"

#include <algorithm>

namespace ImportFit {

QList<Text> textsOf(const Exchange::Found& found, const QList<int>& picks, bool withTitle) {
    QList<Text> texts;
    const auto add = [&](int question, int answer, const QString& text, int limit) {
        texts.append(
            {question, answer, WizardRules::withAnd(text), limit, text.contains(QLatin1Char('&'))});
    };
    // The title is a file name, where "&" is kept.
    if (withTitle && !found.title.isEmpty())
        texts.append({-1, -1, found.title, WizardRules::TitleLength, false});
    for (int q = 0; q < picks.size() && q < QuestionCount; ++q) {
        const QuestionEntry& entry = found.fitting.at(picks[q]);
        add(q, -1, entry.text, WizardRules::QuestionLength);
        for (int a = 0; a < 4; ++a)
            add(q, a, entry.answers[a], WizardRules::AnswerLength);
    }
    return texts;
}

bool needsReview(const QList<Text>& texts) {
    return std::any_of(texts.begin(), texts.end(),
                       [](const Text& text) { return text.tooLong() || text.ampersand; });
}

QString placeOf(const Text& text) {
    if (text.question < 0)
        return QStringLiteral("the title");
    QString place = QStringLiteral("question %1").arg(text.question + 1);
    if (text.answer >= 0)
        place += QStringLiteral(", answer %1").arg(QChar(u'A' + text.answer));
    return place;
}

} // namespace ImportFit
