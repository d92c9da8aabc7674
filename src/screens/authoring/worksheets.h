#pragma once

#include "app/Screen.h"
#include "formats/QuestionFile.h"
#include "platform/controls/CheckBox.h"
#include "platform/controls/ControlArray.h"
#include "platform/controls/Label.h"

// The catalogue of the teachers' own worksheets, 24 names to a page. A click on a name opens
// that worksheet as a quiz, in the wizard to edit it, or removes it from the catalogue.
class worksheets : public Screen {
public:
    worksheets();

    // The entries of Label2: Exit, then the names of the page on screen.
    struct Entry {
        static constexpr int Exit = 0, FirstName = 1;
    };
    // The entries of Label3.
    struct PageButton {
        static constexpr int Previous = 0, Next = 1;
    };

    void Form_Load() override;
    void Form_MouseMove(const MouseArgs& args) override;
    void closeRequested() override { Label2_Click(Entry::Exit); }

    void Check1_Click();
    void Check2_Click();
    void Label2_Click(int Index);
    void Label2_MouseMove(int Index, const MouseArgs& args);
    void Label3_Click(int Index);

    // Draws the page of names in view.
    void workpage();
    // Opens the wizard on `worksheet`; throws FormatError, before the wizard is touched, when a
    // correct answer is not 1 to 4.
    void editworksheet(const QuestionTables& worksheet);
    // Removes the catalogue's SelectedWorksheet.
    void delworksheet();

    // The heading "Worksheets Catalogue".
    Label* Label1;
    // "Edit Worksheet": a click on a name opens it in the wizard. Never ticked with Check2.
    CheckBox* Check1;
    // "Delete Worksheet": a click on a name removes it.
    CheckBox* Check2;
    // "Exit" at 0; 1 to 24 are the names of the page on screen, in two columns of twelve.
    ControlArray<Label> Label2;
    // "Page 1", white on the bottom line.
    Label* Label4;
    // "<< Previous Page" and "Next Page >>", each shown when there is such a page.
    ControlArray<Label> Label3;

protected:
    // A right-click on a name offers that worksheet's printouts.
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void buildEntries();
    void wireEvents();
    void openWorksheet(const QString& name);
    void removeWorksheet(const QString& name);
    void openQuiz(const QuestionTables& worksheet);

    // The page of names in view, counting from 0.
    int page_ = 0;
};
