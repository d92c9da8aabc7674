#pragma once

#include "app/Screen.h"
#include "platform/controls/ControlArray.h"
#include "platform/controls/ImageBox.h"
#include "platform/controls/Label.h"

// What the page viewer and the teachers' guide share: the page on screen (`Image1`), its
// print copy (`Image2`, never shown), the page label and the four entries "Print", "Exit",
// "Next Page" and "Previous Page".
class PageScreen : public Screen {
public:
    explicit PageScreen(const QString& name);

    void closeRequested() override { Label3_Click(1); }
    virtual void Label3_Click(int Index) = 0;

    // Shows the screen copy and holds the print copy of a page; an empty name clears them.
    void showPage(const QString& screenCopy, const QString& printCopy);
    // Prints the print copy: an empty line, the picture at 1000, 1000 twips, the end of the page.
    void printPage();

    ImageBox* Image1;
    ImageBox* Image2;
    Label* Label1;
    ControlArray<Label> Label3;
    // Shown in place of a page whose file cannot be read.
    Label* missingPage;
};

// "Page 2 of 4".
QString pageCaption(int page, int pages);
