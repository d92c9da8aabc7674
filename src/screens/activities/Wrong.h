#pragma once

#include "app/Screen.h"
#include "platform/controls/ControlArray.h"
#include "platform/controls/Label.h"

// The wrong-answers review: the questions of the last quiz answered wrongly, filled by the
// quiz before the results screen opens.
class Wrong : public Screen {
public:
    Wrong();

    void Form_Load() override;
    void closeRequested() override { Label3_Click(1); }
    void Label3_Click(int Index);

    Label* Label6;
    Label* Label4;
    ControlArray<Label> Label2;
    Label* Label5;
    ControlArray<Label> Label3;
};
