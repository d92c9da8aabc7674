#pragma once

#include "formats/QuestionFile.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <array>

// The built-in quizzes are kept as readable UTF-8 sources; the program's own writer turns them
// into question files.
namespace quiz {

constexpr int questionCount = 10;
constexpr int maxQuestionLength = 60; // the wizard's boxes, so a teacher could edit them
constexpr int maxAnswerLength = 30;
constexpr int maxTitleLength = 25;

struct Question {
    QString text;
    std::array<QString, 4> answers;
    int correct = 0; // 1 to 4
};

struct Worksheet {
    QString title;
    QList<Question> questions;
};

// Source lines: "Title: ...", "Q: ...", then four answers, "- wrong" or "* right".
// Blank lines and lines starting with "#" are skipped. Problems go to errors with line numbers.
Worksheet parseSource(const QString& source, QStringList& errors);

// Everything the program's reader or the wizard would not take back unchanged.
QStringList check(const Worksheet& worksheet);

// Assumes check() found nothing.
WorksheetContent toContent(const Worksheet& worksheet);

} // namespace quiz
