#include "screens/authoring/wizard.h"

#include "app/Messages.h"
#include "app/Module1.h"
#include "app/Screens.h"
#include "app/Services.h"
#include "app/Sound.h"
#include "app/StandardWindow.h"
#include "formats/Catalogue.h"
#include "formats/Errors.h"
#include "formats/QuestionFile.h"
#include "platform/Colours.h"
#include "platform/ContentPath.h"
#include "platform/controls/MenuEntry.h"
#include "screens/authoring/SaveMessages.h"
#include "screens/exchange/WizardImport.h"

#include <QFileInfo>

namespace {

const QString tahoma = QStringLiteral("Tahoma");
const QString times = QStringLiteral("Times New Roman");
constexpr int Enter = 13;

// Where question q's block starts: two columns of five.
double columnLeft(int q) {
    return q <= 5 ? 240 : 6120;
}
double rowTop(int q) {
    return 1440.0 * ((q - 1) % 5);
}

// Answers A and C stand in the left half of a block, B and D in the right; A and B above.
struct AnswerPlace {
    double letter, tick, box, top;
};

AnswerPlace answerPlace(int q, int a) {
    const double x = columnLeft(q);
    const double top = (a < 2 ? 1230 : 1560) + rowTop(q);
    if (a % 2 == 0)
        return {x + 30, x + 240, x + 480, top};
    return {x + 2850, x + 3090, x + 3360, top};
}

TextBox* makeTextBox(QWidget* parent, const QString& name, int index, const QRectF& twips,
                     double points, int maxLength) {
    auto* box = new TextBox(parent);
    setControlName(box, name, index);
    box->setFontSpec(times, points);
    box->setMaxLength(maxLength);
    box->Move(twips.left(), twips.top(), twips.width(), twips.height());
    return box;
}

} // namespace

wizard::wizard() : Screen(QStringLiteral("wizard")) {
    setAccessibleName(QStringLiteral("Multiple Choice Wizard"));
    const QString label1 = QStringLiteral("Label1");
    Label1.add(0, makeLabel(this, label1, 0, QStringLiteral("Multiple Choice Wizard"),
                            {0, 0, 4320, 540}, {tahoma, 18, true, Colours::yellow}));
    Label1.add(1, makeLabel(this, label1, 1, QStringLiteral("Worksheet Title"),
                            {5160, 120, 2280, 345}, {tahoma, 14.25, true, Colours::yellow}));
    Text1 = makeTextBox(this, QStringLiteral("Text1"), -1, {7560, 120, 4215, 375}, 12,
                        WizardRules::TitleLength);
    // The labels beside the fields are drawn, so a screen reader hears these names instead.
    Text1->setAccessibleName(QStringLiteral("Worksheet Title"));
    for (int q = 1; q <= QuestionCount; ++q)
        buildQuestion(q);
    const QString label3 = QStringLiteral("Label3");
    makeMenuEntry(this, Label3, label3, Button::Exit, QStringLiteral("Exit"),
                  {10560, 7920, 1245, 495}, 15.75);
    makeMenuEntry(this, Label3, label3, Button::Save, QStringLiteral("Save Worksheet"),
                  {240, 7920, 3165, 495}, 15.75);
    wireEvents();
    setTabOrder();
    WizardImport::attach(*this);
}

void wizard::buildQuestion(int q) {
    const double x = columnLeft(q);
    const double top = rowTop(q);
    // Wider than the design asks, so "Question 10" stays on one line in every Tahoma.
    Label1.add(1 + q, makeLabel(this, QStringLiteral("Label1"), 1 + q,
                                QStringLiteral("Question") + numberText(q),
                                {x, 600 + top, 1500, 240}, {tahoma, 9.75, true, Colours::yellow}));
    Text2.add(q - 1, makeTextBox(this, QStringLiteral("Text2"), q - 1, {x, 840 + top, 5655, 375},
                                 12, WizardRules::QuestionLength));
    Text2(q - 1).setAccessibleName(QStringLiteral("Question") + numberText(q));
    for (int a = 0; a < 4; ++a)
        buildAnswer(q, a);
}

