#pragma once

#include "formats/ClampedInt.h"

#include <QByteArray>
#include <QString>
#include <array>

class ItemReader;

// Every worksheet has this many questions, numbered from 1.
inline constexpr int QuestionCount = 10;

// One entry per question, at its number: index 0 is never used.
template <class T> using PerQuestion = std::array<T, QuestionCount + 1>;

// A place in a worksheet being asked: 0 before the first question, then the question on
// screen, and one past the last once every question is answered.
using QuestionNumber = ClampedInt<0, QuestionCount + 1>;

// A worksheet as loaded from a question file.
// Text fields have their commas back; CorrectAnswer holds the line as read ("1" to "4").
struct QuestionTables {
    QString WorksheetTitle;
    PerQuestion<QString> QuestionText, AnswerA, AnswerB, AnswerC, AnswerD, CorrectAnswer;
};

// Reads the 72 items of a question file from `file1` into `tables`, storing each entry
// as soon as its item is read. A failing read is passed on at once, so the entries not
// yet reached keep what they held; `file1` is left where the reading stopped.
void LoadQuestionFile(ItemReader& file1, QuestionTables& tables);

// 1 to 4 for a correct-answer entry "1" to "4" (surrounding blanks allowed), 0 for
// anything else, so a damaged file never leads to a wrong index.
int correctAnswerNumber(const QString& entry);
// Answer `n` (1 to 4 for A to D) of question `q`; empty for any other n.
QString answerText(const QuestionTables& tables, int q, int n);

// A worksheet as the wizard saves it: correct is 1 (A) to 4 (D).
struct QuestionEntry {
    QString text;
    std::array<QString, 4> answers;
    int correct = 0;
};

struct WorksheetContent {
    QString title;
    std::array<QuestionEntry, QuestionCount> questions;
};

// The text a field reads back as once written (before commas come back from "&"). The reader
// skips blanks at the start of an item and takes a double quote there as opening a quoted
// item, so a text that begins with a double quote keeps it as a typographic opening quote
// (and its next double quote as the closing one), and a text that begins with blanks keeps
// them unless it holds a double quote as well. Any other text reads back as it is.
QString storedForm(const QString& text);

// The worksheet of a loaded question file, to write again or to export. Throws FormatError
// when a correct answer is not 1 to 4.
WorksheetContent contentOf(const QuestionTables& tables);

// The question file for `worksheet`: 72 lines ended by CR LF, commas written as "&",
// Windows-1252, every text field in its storedForm. Throws FormatError when a text cannot be stored
// as one line of the file or a correct answer is not 1 to 4, rather than write a file that reads
// back otherwise.
QByteArray questionFileBytes(const WorksheetContent& worksheet);

// Replaces `path` with the question file in one step. Throws FormatError as above or
// FileAccessError; either way an earlier file at `path` stays whole.
void writeQuestionFile(const QString& path, const WorksheetContent& worksheet);
