#include "screens/activities/QuizRules.h"

#include "app/Messages.h"

namespace QuizRules {

int pupilAnswer(int chosenOption, const QString& correctAnswer) {
    const int correct = correctAnswerNumber(correctAnswer);
    return correct != 0 && chosenOption == correct ? 1 : 0;
}

Outcome score(const PerQuestion<int>& pupilAnswers, const PerQuestion<QString>& questions) {
    Outcome outcome;
    for (int i = 1; i <= QuestionCount; ++i) {
        outcome.score += pupilAnswers[i];
        if (pupilAnswers[i] == 0) {
            // The number of wrong answers before question i.
            const int place = (i - 1) - outcome.score;
            outcome.wrong.append({place, numberText(i) + QStringLiteral(". ") + questions[i]});
        }
    }
    return outcome;
}

QString questionHeading(int number) {
    return QStringLiteral("Question") + numberText(number);
}

} // namespace QuizRules
