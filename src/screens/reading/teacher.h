#pragma once

#include "platform/controls/PictureBox.h"
#include "platform/controls/Timer.h"
#include "screens/reading/PageScreen.h"

// The page viewer: a short document of ready-made pages (key facts, teacher's notes), one page
// at a time, or the acknowledgements page with the animated logo.
class teacher : public PageScreen {
public:
    teacher();

    // Opens the document `stem` of `count` pages (1 to 3) at its first page; a screen reader
    // hears the window as `name` ("Key Facts").
    static teacher& openPages(const QString& stem, int count, const QString& name);
    // Opens the acknowledgements page, its turning logo and the publisher's logo.
    static teacher& openAcknowledgements();

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

    // The document opened: the stem its page files are named from, its pages, and the page on
    // screen, from 1.
    const QString& pageStem() const { return stem_; }
    int pageCount() const { return pageCount_; }
    int pageNumber() const { return pageNumber_; }

private:
    void showDocument(const QString& stem, int count);
    void showAcknowledgements();
    void showCurrentPage();

    QString stem_;
    int pageCount_ = 0;
    int pageNumber_ = 0;
};
