#pragma once

#include "app/Screen.h"
#include "platform/controls/ControlArray.h"
#include "platform/controls/Label.h"
#include "screens/activities/ActivityOutcome.h"

// The wrong-answers review: the questions of the last quiz answered wrongly, made ready before
// the results screen opens and shown from there. In class mode it offers "Try these again"
// after a first go, and shows the right answers after a retry or a board.
class Wrong : public Screen {
public:
    Wrong();

    // Heads the review with the worksheet's title and lists the wrong answers, one a line.
    void showReview(const QuizReview& review);
    const QuizReview& review() const { return review_; }

    // The entries of Label3.
    struct Button {
        static constexpr int TryAgain = 0, Exit = 1;
    };

    void Form_Load() override;
    void closeRequested() override { Label3_Click(Button::Exit); }
    void Label3_Click(int Index);

    // The heading: the worksheet's title once a review is shown.
    Label* Label6;
    // "You answered the following questions incorrectly."
    Label* Label4;
    // The wrong answers, one a line from 0 in question order, each reached by Tab; the rest
    // hidden.
    ControlArray<Label> Label2;
    // "Read the Key Facts and try again."
    Label* Label5;
    // Beside the wrong lines when the right answers are shown: "Answer: ..." under each.
    ControlArray<Label> Label7;
    // "Try these again" at 0, shown in class mode after a first go; "Exit" at 1.
    ControlArray<Label> Label3;

private:
    // Lines of one row each, or (with answers) of a question and its answer.
    void layOutLines(bool withAnswers);

    QuizReview review_;
};
