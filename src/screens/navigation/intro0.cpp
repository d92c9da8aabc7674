#include "screens/navigation/intro0.h"

#include "app/Module1.h"
#include "app/Screens.h"
#include "app/Sound.h"
#include "app/StandardWindow.h"
#include "formats/Catalogue.h"
#include "platform/Colours.h"
#include "platform/ContentPath.h"
#include "platform/Logging.h"
#include "platform/controls/MenuEntry.h"
#include "screens/authoring/wizard.h"
#include "screens/authoring/worksheets.h"
#include "screens/navigation/MainMenuTopics.h"
#include "screens/navigation/Titlefrm.h"
#include "screens/navigation/TopicMenus.h"
#include "screens/reading/guide.h"
#include "screens/reading/teacher.h"

namespace {

OptionButton* makeSoundOption(QWidget* parent, const QString& name, const QString& caption,
                              double top) {
    auto* option = new OptionButton(parent);
    setControlName(option, name);
    option->setCaption(caption);
    option->setFontSpec(QStringLiteral("Tahoma"), 9.75, true);
    option->setColours(Colours::yellow, QColor(192, 192, 192));
    option->Move(10440, top, 1455, 255);
    return option;
}

} // namespace

intro0::intro0() : Screen(QStringLiteral("intro0")) {
    Label1 = makeLabel(
        this, QStringLiteral("Label1"), -1, QStringLiteral("The Orvelles"), {0, 120, 12000, 900},
        {QStringLiteral("Tahoma"), 32.25, true, Colours::yellow, Label::Align::Center});
    Label3 =
        makeLabel(this, QStringLiteral("Label3"), -1, MainMenuTopics::notice, {0, 8280, 12000, 375},
                  {QStringLiteral("Tahoma"), 9.75, false, Colours::yellow, Label::Align::Center});
    Option1 = makeSoundOption(this, QStringLiteral("Option1"), QStringLiteral("Sound On"), 120);
    Option2 = makeSoundOption(this, QStringLiteral("Option2"), QStringLiteral("Sound Off"), 480);
    Option1->setValue(true);

    Frame1 = new Frame(this);
    setControlName(Frame1, QStringLiteral("Frame1"));
    Frame1->Move(7110, 1320, 4335, 3975);
    Image1 = new ImageBox(Frame1);
    setControlName(Image1, QStringLiteral("Image1"));
    Image1->Move(120, 240, 0, 0);

    Timer1 = new Timer(this, 1);
    Timer1->setObjectName(QStringLiteral("Timer1"));

    buildEntries();
    wireEvents();
}

void intro0::buildEntries() {
    for (const MainMenuTopics::Entry& entry : MainMenuTopics::entries()) {
        Label* label = makeMenuEntry(this, Label2, QStringLiteral("Label2"), entry.index,
                                     entry.caption, entry.twips, entry.points, entry.box);
        label->setEnabled(entry.enabled);
    }
}

void intro0::wireEvents() {
    Label2.forEach([this](int index, Label& entry) {
        onClickOf(entry, "Label2_Click", [this, index] { Label2_Click(index); });
        onMouseMoveOf(entry, "Label2_MouseMove",
                      [this, index](const MouseArgs& args) { Label2_MouseMove(index, args); });
    });
    onClickOf(*Option1, "Option1_Click", [this] { Option1_Click(); });
    onClickOf(*Option2, "Option2_Click", [this] { Option2_Click(); });
    onTick(*Timer1, "Timer1_Timer", [this] { Timer1_Timer(); });
}

void intro0::Form_Load() {
    StandardWindow(*this);
    Image1->LoadPicture(QStringLiteral("Images\\globesm.jpg"));
    Option1->setBackColor(Colours::background);
    Option2->setBackColor(Colours::background);
    Frame1->setBackColor(Colours::background);
    Module1::SoundOn = 1;
    Timer1->setEnabled(true);
}

void intro0::Form_MouseMove(const MouseArgs&) {
    clearLights(Label2);
}

void intro0::Label2_MouseMove(int Index, const MouseArgs&) {
    lightUp(Label2, Index);
}

void intro0::Option1_Click() {
    Module1::SoundOn = 1;
}

void intro0::Option2_Click() {
    Module1::SoundOn = 0;
}

void intro0::Timer1_Timer() {
    // Whatever stops the reading stops it silently; what was read so far stays.
    try {
        ReadCatalogue(ContentPath::resolve(Module1::trackFile), Module1::Catalogue);
    } catch (const std::exception& error) {
        qCWarning(lcContent, "catalogue %s not read at start: %s",
                  qUtf8Printable(Module1::trackFile), error.what());
    }
    Timer1->setEnabled(false);
}

void intro0::Label2_Click(int Index) {
    switch (Index) {
    case Entry::Orvelles:
        Screens::open<orvelles>();
        break;
    case Entry::Rich:
        Screens::open<rich>();
        break;
    case Entry::Exit:
        openTitleScreen();
        break;
    case Entry::Wizard:
        Screens::open<wizard>();
        break;
    case Entry::Catalogue:
        Screens::open<worksheets>();
        Screens::unload(*this);
        break;
    case Entry::Acknowledgements:
        openAcknowledgements();
        break;
    case Entry::Guide:
        openGuide();
        break;
    default:
        // The topics without content are disabled and never reach here.
        break;
    }
    playClick();
}

void intro0::openTitleScreen() {
    Screens::touch<Titlefrm>().Command1->setCaption(QStringLiteral("Cancel"));
    Screens::open<Titlefrm>();
}

void intro0::openAcknowledgements() {
    teacher& viewer = Screens::touch<teacher>();
    viewer.Label1->hide();
    viewer.Label3(teacher::Button::NextPage).hide();
    viewer.Label3(teacher::Button::PreviousPage).hide();
    viewer.showPage(QStringLiteral("wmf\\acknowledgments.wmf"),
                    QStringLiteral("wmf2\\acknowledgments.wmf"));
    viewer.Picture2->LoadPicture(QStringLiteral("logo\\quenart2.bmp"));
    viewer.setBackColor(Colours::acknowledgements);
    viewer.Timer1->setEnabled(true);
    Screens::open(viewer);
}

void intro0::openGuide() {
    guide& pages = Screens::touch<guide>();
    pages.showPage(QStringLiteral("wmf\\guide1.wmf"), QStringLiteral("wmf2\\guide1.wmf"));
    Module1::PageNumber = 1;
    Screens::open(pages);
}

void intro0::closeRequested() {
    Label2_Click(Entry::Exit);
}
