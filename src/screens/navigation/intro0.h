#pragma once

#include "app/Screen.h"
#include "platform/controls/Buttons.h"
#include "platform/controls/ControlArray.h"
#include "platform/controls/Frame.h"
#include "platform/controls/ImageBox.h"
#include "platform/controls/Label.h"
#include "platform/controls/Timer.h"

// The main menu: the topics of the subject, sound on and off, the teacher's tools, the
// acknowledgements and the way out. Reads the worksheet catalogue just after it is shown.
class intro0 : public Screen {
public:
    intro0();

    void Form_Load() override;
    void Form_MouseMove(const MouseArgs& args) override;
    void closeRequested() override;

    void Label2_Click(int Index);
    void Label2_MouseMove(int Index, const MouseArgs& args);
    void Option1_Click();
    void Option2_Click();
    void Timer1_Timer();

    Label* Label1;
    Label* Label3;
    OptionButton* Option1;
    OptionButton* Option2;
    Frame* Frame1;
    ImageBox* Image1;
    Timer* Timer1;
    ControlArray<Label> Label2;

private:
    void buildEntries();
    void wireEvents();
    void openTitleScreen();
    void openAcknowledgements();
    void openGuide();
};
