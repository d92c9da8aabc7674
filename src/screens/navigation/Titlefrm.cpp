#include "screens/navigation/Titlefrm.h"

#include "app/Grey.h"
#include "app/Screens.h"
#include "app/Sound.h"
#include "app/StandardWindow.h"
#include "formats/Errors.h"
#include "platform/Colours.h"
#include "platform/Logging.h"
#include "platform/controls/MenuEntry.h"
#include "screens/navigation/Credits.h"
#include "screens/navigation/intro0.h"

#include <optional>

namespace {

const QColor green(0, 128, 0);
const QColor blue(0, 0, 255);
std::optional<QSizeF> testDisplay;

CommandButton* makeButton(QWidget* parent, const QString& name, const QString& caption,
                          double left) {
    auto* button = new CommandButton(parent);
    setControlName(button, name);
    button->setCaption(caption);
    button->setFontSpec(QStringLiteral("MS Sans Serif"), 8.25);
    button->setBackColor(Colours::buttonFace);
    button->Move(left, 6000, 1335, 375);
    return button;
}

} // namespace

Titlefrm::Titlefrm() : Screen(QStringLiteral("Titlefrm")) {
    setCaption(QStringLiteral(" "));
    // The title line stays blank as it always was; a screen reader still needs the window's name.
    setAccessibleName(QStringLiteral("The Orvelles"));
    setBackColor(Colours::buttonFace);
    setSize(5460, 6570);

    Frame1 = new Frame(this);
    setControlName(Frame1, QStringLiteral("Frame1"));
    Frame1->setBackColor(Colours::buttonFace);
    Frame1->Move(0, -90, 5480, 6660);

    const QString times = QStringLiteral("Times New Roman");
    Label4 = makeLabel(Frame1, QStringLiteral("Label4"), -1, QStringLiteral("The Orvelles"),
                       {60, 210, 5355, 705}, {times, 27.75, true, green, Label::Align::Center});
    Picture1 = new PictureBox(Frame1);
    setControlName(Picture1, QStringLiteral("Picture1"));
    Picture1->setBorder(false);
    Picture1->Move(480, 960, 4500, 3660);
    Image1 = new ImageBox(Picture1);
    setControlName(Image1, QStringLiteral("Image1"));
    Image1->Move(195, 0, 0, 0);
    Label1 = makeLabel(Frame1, QStringLiteral("Label1"), -1, Credits::author,
                       {360, 4710, 4695, 375}, {times, 15.75, false, blue, Label::Align::Center});
    Label5 = makeLabel(Frame1, QStringLiteral("Label5"), -1, Credits::programming,
                       {480, 5160, 4455, 375}, {times, 12, false, blue, Label::Align::Center});
    Label3 = makeLabel(Frame1, QStringLiteral("Label3"), -1, Credits::editor,
                       {480, 5520, 4455, 375}, {times, 12, false, blue, Label::Align::Center});
    Command1 = makeButton(Frame1, QStringLiteral("Command1"), QStringLiteral("OK"), 1320);
    Command2 = makeButton(Frame1, QStringLiteral("Command2"), QStringLiteral("Exit"), 2760);
    Label2 = makeLabel(Frame1, QStringLiteral("Label2"), -1, Credits::notice, {0, 6420, 5415, 255},
                       {QStringLiteral("Arial"), 8.25, false, green, Label::Align::Center});

    onClickOf(*Command1, "Command1_Click", [this] { Command1_Click(); });
    onClickOf(*Command2, "Command2_Click", [this] { Command2_Click(); });
}

void Titlefrm::setDisplayForTests(const QSizeF& displayTwips) {
    testDisplay = displayTwips;
}

Titlefrm& Titlefrm::openAsWayOut() {
    Titlefrm& title = Screens::touch<Titlefrm>();
    title.offerCancel();
    Screens::open(title);
    return title;
}

void Titlefrm::offerCancel() {
    Command1->setCaption(QStringLiteral("Cancel"));
}

void Titlefrm::Form_Load() {
    try {
        loadOwnLayout();
    } catch (const std::exception& error) {
        qCWarning(lcContent, "title screen laid out as any other: %s", error.what());
        loadStandardLayout();
    }
}

void Titlefrm::loadOwnLayout() {
    const QSizeF display = testDisplay.value_or(displaySizeTwips());
    Move(display.width() / 2 - Width() / 2, display.height() / 2 - Height() / 2);
    Picture1->setBackColor(Colours::background);
    Screens::open(Screens::touch<Grey>());
    if (!Image1->LoadPicture(QStringLiteral("images\\globesm.jpg")))
        throw FileAccessError("images\\globesm.jpg cannot be loaded");
}

void Titlefrm::loadStandardLayout() {
    if (testDisplay)
        StandardWindow(*this, *testDisplay);
    else
        StandardWindow(*this);
    Frame1->raise();
    Image1->LoadPicture(QStringLiteral("images\\globesm.jpg"));
}

void Titlefrm::Command1_Click() {
    Screens::open<intro0>();
    Screens::unload(*this);
    playClick();
}

void Titlefrm::Command2_Click() {
    playClick();
    Screens::end();
}

void Titlefrm::closeRequested() {
    Command2_Click();
}
