#pragma once

#include "screens/reading/PageScreen.h"

// The teachers' guide: its four pages, one at a time, each printable.
class guide : public PageScreen {
public:
    guide();

    // Opens the guide at its first page.
    static guide& openAtFirstPage();

    void Form_Load() override;
    void Form_MouseMove(const MouseArgs& args) override;
    void Label3_Click(int Index) override;
    void Label3_MouseMove(int Index, const MouseArgs& args);

    // The page on screen, from 1.
    int pageNumber() const { return pageNumber_; }

private:
    void showFirstPage();

    int pageNumber_ = 0;
};
