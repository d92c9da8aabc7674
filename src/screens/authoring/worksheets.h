#pragma once

#include "app/Screen.h"
#include "platform/controls/CheckBox.h"
#include "platform/controls/ControlArray.h"
#include "platform/controls/Label.h"

// The catalogue of the teachers' own worksheets, 24 names to a page. A click on a name opens
// that worksheet as a quiz, in the wizard to edit it, or removes it from the catalogue.
class worksheets : public Screen {
public:
    worksheets();

    void Form_Load() override;
    void Form_MouseMove(const MouseArgs& args) override;
    void closeRequested() override { Label2_Click(0); }

    void Check1_Click();
    void Check2_Click();
    void Label2_Click(int Index);
    void Label2_MouseMove(int Index, const MouseArgs& args);
    void Label3_Click(int Index);

    // Draws the page CataloguePage.
    void workpage();
    // Fills the wizard with the worksheet just loaded and opens it.
    void editworksheet();
    // Removes SelectedWorksheet from the catalogue.
    void delworksheet();

    Label* Label1;
    CheckBox* Check1;
    CheckBox* Check2;
    // 0 is Exit; 1 to 24 are the names of the page on screen.
    ControlArray<Label> Label2;
    Label* Label4;
    ControlArray<Label> Label3;

private:
    void buildEntries();
    void wireEvents();
    void openWorksheet(const QString& name);
    void removeWorksheet(const QString& name);
    void openQuiz();
};
