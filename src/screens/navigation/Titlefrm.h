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

    // Opens the title screen as the way out of the program: Cancel goes back to the main menu.
    static Titlefrm& openAsWayOut();

    void Form_Load() override;
    void closeRequested() override;
    // Cancel, back to the main menu: two presses of Escape from the main menu must not end
    // the program in front of a class.
    void escapeRequested() override { Command1_Click(); }

    void Command1_Click();
    void Command2_Click();

    // The display the load centres the window on; tests may set it before the load.
    static void setDisplayForTests(const QSizeF& displayTwips);

    // Holds everything else.
    Frame* Frame1;
    // The title "The Orvelles".
    Label* Label4;
    // The box the globe sits in, in the background colour.
    PictureBox* Picture1;
    // The globe.
    ImageBox* Image1;
    // The author's credit.
    Label* Label1;
    // The programmer's credit.
    Label* Label5;
    // The series editor's credit.
    Label* Label3;
    // "OK" at the start, "Cancel" when opened as the way out.
    CommandButton* Command1;
    // "Exit": ends the program.
    CommandButton* Command2;
    // The publisher's notice.
    Label* Label2;

private:
    void offerCancel();
    void loadOwnLayout();
    void loadStandardLayout();
};
