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

    void Form_Load() override;
    void Form_MouseMove(const MouseArgs& args) override;
    void closeRequested() override { Label3_Click(2); }

    void showquest();
    void Label3_Click(int Index);
    void Label3_MouseMove(int Index, const MouseArgs& args);
    void Option1_Click(int Index);
    // The worksheet printout.
    void Printpage();

    // The answer chosen on screen: 1 to 4, or 0 when none is.
    int chosenOption() const;

    Label* Label1;
    Label* Label5;
    Label* Label6;
    PictureBox* Picture1;
    Label* Label4;
    Label* Label2;
    ControlArray<OptionButton> Option1;
    ControlArray<Label> Label3;

private:
    void buildOptions();
    void buildButtons();
    void clearAnswers();
    void scoreAndHandOver();
};
