#include "screens/authoring/worksheets.h"

#include "screens/activities/ClassResultsView.h"

#include "app/Messages.h"
#include "app/Module1.h"
#include "app/Screens.h"
#include "app/Services.h"
#include "app/Sound.h"
#include "app/StandardWindow.h"
#include "formats/Catalogue.h"
#include "formats/Errors.h"
#include "formats/ItemReader.h"
#include "formats/QuestionFile.h"
#include "platform/Colours.h"
#include "platform/ContentPath.h"
#include "platform/Logging.h"
#include "platform/controls/MenuEntry.h"
#include "screens/activities/AnswerKeyMenu.h"
#include "screens/activities/multiple.h"
#include "screens/authoring/CataloguePages.h"
#include "screens/authoring/SaveMessages.h"
#include "screens/authoring/WizardRules.h"
#include "screens/authoring/wizard.h"
#include "screens/exchange/CatalogueMenu.h"
#include "screens/navigation/intro0.h"

#include <QContextMenuEvent>
#include <QMenu>

namespace {

const QString tahoma = QStringLiteral("Tahoma");

CheckBox* makeTickBox(QWidget* parent, const QString& name, const QString& caption, double left,
                      const QColor& text) {
    auto* tick = new CheckBox(parent);
    setControlName(tick, name);
    tick->setCaption(caption);
    tick->setFontSpec(tahoma, 12, true);
    tick->setColours(text, Colours::buttonFace);
    tick->Move(left, 120, 2535, 375);
    return tick;
}

} // namespace

worksheets::worksheets() : Screen(QStringLiteral("worksheets")) {
    setAccessibleName(QStringLiteral("Worksheet Catalogue"));
    Label1 =
        makeLabel(this, QStringLiteral("Label1"), -1, QStringLiteral("Worksheets Catalogue"),
                  {0, 0, 12000, 780}, {tahoma, 24, true, Colours::yellow, Label::Align::Center});
    Check1 = makeTickBox(this, QStringLiteral("Check1"), QStringLiteral("Edit Worksheet"), 120,
                         Colours::yellow);
    Check2 = makeTickBox(this, QStringLiteral("Check2"), QStringLiteral("Delete Worksheet"), 9240,
                         QColor(255, 0, 0));
    Label4 = makeLabel(this, QStringLiteral("Label4"), -1, QStringLiteral("Page 1"),
                       {120, 7920, 1995, 495},
                       {tahoma, 15.75, true, QColor(0, 0, 255), Label::Align::Center});
    Label4->setBackColor(Colours::white);
    Label4->setOpaque(true);
    Label4->setBorder(true);
    buildEntries();
    wireEvents();
    attachClassResults(*this);
}

void worksheets::buildEntries() {
    const QString name = QStringLiteral("Label2");
    makeMenuEntry(this, Label2, name, Entry::Exit, QStringLiteral("Exit"), {10560, 7920, 1245, 495},
                  18);
    for (int i = Entry::FirstName; i <= CataloguePages::PageSize; ++i) {
        const bool left = i <= 12;
        const double top = 720 + 600.0 * (left ? i - 1 : i - 13);
        makeMenuEntry(this, Label2, name, i, QString(), {left ? 120.0 : 6120.0, top, 5715, 375},
                      12);
    }
    const QString label3 = QStringLiteral("Label3");
    makeMenuEntry(this, Label3, label3, PageButton::Previous, QStringLiteral("<< Previous Page"),
                  {2640, 7920, 3195, 495}, 15.75);
    makeMenuEntry(this, Label3, label3, PageButton::Next, QStringLiteral("Next Page >>"),
                  {6000, 7920, 3195, 495}, 15.75);
    Label3.forEach([](int, Label& entry) { entry.hide(); });
}

void worksheets::wireEvents() {
    Label2.forEach([this](int index, Label& entry) {
        onClickOf(entry, "Label2_Click", [this, index] { Label2_Click(index); });
        onMouseMoveOf(entry, "Label2_MouseMove",
                      [this, index](const MouseArgs& args) { Label2_MouseMove(index, args); });
        entry.setRightClickGoesToWindow(index != Entry::Exit);
    });
    Label3.forEach([this](int index, Label& entry) {
        onClickOf(entry, "Label3_Click", [this, index] { Label3_Click(index); });
    });
    onClickOf(*Check1, "Check1_Click", [this] { Check1_Click(); });
    onClickOf(*Check2, "Check2_Click", [this] { Check2_Click(); });
}

void worksheets::Form_Load() {
    StandardWindow(*this);
    // A catalogue that cannot be read shows the names last read, or none.
    try {
        ReadCatalogue(ContentPath::resolve(Module1::trackFile), Module1::state.catalogue.Catalogue);
    } catch (const std::exception& error) {
        qCWarning(lcContent, "catalogue %s not read: %s", qUtf8Printable(Module1::trackFile),
                  error.what());
    }
    Check1->setBackColor(Colours::background);
    Check2->setBackColor(Colours::background);
    page_ = 0;
    for (int i = Entry::FirstName; i <= CataloguePages::PageSize; ++i)
        Label2(i).setFontSize(12);
    workpage();
}

