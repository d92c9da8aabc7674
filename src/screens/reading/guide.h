#pragma once

#include "screens/reading/PageScreen.h"

// The teachers' guide: its four pages, one at a time, each printable.
class guide : public PageScreen {
public:
    guide();

    // Opens the guide at its first page.
    static guide& openAtFirstPage();
    // Opens the guide at its page on the keys, which stands after its numbered pages; Previous
    // Page leads from there to the last of them.
    static guide& openAtKeysPage();
    // Makes F1 open the keys page from every screen.
    static void useForHelpKey();

    void Form_Load() override;
    void Form_MouseMove(const MouseArgs& args) override;
    void Label3_Click(int Index) override;
    void Label3_MouseMove(int Index, const MouseArgs& args);

    // The page on screen, from 1.
    int pageNumber() const { return pageNumber_; }

private:
    void showFirstPage();
    void showNumberedPage(int page);

    int pageNumber_ = 0;
};
