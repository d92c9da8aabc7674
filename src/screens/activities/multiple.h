#pragma once

#include "app/Screen.h"
#include "platform/controls/Buttons.h"
#include "platform/controls/ControlArray.h"
#include "platform/controls/Label.h"
#include "platform/controls/PictureBox.h"

// The multiple-choice quiz: the ten questions of the worksheet last loaded, one at a time,
// each with its four answers; scored at the end and handed to the results screen.
class multiple : public Screen {
public:
    multiple();

    // The entries of Label3.
    struct Button {
        static constexpr int Previous = 0, Next = 1, Exit = 2, Print = 3;
    };

    void Form_Load() override;
    void Form_MouseMove(const MouseArgs& args) override;
    void closeRequested() override { Label3_Click(Button::Exit); }

    void showquest();
    void Label3_Click(int Index);
    void Label3_MouseMove(int Index, const MouseArgs& args);
    void Option1_Click(int Index);
    // The worksheet printout.
    void Printpage();

    // The answer chosen on screen: 1 to 4, or 0 when none is.
    int chosenOption() const;

    // The heading "Multiple Choice".
    Label* Label1;
    // The subject, set by whoever opens the quiz.
    Label* Label5;
    // The worksheet's title.
    Label* Label6;
    // The topic's small picture.
    PictureBox* Picture1;
    // "Question 1" to "Question 10".
    Label* Label4;
    // The question's text.
    Label* Label2;
    // The answers A to D at 1 to 4.
    ControlArray<OptionButton> Option1;
    // "<< Previous Question", "Next Question >>" (on the last, "Check Score >>"), "Exit",
    // "Print Worksheet"; see Button.
    ControlArray<Label> Label3;

private:
    void buildOptions();
    void buildButtons();
    void clearAnswers();
    void scoreAndHandOver();
};
