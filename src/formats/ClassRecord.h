#pragma once

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

// The class record: one entry for each quiz or board a pupil finishes while class mode is on,
// kept in a folder (the school's or the user's) where several computers write at once. Each
// computer adds to a file of its own, "<machine>.csv" in the record's folder, one line an
// entry, each written at the file's end in a single write and checked by a sum, so an entry is
// whole or absent; a reader merges every file. The files are CSV with a header, UTF-8, for a
// spreadsheet to open as they are.
namespace ClassRecord {

// The activity of a quiz of only the questions a pupil got wrong the time before.
inline const QString retryActivity = QStringLiteral("Try these again");

// What a pupil chose on one question of a quiz, and what was right: letters A to D, or empty.
struct Answer {
    int question = 0;
    QString chosen;
    QString right;
    bool operator==(const Answer&) const = default;
};

struct Entry {
    // Unique across every computer: the machine, the time and a count.
    QString id;
    QDateTime when;
    QString pupil;
    QString machine;
    // The topic or worksheet title, and what was done: "Multiple Choice", "Try these again",
    // "Labelling Activity", "Ordering Activity".
    QString topic;
    QString activity;
    int score = 0;
    int outOf = 0;
    // A quiz's every question; on a board, the boxes (numbered from 1) that were wrong.
    QList<Answer> answers;
    QList<int> wrongBoxes;
    bool operator==(const Entry&) const = default;
};

// The first line of every file.
QString header();
// An entry as its line, without the line end; the last field is the line's check.
QString lineOf(const Entry& entry);

struct Read {
    // Every whole entry of every file, each once, oldest first.
    QList<Entry> entries;
    // One line for each damaged line or file: "<file>, line <n>: <why>".
    QStringList problems;
};

// Reads one file's text; `file` names it in the problems.
Read parse(const QByteArray& text, const QString& file);
// Reads and merges every "*.csv" of `folder`; an entry found twice (a write retried after the
// share went away) counts once.
Read readFolder(const QString& folder);

// A name for this computer's file: letters, digits, '-' and '_' of `machine`, or "machine".
QString fileNameFor(const QString& machine);

// Appends `entry` to `file` in one write, after a line end if the file's last line was cut
// short, so a torn line never joins the next entry, and reads it back from the file as a new
// reader would. Throws FileAccessError when it cannot, or when what was read back is not the
// entry (it may then be in the file all the same, and is read once if added again).
void append(const QString& file, const Entry& entry);

// The write `append` makes: `bytes` at `offset` of the file open on `fd`, returning what pwrite
// returns. The program always uses pwrite; tests put another in place to act as a share that
// keeps something else than it reports.
using WriteStep = qint64 (*)(int fd, const QByteArray& bytes, qint64 offset);
// Makes `append` use `step` (nullptr: pwrite).
void useWriteStep(WriteStep step);

// Rewrites `file` without the entries of `pupil` (the teacher asked to remove them).
void removePupil(const QString& file, const QString& pupil);

// Every entry as one CSV file with the same header, for a school's scripts or a spreadsheet.
QByteArray exportCsv(const QList<Entry>& entries);

} // namespace ClassRecord
