#pragma once

#include "app/Screen.h"
#include "platform/controls/ControlArray.h"
#include "platform/controls/Label.h"
#include "screens/activities/ActivityOutcome.h"

// The wrong-answers review: the questions of the last quiz answered wrongly, made ready before
// the results screen opens and shown from there.
class Wrong : public Screen {
public:
    Wrong();

    // Heads the review with the worksheet's title and lists the wrong answers, one a line.
    void showReview(const QuizReview& review);

    // The one entry of Label3.
    struct Button {
        static constexpr int Exit = 1;
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
    // "Exit" alone, at 1.
    ControlArray<Label> Label3;
};