void worksheets::workpage() {
    const CatalogueState& catalogue = Module1::state.catalogue.Catalogue;
    const int page = page_;
    const CataloguePages::PageView view = CataloguePages::pageView(page, catalogue.WorksheetCount);
    for (int i = Entry::FirstName; i <= CataloguePages::PageSize; ++i) {
        Label2(i).setCaption(QString());
        Label2(i).hide();
    }
    Label3(PageButton::Previous).setVisible(view.previous);
    Label3(PageButton::Next).setVisible(view.next);
    Label4->setCaption(view.caption);
    for (int k = view.first; k <= view.last; ++k) {
        Label& entry = Label2(k - CataloguePages::PageSize * page);
        entry.setCaption(catalogue.nameAt(k));
        entry.show();
    }
}

void worksheets::Form_MouseMove(const MouseArgs&) {
    clearLights(Label2);
}

void worksheets::Label2_MouseMove(int Index, const MouseArgs&) {
    lightUp(Label2, Index);
}

void worksheets::Check1_Click() {
    if (Check1->Value())
        Check2->setValue(false);
}

void worksheets::Check2_Click() {
    if (Check2->Value())
        Check1->setValue(false);
}

void worksheets::Label3_Click(int Index) {
    page_ += Index == PageButton::Previous ? -1 : 1;
    workpage();
    playClick();
}

void worksheets::Label2_Click(int Index) {
    // Here the click comes before the action.
    playClick();
    if (Index == Entry::Exit) {
        Screens::open<intro0>();
        Screens::unload(*this);
        return;
    }
    openWorksheet(Label2(Index).Caption());
}

void worksheets::openWorksheet(const QString& name) {
    try {
        // Removing needs nothing from the file, so a damaged worksheet can still be removed.
        if (Check2->Value() && !Check1->Value()) {
            removeWorksheet(name);
            return;
        }
        ItemReader file1 = ItemReader::open(ContentPath::resolve(WizardRules::questionFile(name)));
        QuestionTables worksheet;
        LoadQuestionFile(file1, worksheet);
        if (Check1->Value())
            editworksheet(worksheet);
        else
            openQuiz(worksheet);
    } catch (const std::exception&) {
        // Reading takes no lock, so only a removal meets a busy or unsafe folder.
        showMessage(
            SaveMessages::forFailure(QStringLiteral("This worksheet seems to be corrupted.")));
    }
}

void worksheets::openQuiz(const QuestionTables& worksheet) {
    // The main menu was unloaded on the way here; asking for its picture loads it again.
    const Picture globe = Screens::touch<intro0>().Image1->picture();
    multiple::start(worksheet, QStringLiteral("The Orvelles"), globe);
}

void worksheets::editworksheet(const QuestionTables& worksheet) {
    // Checked before the wizard is touched, so it is never left half filled: a correct answer
    // that is not 1 to 4 throws here.
    wizard::openToEdit(contentOf(worksheet));
}

void worksheets::removeWorksheet(const QString& name) {
    const QString question = QStringLiteral("Are you sure that you want to delete the worksheet ") +
                             name + QLatin1Char('?');
    if (Services::messages().show(question, MessageBox::Buttons::OkCancel, QString()) ==
        MessageBox::Answer::Cancel)
        return;
    Module1::state.catalogue.Catalogue.SelectedWorksheet = name;
    delworksheet();
    // A page emptied by the removal gives way to the last page that still has names.
    page_ =
        CataloguePages::pageAfterRemoval(page_, Module1::state.catalogue.Catalogue.WorksheetCount);
    workpage();
}

void worksheets::delworksheet() {
    ::delworksheet(ContentPath::resolve(Module1::trackFile), Module1::state.catalogue.Catalogue);
}

void worksheets::contextMenuEvent(QContextMenuEvent* event) {
    event->accept();
    for (int i = Entry::FirstName; i <= CataloguePages::PageSize; ++i) {
        Label& entry = Label2(i);
        if (!entry.isVisible() || entry.Caption().isEmpty() ||
            !entry.geometry().contains(event->pos()))
            continue;
        // One menu for a name: its answer key on paper, and its export to other programs.
        QMenu menu(this);
        // The quiz a catalogue name opens is headed "The Orvelles". A name that is no file
        // name has no answer key to print.
        try {
            addAnswerKeyEntry(menu, WizardRules::questionFile(entry.Caption()),
                              QStringLiteral("The Orvelles"));
            menu.addSeparator();
        } catch (const FileAccessError& error) {
            qCWarning(lcContent, "no answer key for %s: %s", qUtf8Printable(entry.Caption()),
                      error.what());
        }
        CatalogueMenu::addExports(menu, this, entry.Caption());
        menu.addSeparator();
        addClassResultsEntry(menu, *this);
        menu.exec(event->globalPos());
        return;
    }
    // Elsewhere on the catalogue: the teacher's view of the class.
    QMenu menu(this);
    addClassResultsEntry(menu, *this);
    menu.exec(event->globalPos());
}
