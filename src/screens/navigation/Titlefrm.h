#pragma once

#include "app/Screen.h"
#include "platform/controls/Buttons.h"
#include "platform/controls/Frame.h"
#include "platform/controls/ImageBox.h"
#include "platform/controls/Label.h"
#include "platform/controls/PictureBox.h"

#include <QSizeF>

// The title screen: the program's title, the globe and the credits; the way out of the
// program. Cancel goes back to the main menu, Exit ends the program.
class Titlefrm : public Screen {
public:
    Titlefrm();

    void Form_Load() override;
    void closeRequested() override;

    void Command1_Click();
    void Command2_Click();

    // The display the load centres the window on; tests may set it before the load.
    static void setDisplayForTests(const QSizeF& displayTwips);

    Frame* Frame1;
    Label* Label4;
    PictureBox* Picture1;
    ImageBox* Image1;
    Label* Label1;
    Label* Label5;
    Label* Label3;
    CommandButton* Command1;
    CommandButton* Command2;
    Label* Label2;

private:
    void loadOwnLayout();
    void loadStandardLayout();
};
