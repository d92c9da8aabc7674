#pragma once

#include "platform/controls/PictureBox.h"
#include "platform/controls/Timer.h"
#include "screens/reading/PageScreen.h"

// The page viewer: a short document of ready-made pages (key facts, teacher's notes), one page
// at a time, or the acknowledgements page with the animated logo.
class teacher : public PageScreen {
public:
    teacher();

    void Form_Load() override;
    void Label3_Click(int Index) override;
    void Timer1_Timer();

    // The file names of page n of the document `stem`: screen copy and print copy.
    static QString screenCopy(const QString& stem, int page);
    static QString printCopy(const QString& stem, int page);

    // On the acknowledgements page: the animated logo.
    PictureBox* Picture1;
    // On the acknowledgements page: the publisher's logo.
    PictureBox* Picture2;
    // Turns the animated logo, one frame a tick.
    Timer* Timer1;

private:
    void showCurrentPage();
};
