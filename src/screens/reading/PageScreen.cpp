#include "screens/reading/PageScreen.h"

#include "app/Messages.h"
#include "app/Services.h"
#include "platform/Colours.h"
#include "platform/PrinterSurface.h"
#include "platform/controls/MenuEntry.h"

PageScreen::PageScreen(const QString& name) : Screen(name) {
    Image1 = new ImageBox(this);
    setControlName(Image1, QStringLiteral("Image1"));
    Image1->Move(120, 0, 0, 0);
    Image2 = new ImageBox(this);
    setControlName(Image2, QStringLiteral("Image2"));
    Image2->hide();
    missingPage =
        makeLabel(this, QStringLiteral("missingPage"), -1,
                  QStringLiteral("This page could not be found."), {120, 3600, 10320, 600},
                  {QStringLiteral("Tahoma"), 18, true, Colours::yellow, Label::Align::Center});
    missingPage->hide();

    Label1 =
        makeLabel(this, QStringLiteral("Label1"), -1, QString(), {4200, 7920, 2295, 495},
                  {QStringLiteral("Tahoma"), 15.75, true, Colours::black, Label::Align::Center});
    Label1->setBackColor(Colours::white);
    Label1->setOpaque(true);
    Label1->setBorder(true);

    const QString entry = QStringLiteral("Label3");
    makeMenuEntry(this, Label3, entry, Button::Print, QStringLiteral("Print"),
                  {10680, 120, 1125, 495}, 15.75);
    makeMenuEntry(this, Label3, entry, Button::Exit, QStringLiteral("Exit"),
                  {10680, 7920, 1125, 495}, 15.75);
    makeMenuEntry(this, Label3, entry, Button::NextPage, QStringLiteral("Next Page"),
                  {6720, 7920, 2685, 495}, 15.75);
    makeMenuEntry(this, Label3, entry, Button::PreviousPage, QStringLiteral("Previous Page"),
                  {1320, 7920, 2685, 495}, 15.75);
    Label3(Button::PreviousPage).setEnabled(false);
    Label3.forEach([this](int index, Label& button) {
        onClickOf(button, "Label3_Click", [this, index] { Label3_Click(index); });
    });
}

void PageScreen::showPage(const QString& screenCopy, const QString& printCopy) {
    const bool shown = Image1->LoadPicture(screenCopy);
    Image2->LoadPicture(printCopy);
    missingPage->setVisible(!shown && !screenCopy.isEmpty());
}

void PageScreen::printPage() {
    try {
        std::unique_ptr<PrinterSurface> printer = Services::newPrinter();
        printer->printLine();
        printer->drawPicture(Image2->picture(), 1000, 1000);
        printer->endDocument();
    } catch (const std::exception&) {
        showMessage(QStringLiteral("There was a problem printing to your printer."));
    }
}

QString pageCaption(int page, int pages) {
    return QStringLiteral("Page") + numberText(page) + QStringLiteral(" of") + numberText(pages);
}
