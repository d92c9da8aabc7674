#pragma once

#include <QString>

class QMenu;

// Adds "Print the answer key" to a right-click menu, for the quiz in the question file at
// `programPath` ("multiple\\Kings.txt") under the heading `subject`.
void addAnswerKeyEntry(QMenu& menu, const QString& programPath, const QString& subject);

// Reads the question file and prints its answer key on the default printer, saying how it
// went; the quiz in memory is left as it was.
void printAnswerKeyOf(const QString& programPath, const QString& subject);
