#pragma once

#include "screens/navigation/TopicMenu.h"

// The menu of the first topic, "The Orvelles".
class orvelles : public TopicMenu {
public:
    orvelles();
};

// The menu of the topic "Rich and Poor".
class rich : public TopicMenu {
public:
    rich();
};
