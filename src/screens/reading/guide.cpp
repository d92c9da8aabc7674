#include "screens/reading/guide.h"

#include "app/Screens.h"
#include "app/StandardWindow.h"
#include "platform/controls/MenuEntry.h"

#include <algorithm>

namespace {
// The numbered pages turned by Next and Previous; the keys page stands after them.
constexpr int numberedPages = 4;
constexpr int keysPage = numberedPages + 1;
} // namespace

guide::guide() : PageScreen(QStringLiteral("guide")) {
    setAccessibleName(QStringLiteral("Teachers' Guide"));
    Label1->setCaption(pageCaption(1, 4));
    // Unlike the page viewer, the guide's entries light up like the menus' entries do.
    Label3.forEach([this](int index, Label& button) {
        onMouseMoveOf(button, "Label3_MouseMove",
                      [this, index](const MouseArgs& args) { Label3_MouseMove(index, args); });
    });
}

void guide::Form_Load() {
    StandardWindow(*this);
}

guide& guide::openAtFirstPage() {
    guide& pages = Screens::touch<guide>();
    pages.showFirstPage();
    Screens::open(pages);
    return pages;
}

guide& guide::openAtKeysPage() {
    guide& pages = Screens::touch<guide>();
    pages.pageNumber_ = keysPage;
    pages.showPage(QStringLiteral("wmf\\guide5.wmf"), QStringLiteral("wmf2\\guide5.wmf"));
    pages.Label1->setCaption(QStringLiteral("Keys"));
    pages.Label3(Button::PreviousPage).setEnabled(true);
    pages.Label3(Button::NextPage).setEnabled(false);
    Screens::open(pages);
    return pages;
}

void guide::useForHelpKey() {
    Screen::setHelpKey([] { openAtKeysPage(); });
}

void guide::showFirstPage() {
    showPage(QStringLiteral("wmf\\guide1.wmf"), QStringLiteral("wmf2\\guide1.wmf"));
    pageNumber_ = 1;
}

void guide::Form_MouseMove(const MouseArgs&) {
    clearLights(Label3);
}

void guide::Label3_MouseMove(int Index, const MouseArgs&) {
    lightUp(Label3, Index);
}

void guide::Label3_Click(int Index) {
    switch (Index) {
    case Button::Print:
        printPage();
        return;
    case Button::Exit:
        Screens::unload(*this);
        return;
    case Button::NextPage:
        ++pageNumber_;
        break;
    case Button::PreviousPage:
        --pageNumber_;
        break;
    default:
        return;
    }
    showNumberedPage(std::min(pageNumber_, numberedPages));
}

void guide::showNumberedPage(int page) {
    pageNumber_ = page;
    if (page >= 1 && page <= numberedPages) {
        const QString number = QString::number(page);
        showPage(QStringLiteral("wmf\\guide") + number + QStringLiteral(".wmf"),
                 QStringLiteral("wmf2\\guide") + number + QStringLiteral(".wmf"));
        Label3(Button::PreviousPage).setEnabled(page != 1);
        Label3(Button::NextPage).setEnabled(page != numberedPages);
    }
    Label1->setCaption(pageCaption(page, numberedPages));
}
