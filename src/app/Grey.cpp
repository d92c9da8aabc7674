#include "app/Grey.h"

#include "platform/Colours.h"
#include "platform/Twips.h"

Grey::Grey() : Screen(QStringLiteral("Grey")) {
    setCaption(QStringLiteral("Form1"));
    // Shown behind the title screen: a screen reader passing by hears what it is.
    setAccessibleName(QStringLiteral("The Orvelles background"));
    setSize(4800, 3600);
}

void Grey::Form_Load() {
    setBackColor(Colours::grey);
}
