#pragma once

#include "app/Screen.h"

// The plain host window of the sound player. Created hidden by the first sound, shown behind
// the title screen, and never unloaded: it lives until the program ends.
class Grey : public Screen {
public:
    Grey();
    void Form_Load() override;
    void closeRequested() override {}
};
