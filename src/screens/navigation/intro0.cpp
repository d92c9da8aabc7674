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
#include "screens/activities/ClassMode.h"
#include "screens/authoring/wizard.h"
#include "screens/authoring/worksheets.h"
#include "screens/navigation/MainMenuTopics.h"
#include "screens/navigation/Titlefrm.h"
#include "screens/navigation/TopicMenu.h"
#include "screens/reading/guide.h"
#include "screens/reading/teacher.h"

#include <algorithm>

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
    setAccessibleName(QStringLiteral("Main Menu"));
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

    findTopics();
    buildEntries();
    wireEvents();
    if (ClassMode::isOn()) {
        pupilLine =
            makeLabel(this, QStringLiteral("pupilLine"), -1, QString(), {120, 1800, 3075, 375},
                      {QStringLiteral("Tahoma"), 9.75, true, Colours::yellow, Label::Align::Left});
        onClickOf(*pupilLine, "pupilLine_Click", [this] { signInIfNeeded(true); });
        showPupil();
    }
}

void intro0::signInIfNeeded(bool always) {
    if (!pupilLine || (!always && !Module1::state.settings.Pupil.isEmpty()))
        return;
    ClassMode::signIn();
    showPupil();
}

void intro0::showPupil() {
    const QString& pupil = Module1::state.settings.Pupil;
    pupilLine->setCaption(pupil.isEmpty()
                              ? QStringLiteral("Who are you? Click to sign in.")
                              : QStringLiteral("Pupil: %1   (change pupil)").arg(pupil));
}

void intro0::findTopics() {
    const TopicDescription::Loaded loaded =
        TopicDescription::loadAll(ContentPath::resolve(TopicDescription::folder));
    for (const QString& problem : loaded.problems)
        qCWarning(lcTopics, "A topic was left out: %s", qUtf8Printable(problem));
    for (const Topic& topic : loaded.topics) {
        const QList<MainMenuTopics::Entry>& entries = MainMenuTopics::entries();
        const auto entry = std::find_if(entries.begin(), entries.end(), [&](const auto& e) {
            return e.topic && e.caption == topic.title;
        });
        if (entry == entries.end())
            qCWarning(lcTopics, "A topic was left out: the main menu has no topic called \"%s\"",
                      qUtf8Printable(topic.title));
        else if (!topics_.emplace(entry->index, topic).second)
            qCWarning(lcTopics,
                      "A topic was left out: \"%s\" is described twice; the folder \"%s\" is "
                      "used",
                      qUtf8Printable(topic.title), qUtf8Printable(topics_.at(entry->index).id));
    }
}

const Topic* intro0::topicAt(int index) const {
    const auto it = topics_.find(index);
    return it == topics_.end() ? nullptr : &it->second;
}

void intro0::buildEntries() {
    for (const MainMenuTopics::Entry& entry : MainMenuTopics::entries()) {
        Label* label = makeMenuEntry(this, Label2, QStringLiteral("Label2"), entry.index,
                                     entry.caption, entry.twips, entry.points, entry.box);
        label->setEnabled(!entry.topic || topicAt(entry.index));
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
    Module1::state.settings.SoundOn = 1;
    Timer1->setEnabled(true);
}

void intro0::Form_MouseMove(const MouseArgs&) {
    clearLights(Label2);
}

void intro0::Label2_MouseMove(int Index, const MouseArgs&) {
    lightUp(Label2, Index);
}

void intro0::Option1_Click() {
    Module1::state.settings.SoundOn = 1;
}

void intro0::Option2_Click() {
    Module1::state.settings.SoundOn = 0;
}

void intro0::Timer1_Timer() {
    // Whatever stops the reading stops it silently; what was read so far stays.
    try {
        ReadCatalogue(ContentPath::resolve(Module1::trackFile), Module1::state.catalogue.Catalogue);
    } catch (const std::exception& error) {
        qCWarning(lcContent, "catalogue %s not read at start: %s",
                  qUtf8Printable(Module1::trackFile), error.what());
    }
    Timer1->setEnabled(false);
    signInIfNeeded(false);
}

void intro0::Label2_Click(int Index) {
    if (const Topic* topic = topicAt(Index)) {
        TopicMenu::open(*topic);
        playClick();
        return;
    }
    switch (Index) {
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
        // A topic without content is disabled and never reaches here.
        break;
    }
    playClick();
}

void intro0::openTitleScreen() {
    Titlefrm::openAsWayOut();
}

void intro0::openAcknowledgements() {
    teacher::openAcknowledgements();
}

void intro0::openGuide() {
    guide::openAtFirstPage();
}

void intro0::closeRequested() {
    Label2_Click(Entry::Exit);
}
