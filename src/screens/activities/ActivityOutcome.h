#pragma once

#include "formats/ClassRecord.h"
#include "screens/activities/QuizRules.h"

#include <QString>
#include <optional>

// What a quiz leaves for the review of its wrong answers.
struct QuizReview {
    // The worksheet's title, the review's heading.
    QString title;
    // The questions answered wrongly, in question order.
    QList<QuizRules::ReviewLine> wrong;
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
