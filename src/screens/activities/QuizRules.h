#pragma once

#include "formats/QuestionFile.h"

#include <QList>
#include <QString>

// The quiz's rules, kept apart from its window.
namespace QuizRules {

// 1 when the option chosen (1 to 4 for A to D, 0 for none) is the correct answer of the
// question, else 0. A correct-answer entry other than "1" to "4" matches no option.
int pupilAnswer(int chosenOption, const QString& correctAnswer);

// One review line: the place it takes (from 0, in question order) and its text.
struct ReviewLine {
    int place;
    QString text;
};

struct Outcome {
    int score = 0;
    QList<ReviewLine> wrong;
};

// Adds up the answers of the questions `asked` (numbers 1 to QuestionCount, in order: every one,
// or a retry's) and lists the wrong ones, each as a space, the question number, a full stop, a
// space and the question.
Outcome score(const PerQuestion<int>& pupilAnswers, const PerQuestion<QString>& questions,
              const QList<int>& asked);
// Every question number, in order.
QList<int> allQuestions();

// "Question" followed by the number as display texts write numbers.
QString questionHeading(int number);

} // namespace QuizRules
