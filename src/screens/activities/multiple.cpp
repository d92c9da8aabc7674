#include "screens/activities/multiple.h"

#include "app/Messages.h"
#include "app/Module1.h"
#include "app/Screens.h"
#include "app/Services.h"
#include "app/Sound.h"
#include "app/StandardWindow.h"
#include "platform/Colours.h"
#include "platform/PrinterSurface.h"
#include "platform/controls/MenuEntry.h"
#include "screens/activities/ClassMode.h"
#include "screens/activities/Printouts.h"
#include "screens/activities/QuizRules.h"
#include "screens/activities/Welldone.h"

namespace {
const QString times = QStringLiteral("Times New Roman");
}

multiple::multiple() : Screen(QStringLiteral("multiple")) {
    Label1 = makeLabel(this, QStringLiteral("Label1"), -1, QStringLiteral("Multiple Choice"),
                       {120, 120, 5760, 900},
                       {QStringLiteral("Tahoma"), 36, true, Colours::yellow, Label::Align::Center});
    Label5 = makeLabel(this, QStringLiteral("Label5"), -1, QString(), {120, 1200, 6465, 585},
                       {times, 24, false, QColor(0, 255, 0), Label::Align::Center});
    Label6 = makeLabel(this, QStringLiteral("Label6"), -1, QString(), {120, 1920, 6465, 705},
                       {times, 24, false, QColor(128, 128, 255), Label::Align::Center});
    Picture1 = new PictureBox(this);
    setControlName(Picture1, QStringLiteral("Picture1"));
    Picture1->Move(6480, 240, 4095, 2535);
    Label4 =
        makeLabel(this, QStringLiteral("Label4"), -1, QStringLiteral("Question 1"),
                  {360, 3240, 5415, 615}, {times, 24, false, Colours::yellow, Label::Align::Left});
    Label2 = makeLabel(this, QStringLiteral("Label2"), -1, QString(), {960, 3960, 9840, 1455},
                       {times, 30, false, Colours::yellow, Label::Align::Center});
    buildOptions();
    buildButtons();
}

void multiple::buildOptions() {
    Answers = new OptionGroup(this);
    setControlName(Answers, QStringLiteral("Answers"));
    Answers->Move(2400, 5400, 6975, 600 * 3 + 525);
    onMouseMoveOf(*Answers, "Form_MouseMove",
                  [this](const MouseArgs& args) { Form_MouseMove(args); });
    for (int i = 1; i <= 4; ++i) {
        auto* option = new OptionButton(Answers);
        setControlName(option, QStringLiteral("Option1"), i);
        option->setFontSpec(times, 20.25);
        option->setColours(Colours::yellow, QColor(192, 192, 192));
        option->Move(0, 600.0 * (i - 1), 6975, 525);
        Option1.add(i, option);
        onClickOf(*option, "Option1_Click", [this, i] { Option1_Click(i); });
    }
}

void multiple::buildButtons() {
    const QString name = QStringLiteral("Label3");
    makeMenuEntry(this, Label3, name, Button::Previous, QStringLiteral("<< Previous Question"),
                  {2040, 7920, 3765, 495}, 15.75);
    makeMenuEntry(this, Label3, name, Button::Next, QStringLiteral("Next Question >>"),
                  {6000, 7920, 3765, 495}, 15.75);
    makeMenuEntry(this, Label3, name, Button::Exit, QStringLiteral("Exit"),
                  {10560, 7920, 1245, 495}, 15.75);
    makeMenuEntry(this, Label3, name, Button::Print, QStringLiteral("Print Worksheet"),
                  {7920, 1920, 3045, 495}, 15.75);
    Label3(Button::Previous).hide();
    setEnterEntry(&Label3(Button::Next));
    Label3.forEach([this](int index, Label& button) {
        onClickOf(button, "Label3_Click", [this, index] { Label3_Click(index); });
        onMouseMoveOf(button, "Label3_MouseMove",
                      [this, index](const MouseArgs& args) { Label3_MouseMove(index, args); });
    });
}

void multiple::Form_Load() {
    StandardWindow(*this);
    Option1.forEach([](int, OptionButton& option) { option.setBackColor(Colours::background); });
}

multiple& multiple::start(const QuestionTables& worksheet, const QString& subject,
                          const Picture& picture) {
    multiple& quiz = Screens::touch<multiple>();
    quiz.begin(worksheet, subject, picture, QuizRules::allQuestions());
    Screens::open(quiz);
    return quiz;
}

multiple& multiple::retry(const QuizAgain& again) {
    multiple& quiz = Screens::touch<multiple>();
    quiz.begin(again.worksheet, again.subject, again.picture, again.questions);
    quiz.retry_ = true;
    Screens::open(quiz);
    return quiz;
}

void multiple::begin(const QuestionTables& worksheet, const QString& subject,
                     const Picture& picture, const QList<int>& asked) {
    questions_ = worksheet;
    pupilAnswers_ = {};
    chosen_ = {};
    asked_ = asked.isEmpty() ? QuizRules::allQuestions() : asked;
    retry_ = false;
    picture_ = picture;
    currentQuestion_ = asked_.first();
    // Named before it opens, so that a screen reader says where the pupil now is.
    setAccessibleName(worksheet.WorksheetTitle + QStringLiteral(" – Multiple Choice"));
    Label6->setCaption(worksheet.WorksheetTitle);
    showquest();
    Picture1->setPicture(picture);
    Label5->setCaption(subject);
}

