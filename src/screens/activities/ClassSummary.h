#pragma once

#include "formats/ClassRecord.h"

#include <QList>
#include <QString>
#include <QStringList>

// What the teacher's view shows of the class record, worked out without widgets.
namespace ClassSummary {

// One pupil's tries at one activity.
struct Tries {
    QString pupil;
    QString topic;
    QString activity;
    int tries = 0;
    int latestScore = 0;
    int latestOutOf = 0;
    int bestScore = 0;
    int bestOutOf = 0;
    QDateTime latest;
};

// One question of a quiz, over every try at it.
struct Question {
    QString topic;
    int number = 0;
    int answered = 0;
    int wrong = 0;
    // The wrong answer chosen most often ("B"), "none" when most left it blank; empty if none.
    QString mostChosenWrong;
    int mostChosenWrongTimes = 0;
};

// By pupil, then topic and activity, in name order.
QList<Tries> byPupil(const QList<ClassRecord::Entry>& entries);
// Each quiz's questions over first goes (not retries), the most often wrong first (ties by
// quiz and number).
QList<Question> hardestQuestions(const QList<ClassRecord::Entry>& entries);
// The pupils in the record, in name order.
QStringList pupils(const QList<ClassRecord::Entry>& entries);

// The report as lines of text for paper: a heading, a line a pupil and activity, then the
// questions most often wrong (at most `questions` of them).
QStringList reportLines(const QList<ClassRecord::Entry>& entries, int questions = 10);

} // namespace ClassSummary
