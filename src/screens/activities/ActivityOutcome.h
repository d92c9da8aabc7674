#pragma once

#include "formats/ClassRecord.h"
#include "platform/Picture.h"
#include "screens/activities/QuizRules.h"

#include <QString>
#include <optional>

// A quiz of only the questions a pupil got wrong, offered in class mode.
struct QuizAgain {
    QuestionTables worksheet;
    QString subject;
    Picture picture;
    // The question numbers to ask, in order.
    QList<int> questions;
};

// What an activity leaves for the review of what went wrong: a quiz's wrong answers, or in
// class mode a board's wrong boxes.
struct QuizReview {
    // The worksheet's or board's title, the review's heading.
    QString title;
    // The questions answered wrongly (or boxes filled wrongly), in order.
    QList<QuizRules::ReviewLine> wrong;
    // In class mode, after a retry or a board: the right answer to each wrong line, in the same
    // order. Empty when the answers are not to be shown.
    QStringList rightAnswers{};
    // The line over the review, and the results screen's line under its button; empty for the
    // quiz's own.
    QString heading{};
    QString offer{};
    // In class mode, after a first go: what "Try these again" asks.
    std::optional<QuizAgain> again{};
};

// What an activity hands to the results screen once it is scored.
struct ActivityOutcome {
    // Right answers, or labels placed on a board.
    int score = 0;
    // The most the activity can score.
    int maxScore = 0;
    // The subject the certificate names: that of the last quiz scored this run.
    QString subject;
    // A quiz's only: the results screen then offers the review.
    std::optional<QuizReview> review;
    // What was done, for the class record: the worksheet or topic, the activity, and a quiz's
    // every answer or a board's wrong boxes.
    struct Done {
        QString topic;
        QString activity;
        QList<ClassRecord::Answer> answers;
        QList<int> wrongBoxes;
    } done{};
};

// A board's outcome: its certificate names the subject of the last quiz scored this run, or
// none before any.
ActivityOutcome boardOutcome(int score, int maxScore, ActivityOutcome::Done done = {});
