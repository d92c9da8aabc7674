#include "app/Grey.h"

#include "platform/Colours.h"
#include "platform/Twips.h"

Grey::Grey() : Screen(QStringLiteral("Grey")) {
    setCaption(QStringLiteral("Form1"));
    setSize(4800, 3600);
}

void Grey::Form_Load() {
    setBackColor(Colours::grey);
}
