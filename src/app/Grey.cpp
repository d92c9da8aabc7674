#include "app/Grey.h"

#include "app/FullScreen.h"
#include "platform/Colours.h"
#include "platform/Twips.h"

Grey::Grey() : Screen(QStringLiteral("Grey")) {
    // Shown behind the title screen: a screen reader passing by hears what it is.
    setAccessibleName(QStringLiteral("The Orvelles background"));
    setCaption(QStringLiteral("Form1"));
    setSize(4800, 3600);
}

void Grey::Form_Load() {
    setBackColor(Colours::grey);
    // On a whiteboard it stands centred behind the screens, as every screen does, not in the
    // display's corner beside them.
    if (FullScreen::isOn())
        FullScreen::relayout(*this, Twips::perPixel());
}