void wizard::buildAnswer(int q, int a) {
    const int index = 4 * (q - 1) + a;
    const AnswerPlace place = answerPlace(q, a);
    const QString letter = QString(QChar('A' + a)) + QLatin1Char('.');
    // The letter goes first, so the tick box beside it is drawn over any overhang.
    Label1.add(12 + index,
               makeLabel(this, QStringLiteral("Label1"), 12 + index, letter,
                         {place.letter, place.top, 240, 330}, {tahoma, 12, true, Colours::yellow}));
    auto* tick = new CheckBox(this);
    setControlName(tick, QStringLiteral("Check1"), index);
    tick->Move(place.tick, place.top, 255, 315);
    const QString answer =
        QStringLiteral("Question") + numberText(q) + QStringLiteral(" answer ") + QChar('A' + a);
    tick->setAccessibleName(answer + QStringLiteral(" is right"));
    Check1.add(index, tick);
    Text3.add(index,
              makeTextBox(this, QStringLiteral("Text3"), index, {place.box, place.top, 2295, 330},
                          9.75, WizardRules::AnswerLength));
    Text3(index).setAccessibleName(answer);
}

void wizard::wireEvents() {
    Label3.forEach([this](int index, Label& entry) {
        onClickOf(entry, "Label3_Click", [this, index] { Label3_Click(index); });
        onMouseMoveOf(entry, "Label3_MouseMove",
                      [this, index](const MouseArgs& args) { Label3_MouseMove(index, args); });
    });
    onKeyPressOf(*Text1, "Text1_KeyPress", [this](int key) { Text1_KeyPress(key); });
    Text2.forEach([this](int index, TextBox& box) {
        onKeyPressOf(box, "Text2_KeyPress", [this, index](int key) { Text2_KeyPress(index, key); });
    });
    Text3.forEach([this](int index, TextBox& box) {
        onKeyPressOf(box, "Text3_KeyPress", [this, index](int key) { Text3_KeyPress(index, key); });
    });
    Text2.forEach([this](int, TextBox& box) { offerAnd(box); });
    Text3.forEach([this](int, TextBox& box) { offerAnd(box); });
}

wizard& wizard::openToEdit(const WorksheetContent& worksheet) {
    wizard& editor = Screens::touch<wizard>();
    editor.fill(worksheet);
    Screens::open(editor);
    return editor;
}

void wizard::fill(const WorksheetContent& worksheet) {
    fillTitle(worksheet.title);
    for (int q = 0; q < QuestionCount; ++q)
        fillQuestion(q, worksheet.questions[q]);
}

void wizard::fillTitle(const QString& title) {
    Text1->setText(title);
}

void wizard::fillQuestion(int q, const QuestionEntry& entry) {
    Text2(q).setText(entry.text);
    for (int a = 0; a < 4; ++a) {
        Text3(4 * q + a).setText(entry.answers[a]);
        Check1(4 * q + a).setValue(a + 1 == entry.correct);
    }
}

// Typed or pasted, a new "&" is offered as "and" at once: the file would give it back as a
// comma. One the teacher kept is not asked about again.
void wizard::offerAnd(TextBox& box) {
    QObject::connect(&box, &QLineEdit::textChanged, this, [this, &box](const QString& text) {
        const qsizetype ampersands = text.count(QLatin1Char('&'));
        const qsizetype before = box.property("ampersands").toLongLong();
        box.setProperty("ampersands", ampersands);
        if (ampersands <= before)
            return;
        const QString withAnd = WizardRules::withAnd(text);
        const QString note = WizardRules::ampersandNote(text);
        if (withAnd.size() > box.maxLength()) {
            showMessage(note + QStringLiteral(" There is no room for “and” here."));
            return;
        }
        if (Services::messages().show(note + QStringLiteral(" Write “and” instead?"),
                                      MessageBox::Buttons::YesNo,
                                      QStringLiteral("The Orvelles")) == MessageBox::Answer::Yes)
            box.setText(withAnd);
    });
}

void wizard::setTabOrder() {
    keepTabChain();
    QWidget* previous = Text1;
    const auto follow = [&previous](QWidget* next) {
        QWidget::setTabOrder(previous, next);
        previous = next;
    };
    for (int i = 0; i < QuestionCount; ++i) {
        follow(&Text2(i));
        for (int a = 0; a < 4; ++a)
            follow(&Text3(4 * i + a));
    }
    Check1.forEach([&follow](int, CheckBox& tick) { follow(&tick); });
}

