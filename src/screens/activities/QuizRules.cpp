#include "screens/activities/QuizRules.h"

#include "app/Messages.h"

namespace QuizRules {

int pupilAnswer(int chosenOption, const QString& correctAnswer) {
    const int correct = correctAnswerNumber(correctAnswer);
    return correct != 0 && chosenOption == correct ? 1 : 0;
}

Outcome score(const PerQuestion<int>& pupilAnswers, const PerQuestion<QString>& questions,
              const QList<int>& asked) {
    Outcome outcome;
    for (const int i : asked) {
        if (i < 1 || i > QuestionCount)
            continue;
        outcome.score += pupilAnswers[i];
        if (pupilAnswers[i] == 0) {
            // Lines stand one under another, in question order.
            const int place = static_cast<int>(outcome.wrong.size());
            outcome.wrong.append({place, numberText(i) + QStringLiteral(". ") + questions[i]});
        }
    }
    return outcome;
}

QList<int> allQuestions() {
    QList<int> all;
    for (int q = 1; q <= QuestionCount; ++q)
        all.append(q);
    return all;
}

QString questionHeading(int number) {
    return QStringLiteral("Question") + numberText(number);
}

} // namespace QuizRules
