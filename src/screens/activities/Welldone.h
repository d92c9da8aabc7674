#pragma once

#include "app/Screen.h"
#include "platform/controls/ControlArray.h"
#include "platform/controls/Label.h"
#include "platform/controls/PictureBox.h"
#include "platform/controls/TextBox.h"
#include "platform/controls/Timer.h"
#include "screens/activities/ActivityOutcome.h"

// The results screen that ends every activity: the score message, a picture and a sound
// chosen by the score; full marks ask for the pupil's name for a certificate, a quiz without
// them offers the review of the questions answered wrongly.
class Welldone : public Screen {
public:
    Welldone();

    // Opens the results of `outcome`, with the review of a quiz's wrong answers behind them.
    static Welldone& openWith(const ActivityOutcome& outcome);
    const ActivityOutcome& outcome() const { return outcome_; }

    // The entries of Label3.
    struct Button {
        static constexpr int PrintOrReview = 0, Exit = 1;
    };

    void Form_Load() override;
    void Form_MouseMove(const MouseArgs& args) override;
    void closeRequested() override { Label3_Click(Button::Exit); }

    void Timer1_Timer();
    void Timer2_Timer();
    void Timer3_Timer();
    void Label3_Click(int Index);
    void Label3_MouseMove(int Index, const MouseArgs& args);
    // The certificate printout.
    void Printpage();

    // The heading "Well Done!".
    Label* Label4;
    // The globe, shown at the first tick.
    PictureBox* Picture1;
    // The score message.
    Label* Label1;
    // Shown after a quiz in place of Label6: "Click the button above to check ...".
    Label* Label5;
    // "Read the Key Facts and try again."
    Label* Label6;
    // At full marks: the pupil's name for the certificate.
    TextBox* Text1;
    // At full marks: the request to enter the name.
    Label* Label2;
    // "Print Certificate" at full marks, otherwise "Check Wrong Answers"; and "Exit".
    ControlArray<Label> Label3;
    // Ticks once to show the picture, then starts Timer2.
    Timer* Timer1;
    // Ticks once to give the name box the focus and fill the entries' boxes, then starts Timer3.
    Timer* Timer2;
    // Ticks once to play the sound the score earns.
    Timer* Timer3;

private:
    // Shows the score message and what the score leads to, and starts the after-load chain.
    void showOutcome(const ActivityOutcome& outcome);
    // The subject's width in this window's own font, in twips.
    double subjectWidthOnScreen() const;
    void buildTexts();
    void buildButtonsAndTimers();

    ActivityOutcome outcome_;
};