void wizard::Form_Load() {
    StandardWindow(*this);
    Check1.forEach([](int, CheckBox& tick) { tick.setBackColor(Colours::background); });
}

void wizard::showEvent(QShowEvent* event) {
    // The edit path fills the boxes before the wizard is shown: that is no unsaved typing.
    if (!keptTaken_) {
        kept_ = draft();
        keptTaken_ = true;
    }
    Screen::showEvent(event);
}

void wizard::closeRequested() {
    if (draft() != kept_ &&
        Services::messages().show(WizardRules::leaveUnsavedQuestion, MessageBox::Buttons::YesNo,
                                  QStringLiteral("The Orvelles")) != MessageBox::Answer::Yes)
        return;
    Label3_Click(Button::Exit);
}

void wizard::Form_MouseMove(const MouseArgs&) {
    clearLights(Label3);
}

void wizard::Label3_MouseMove(int Index, const MouseArgs&) {
    lightUp(Label3, Index);
}

void wizard::Label3_Click(int Index) {
    if (Index == Button::Exit)
        Screens::unload(*this);
    else if (Index == Button::Save)
        genwork();
    playClick();
}

void wizard::Text1_KeyPress(int KeyAscii) {
    if (KeyAscii == Enter)
        Text2(0).setFocus();
}

void wizard::Text2_KeyPress(int Index, int KeyAscii) {
    if (KeyAscii == Enter)
        Text3(4 * Index).setFocus();
}

void wizard::Text3_KeyPress(int Index, int KeyAscii) {
    if (KeyAscii != Enter)
        return;
    if (Index % 4 != 3)
        Text3(Index + 1).setFocus();
    else if ((Index + 1) / 4 < QuestionCount)
        Text2((Index + 1) / 4).setFocus();
}

WorksheetDraft wizard::draft() const {
    WorksheetDraft draft;
    draft.title = Text1->Text();
    for (int i = 0; i < QuestionCount; ++i) {
        DraftQuestion& question = draft.questions[i];
        question.text = Text2(i).Text();
        for (int a = 0; a < 4; ++a) {
            question.answers[a] = Text3(4 * i + a).Text();
            question.ticked[a] = Check1(4 * i + a).Value();
        }
    }
    return draft;
}

void wizard::genwork() {
    const QString problem = WizardRules::firstProblem(draft());
    if (problem.isEmpty())
        saveworksheet();
    else
        showMessage(problem);
}

void wizard::saveworksheet() {
    const QString title = Text1->Text();
    const WizardRules::TitleUse use = WizardRules::titleUse(title);
    if (use == WizardRules::TitleUse::Reserved) {
        showMessage(WizardRules::reservedTitleMessage);
        return;
    }
    try {
        // A title that would leave the worksheet folder or that some system cannot store.
        if (use == WizardRules::TitleUse::NotAFileName)
            throw FileAccessError("not a file name: " + title.toStdString());
        const QString path = ContentPath::resolve(WizardRules::questionFile(title));
        if (!mayReplace(path, title))
            return;
        writeQuestionFile(path, WizardRules::content(draft()));
        trackworksheets();
    } catch (const std::exception&) {
        showMessage(
            SaveMessages::forFailure(QStringLiteral("There was a problem saving your worksheet")));
        return;
    }
    kept_ = draft();
    showMessage(QStringLiteral("Your worksheet has been saved."));
}

bool wizard::mayReplace(const QString& path, const QString& title) {
    // Files are found without regard to case, so "ALPHA" would write over "Alpha.txt". The same
    // name exactly is the worksheet being edited, saved again as it always was.
    const QFileInfo file(path);
    const QString name = file.fileName();
    const QString typed = QFileInfo(WizardRules::questionFile(title)).fileName();
    if (name == typed || !file.exists())
        return true;
    return Services::messages().show(WizardRules::replaceQuestion(name.chopped(4)),
                                     MessageBox::Buttons::YesNo,
                                     QStringLiteral("The Orvelles")) == MessageBox::Answer::Yes;
}

void wizard::trackworksheets() {
    ::trackworksheets(ContentPath::resolve(Module1::trackFile), Text1->Text(),
                      Module1::state.catalogue.Catalogue);
}