void multiple::clearAnswers() {
    Option1.forEach([](int, OptionButton& option) {
        option.setAutoExclusive(false);
        option.setValue(false);
        option.setAutoExclusive(true);
    });
}

bool multiple::hasProgressToLose() const {
    return neighbour(-1) != 0 || chosenOption() != 0;
}

int multiple::neighbour(int step) const {
    const qsizetype at = asked_.indexOf(int(currentQuestion_)) + step;
    return at >= 0 && at < asked_.size() ? asked_[at] : 0;
}

int multiple::chosenOption() const {
    for (int i = 1; i <= 4; ++i) {
        if (Option1(i).Value())
            return i;
    }
    return 0;
}

void multiple::showquest() {
    const int n = currentQuestion_;
    clearAnswers();
    Label3(Button::Previous).show();
    Label3(Button::Next).setCaption(QStringLiteral("Next Question >>"));
    Label4->setCaption(QuizRules::questionHeading(n));
    if (n >= 1 && n <= QuestionCount) {
        Label2->setCaption(questions_.QuestionText[n]);
        Option1(1).setCaption(questions_.AnswerA[n]);
        Option1(2).setCaption(questions_.AnswerB[n]);
        Option1(3).setCaption(questions_.AnswerC[n]);
        Option1(4).setCaption(questions_.AnswerD[n]);
    }
    if (neighbour(-1) == 0)
        Label3(Button::Previous).hide();
    if (neighbour(1) == 0)
        Label3(Button::Next).setCaption(QStringLiteral("Check Score >>"));
    // The focus rests on the group, none of whose answers holds it, so a key pressed before
    // the pupil answers chooses nothing by itself; a screen reader hears the new question as
    // the group's new name, or on coming to the group.
    Answers->setAccessibleName(Label4->Caption() + QStringLiteral(". ") + Label2->Caption());
    Answers->setFocus(Qt::OtherFocusReason);
}

void multiple::Label3_Click(int Index) {
    const int n = currentQuestion_;
    switch (Index) {
    case Button::Previous:
        if (neighbour(-1) != 0) {
            currentQuestion_ = neighbour(-1);
            showquest();
        }
        break;
    case Button::Next:
        if (n < 1 || n > QuestionCount)
            break;
        pupilAnswers_[n] = QuizRules::pupilAnswer(chosenOption(), questions_.CorrectAnswer[n]);
        chosen_[n] = chosenOption();
        if (neighbour(1) != 0) {
            currentQuestion_ = neighbour(1);
            showquest();
        } else {
            currentQuestion_ = QuestionCount + 1;
            scoreAndHandOver();
        }
        break;
    case Button::Exit:
        Screens::unload(*this);
        break;
    case Button::Print:
        Printpage();
        break;
    default:
        break;
    }
    playClick();
}

void multiple::scoreAndHandOver() {
    const QuizRules::Outcome scored =
        QuizRules::score(pupilAnswers_, questions_.QuestionText, asked_);
    // A board's certificate scored later in the run names this subject too.
    Module1::state.run.QuizSubject = Label5->Caption();
    ActivityOutcome::Done done{Label6->Caption(),
                               retry_ ? ClassRecord::retryActivity
                                      : QStringLiteral("Multiple Choice"),
                               {},
                               {}};
    const auto letter = [](int n) {
        return n >= 1 && n <= 4 ? QString(QChar(u'A' + n - 1)) : QString();
    };
    for (const int q : asked_)
        done.answers.append(
            {q, letter(chosen_[q]), letter(correctAnswerNumber(questions_.CorrectAnswer[q]))});
    Welldone::openWith(
        {scored.score, static_cast<int>(asked_.size()), Label5->Caption(), review(scored), done});
    Screens::unload(*this);
}

QuizReview multiple::review(const QuizRules::Outcome& scored) const {
    QuizReview review{Label6->Caption(), scored.wrong, {}, {}, {}, std::nullopt};
    if (scored.wrong.isEmpty() || !ClassMode::isOn())
        return review;
    QList<int> wrong;
    for (const int q : asked_)
        if (pupilAnswers_[q] == 0)
            wrong.append(q);
    if (retry_) {
        for (const int q : wrong)
            review.rightAnswers.append(
                answerText(questions_, q, correctAnswerNumber(questions_.CorrectAnswer[q])));
    } else {
        review.again = QuizAgain{questions_, Label5->Caption(), picture_, wrong};
    }
    return review;
}

void multiple::Form_MouseMove(const MouseArgs&) {
    clearLights(Label3);
}

void multiple::Label3_MouseMove(int Index, const MouseArgs&) {
    lightUp(Label3, Index);
}

void multiple::Option1_Click(int) {
    playSound(QStringLiteral("wav\\typekey.wav"));
}

void multiple::Printpage() {
    try {
        std::unique_ptr<PrinterSurface> printer = Services::newPrinter();
        printWorksheet(*printer, Label5->Caption(), Label6->Caption(), questions_);
    } catch (const std::exception&) {
        showMessage(QStringLiteral("There was a problem printing to your printer."));
        return;
    }
    showMessage(QStringLiteral("Your worksheet is now printing."));
}
