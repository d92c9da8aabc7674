#include "screens/navigation/TopicMenus.h"

#include "screens/activities/board/LabellingBoards.h"
#include "screens/activities/board/OrderingBoards.h"

orvelles::orvelles()
    : TopicMenu({QStringLiteral("orvelles"), QStringLiteral("The Orvelles"),
                 QStringLiteral("Images\\orvelles.jpg"), 810,
                 QStringLiteral("multiple\\Introduction.txt"),
                 QStringLiteral("images\\orvellessm.jpg"), QStringLiteral("The Orvelles"),
                 QStringLiteral("key introduction"), QStringLiteral("introduction"),
                 &openBoard<orvelleslab>, &openBoard<orvellesord>}) {}

rich::rich()
    : TopicMenu({QStringLiteral("rich"), QStringLiteral("Rich and Poor"),
                 QStringLiteral("Images\\richpoor.jpg"), 1080,
                 QStringLiteral("multiple\\Rich and Poor.txt"),
                 QStringLiteral("images\\richandpoorsm.jpg"), QStringLiteral("The Orvelles"),
                 QStringLiteral("key rich"), QStringLiteral("rich"), &openBoard<richlab>,
                 &openBoard<richord>}) {}
