#pragma once

#include "formats/QuestionFile.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// Questions to and from the plain files that school learning platforms exchange: GIFT, Aiken
// and Moodle XML. A worksheet takes multiple-choice questions of exactly four answers, one
// of them right; anything else in a file is listed as left out, with the reason.
namespace Exchange {

enum class Format { Gift, Aiken, MoodleXml };

// A question as a file holds it, before it is judged against a worksheet.
struct ReadQuestion {
    // "multichoice", or the kind of question it is otherwise ("true/false", "essay", ...).
    QString kind = QStringLiteral("multichoice");
    QString text;
    QStringList choices;
    // Per choice: 100 for a right answer, 0 for a wrong one, anything between for part marks.
    QList<double> marks;
    // Set when the file's own rules were broken for this question (no ANSWER line, ...).
    QString fault;
    // Where the question starts in the file, from 1; 0 where the reader cannot tell.
    int line = 0;
    // What of it a worksheet cannot keep ("its picture is left out"), or empty.
    QString note;
};

struct LeftOut {
    // From 1, in the order the file holds the questions.
    int number = 0;
    QString text;
    QString reason;
    // Where the question starts in the file, from 1; 0 where the reader cannot tell.
    int line = 0;
};

struct Found {
    Format format = Format::Gift;
    // The worksheet title the file names (a GIFT or Moodle XML category), or empty.
    QString title;
    QList<QuestionEntry> fitting;
    // Where each fitting question stands among all questions of the file, from 1.
    QList<int> fittingNumbers;
    // For each fitting question, what of it is left out ("its picture is left out"), or empty.
    QStringList notes;
    QList<LeftOut> leftOut;
    // Questions after the first one past maxQuestions: counted, not read.
    int unread = 0;

    // Every question of the file that does not fit, read or not.
    qsizetype leftOutCount() const { return leftOut.size() + unread; }
};

// Files larger than this are refused before any reading; a bank of thousands of questions
// is well under it.
inline constexpr qsizetype maxFileBytes = 8 * 1024 * 1024;
// Questions read from one file at most; the rest are counted as left out unread.
inline constexpr int maxQuestions = 5000;

// Choices read of one question. A question with more is left out for its count all the same,
// so past this many only the count is kept, as its fault, and the rest are not read.
inline constexpr int maxChoices = 16;

QString formatName(Format format);

// Why a question of `count` choices does not fit.
QString choiceCountMisfit(qsizetype count);

// Throws FormatError, saying so, for a file of more than maxFileBytes.
void checkSize(qint64 bytes);

// Reads a file's bytes, telling the format from the content. Throws FormatError with a
// message for the teacher when the file cannot be read as any of the three.
Found read(const QByteArray& bytes);

// The reason a question does not fit a worksheet; empty when it fits.
QString misfit(const ReadQuestion& question);

// Sorts read questions into fitting and left out.
void classify(const QList<ReadQuestion>& questions, Found& found);

// The file for a worksheet in `format`, UTF-8. Throws FormatError for a question without one
// right answer.
QByteArray write(Format format, const WorksheetContent& worksheet);

// The text with every character Windows-1252 cannot hold shown between ⟦ and ⟧, so a
// teacher can see what a worksheet file could not keep; empty when every character fits.
QString unstorableMarked(const QString& text);

} // namespace Exchange
