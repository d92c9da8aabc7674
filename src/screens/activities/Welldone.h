#pragma once

#include "app/Screen.h"
#include "platform/controls/ControlArray.h"
#include "platform/controls/Label.h"
#include "platform/controls/PictureBox.h"
#include "platform/controls/TextBox.h"
#include "platform/controls/Timer.h"

// The results screen that ends every activity: the score message, a picture and a sound
// chosen by the score; full marks ask for the pupil's name for a certificate, a quiz without
// them offers the review of the questions answered wrongly.
class Welldone : public Screen {
public:
    Welldone();

    void Form_Load() override;
    void Form_MouseMove(const MouseArgs& args) override;
    void closeRequested() override { Label3_Click(1); }

    void Timer1_Timer();
    void Timer2_Timer();
    void Timer3_Timer();
    void Label3_Click(int Index);
    void Label3_MouseMove(int Index, const MouseArgs& args);
    // The certificate printout.
    void Printpage();

    Label* Label4;
    PictureBox* Picture1;
    Label* Label1;
    Label* Label5;
    Label* Label6;
    TextBox* Text1;
    Label* Label2;
    ControlArray<Label> Label3;
    Timer* Timer1;
    Timer* Timer2;
    Timer* Timer3;

private:
    // The subject's width in this window's own font, in twips.
    double subjectWidthOnScreen() const;
    void buildTexts();
    void buildButtonsAndTimers();
};
