#pragma once

#include "screens/reading/PageScreen.h"

// The teachers' guide: its four pages, one at a time, each printable.
class guide : public PageScreen {
public:
    guide();

    void Form_Load() override;
    void Form_MouseMove(const MouseArgs& args) override;
    void Label3_Click(int Index) override;
    void Label3_MouseMove(int Index, const MouseArgs& args);
};
