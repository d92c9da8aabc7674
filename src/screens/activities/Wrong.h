#pragma once

#include "app/Screen.h"
#include "platform/controls/ControlArray.h"
#include "platform/controls/Label.h"

// The wrong-answers review: the questions of the last quiz answered wrongly, filled by the
// quiz before the results screen opens.
class Wrong : public Screen {
public:
    Wrong();

    // The one entry of Label3.
    struct Button {
        static constexpr int Exit = 1;
    };

    void Form_Load() override;
    void closeRequested() override { Label3_Click(Button::Exit); }
    void Label3_Click(int Index);

    // The heading; the quiz puts the worksheet's title here.
    Label* Label6;
    // "You answered the following questions incorrectly."
    Label* Label4;
    // The wrong answers, one a line from 0 in question order; the rest hidden.
    ControlArray<Label> Label2;
    // "Read the Key Facts and try again."
    Label* Label5;
    // "Exit" alone, at 1.
    ControlArray<Label> Label3;
};
