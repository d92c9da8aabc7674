#pragma once

#include "app/Screen.h"
#include "platform/controls/CheckBox.h"
#include "platform/controls/ControlArray.h"
#include "platform/controls/Label.h"
#include "platform/controls/TextBox.h"
#include "screens/authoring/WizardRules.h"

// The Multiple Choice Wizard: a teacher writes a title and ten questions of four answers,
// ticks the right answer of each, and saves the worksheet into the catalogue.
class wizard : public Screen {
public:
    wizard();

    // The entries of Label3.
    struct Button {
        static constexpr int Exit = 0, Save = 1;
    };

    void Form_Load() override;
    void Form_MouseMove(const MouseArgs& args) override;
    // Escape and the frame's close button: unlike Exit, they ask before unsaved typing is lost.
    void closeRequested() override;

    void Label3_Click(int Index);
    void Label3_MouseMove(int Index, const MouseArgs& args);
    void Text1_KeyPress(int KeyAscii);
    void Text2_KeyPress(int Index, int KeyAscii);
    void Text3_KeyPress(int Index, int KeyAscii);

    void genwork();
    void saveworksheet();
    void trackworksheets();

    // Opens the wizard on `worksheet`, to be edited and saved again.
    static wizard& openToEdit(const WorksheetContent& worksheet);

    // What the boxes hold now.
    WorksheetDraft draft() const;
    // Puts `entry` into question q (from 0): its text, its four answers, and the tick on its
    // right answer (on none for 0). With fillTitle, the one place that knows which box holds
    // what.
    void fillQuestion(int q, const QuestionEntry& entry);
    void fillTitle(const QString& title);

    // Static texts: 0 the heading, 1 "Worksheet Title", 2 to 11 "Question 1" to "Question 10",
    // then "A." to "D." of question q at 12 + 4(q - 1) to 15 + 4(q - 1).
    ControlArray<Label> Label1;
    // The worksheet's title.
    TextBox* Text1;
    // The questions: question q at q - 1.
    ControlArray<TextBox> Text2;
    // The answers: A to D of question q at 4(q - 1) to 4(q - 1) + 3.
    ControlArray<TextBox> Text3;
    // The tick beside each answer, indexed as Text3; the ticked one is the right answer.
    ControlArray<CheckBox> Check1;
    // "Exit" and "Save Worksheet"; see Button.
    ControlArray<Label> Label3;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void fill(const WorksheetContent& worksheet);
    void buildQuestion(int q);
    void buildAnswer(int q, int a);
    void wireEvents();
    void setTabOrder();
    void offerAnd(TextBox& box);
    bool mayReplace(const QString& path, const QString& title);

    // What the boxes held when the wizard was first shown or last saved.
    WorksheetDraft kept_;
    bool keptTaken_ = false;
};
