#pragma once

#include "app/Screen.h"
#include "platform/controls/ControlArray.h"
#include "platform/controls/ImageBox.h"
#include "platform/controls/Label.h"

// What the page viewer and the teachers' guide share: a page on screen, its print copy, the
// page number and the entries to print, leave and turn the pages.
class PageScreen : public Screen {
public:
    explicit PageScreen(const QString& name);

    // The entries of Label3.
    struct Button {
        static constexpr int Print = 0, Exit = 1, NextPage = 2, PreviousPage = 3;
    };

    void closeRequested() override { Label3_Click(Button::Exit); }
    virtual void Label3_Click(int Index) = 0;

    // Shows the screen copy and holds the print copy of a page; an empty name clears them.
    void showPage(const QString& screenCopy, const QString& printCopy);
    // Prints the print copy: an empty line, the picture at 1000, 1000 twips, the end of the page.
    void printPage();

    // The page on screen.
    ImageBox* Image1;
    // The page's print copy, never shown.
    ImageBox* Image2;
    // "Page 1 of 2", white on the bottom line.
    Label* Label1;
    // "Print", "Exit", "Next Page", "Previous Page"; see Button.
    ControlArray<Label> Label3;
    // Shown in place of a page whose file cannot be read.
    Label* missingPage;
};

// "Page 2 of 4".
QString pageCaption(int page, int pages);
