#pragma once

#include "app/Screen.h"
#include "formats/Topic.h"
#include "platform/controls/Buttons.h"
#include "platform/controls/ControlArray.h"
#include "platform/controls/Frame.h"
#include "platform/controls/ImageBox.h"
#include "platform/controls/Label.h"
#include "platform/controls/Timer.h"

#include <map>

// The main menu: the topics of the subject, sound on and off, the teacher's tools, the
// acknowledgements and the way out. Reads the worksheet catalogue just after it is shown.
class intro0 : public Screen {
public:
    intro0();

    // The entries of Label2 that lead somewhere. A topic's entry, 0 to 10 or 15, leads to its
    // menu when a folder under topics/ describes a topic of that title, and is disabled
    // otherwise; 11 to 14 do not exist.
    struct Entry {
        static constexpr int Orvelles = 15, Rich = 7, Exit = 16, Wizard = 17, Catalogue = 18,
                             Acknowledgements = 19, Guide = 20;
    };

    void Form_Load() override;
    void Form_MouseMove(const MouseArgs& args) override;
    void closeRequested() override;

    void Label2_Click(int Index);
    void Label2_MouseMove(int Index, const MouseArgs& args);
    void Option1_Click();
    void Option2_Click();
    void Timer1_Timer();

    // The title "The Orvelles".
    Label* Label1;
    // The copyright notice.
    Label* Label3;
    // "Sound On", chosen at load.
    OptionButton* Option1;
    // "Sound Off".
    OptionButton* Option2;
    // The frame around the globe.
    Frame* Frame1;
    // The globe.
    ImageBox* Image1;
    // Reads the catalogue once, just after the menu is shown.
    Timer* Timer1;
    // In class mode only: "Pupil: <name>   Change pupil"; a click asks again. Null otherwise.
    Label* pupilLine = nullptr;
    // The twelve topics, "Exit" and the teacher's tools; see Entry and MainMenuTopics.
    ControlArray<Label> Label2;

    // The topic that entry `index` leads to, or null when it leads to none.
    const Topic* topicAt(int index) const;

private:
    void buildEntries();
    void wireEvents();
    void openTitleScreen();
    void openAcknowledgements();
    void openGuide();
    void findTopics();
    // In class mode: asks who is using the program when nobody has signed in yet.
    void signInIfNeeded(bool always);
    void showPupil();

    // The topics read at start, by the index of the entry each fills.
    std::map<int, Topic> topics_;
};
