#include "screens/activities/Welldone.h"

#include "screens/activities/ClassMode.h"

#include "app/Messages.h"
#include "app/Module1.h"
#include "app/Screens.h"
#include "app/Services.h"
#include "app/Sound.h"
#include "app/StandardWindow.h"
#include "platform/Colours.h"
#include "platform/PrintError.h"
#include "platform/PrinterSurface.h"
#include "platform/Twips.h"
#include "platform/controls/AccessibleControls.h"
#include "platform/controls/MenuEntry.h"
#include "screens/activities/Printouts.h"
#include "screens/activities/ScoreRules.h"
#include "screens/activities/Wrong.h"

#include <QFontMetricsF>

namespace {
const QString times = QStringLiteral("Times New Roman");
}

Welldone::Welldone() : Screen(QStringLiteral("Welldone")) {
    setAccessibleName(QStringLiteral("Results"));
    buildTexts();
    buildButtonsAndTimers();
}

void Welldone::buildTexts() {
    Label4 = makeLabel(this, QStringLiteral("Label4"), -1, QStringLiteral("Well Done!"),
                       {0, 120, 12000, 900},
                       {QStringLiteral("Tahoma"), 36, true, Colours::yellow, Label::Align::Center});
    Picture1 = new PictureBox(this);
    setControlName(Picture1, QStringLiteral("Picture1"));
    Picture1->Move(5880, 1440, 4800, 3600);
    const TextStyle big{times, 24, false, Colours::yellow, Label::Align::Center};
    Label1 = makeLabel(this, QStringLiteral("Label1"), -1, QString(), {0, 5400, 12000, 855}, big);
    Label5 =
        makeLabel(this, QStringLiteral("Label5"), -1, QString(), {1680, 6000, 8640, 1335}, big);
    Label5->hide();
    Label6 =
        makeLabel(this, QStringLiteral("Label6"), -1,
                  QStringLiteral("Read the Key Facts and try again."), {0, 6240, 12000, 855}, big);
    Text1 = new TextBox(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setFontSpec(times, 24);
    Text1->setMaxLength(25);
    // The name is printed, never saved, so any letter the printer's font has will do.
    Text1->setStorableOnly(false);
    Text1->Move(3120, 6600, 5760, 615);
    Text1->setAccessibleName(QStringLiteral("Your name for the certificate"));
    Text1->hide();
    Label2 = makeLabel(
        this, QStringLiteral("Label2"), -1,
        QStringLiteral("Enter your name in the box above before printing your certificate"),
        {3120, 7440, 5775, 855}, {times, 18, false, Colours::yellow, Label::Align::Center});
    Label2->hide();
}

void Welldone::buildButtonsAndTimers() {
    const QString name = QStringLiteral("Label3");
    makeMenuEntry(this, Label3, name, Button::PrintOrReview, QString(), {240, 1800, 3765, 495},
                  15.75);
    makeMenuEntry(this, Label3, name, Button::Exit, QStringLiteral("Exit"),
                  {10560, 7920, 1245, 495}, 15.75);
    Label3(Button::PrintOrReview).hide();
    Label3.forEach([this](int index, Label& button) {
        onClickOf(button, "Label3_Click", [this, index] { Label3_Click(index); });
        onMouseMoveOf(button, "Label3_MouseMove",
                      [this, index](const MouseArgs& args) { Label3_MouseMove(index, args); });
    });
    Timer1 = new Timer(this, 1);
    Timer2 = new Timer(this, 10);
    Timer3 = new Timer(this, 1);
    onTick(*Timer1, "Timer1_Timer", [this] { Timer1_Timer(); });
    onTick(*Timer2, "Timer2_Timer", [this] { Timer2_Timer(); });
    onTick(*Timer3, "Timer3_Timer", [this] { Timer3_Timer(); });
}

void Welldone::Form_Load() {
    StandardWindow(*this);
}

Welldone& Welldone::openWith(const ActivityOutcome& outcome) {
    ClassMode::record(outcome);
    // The review is made first, so it stands behind the results until it is asked for.
    if (outcome.review)
        Screens::touch<Wrong>().showReview(*outcome.review);
    Welldone& results = Screens::touch<Welldone>();
    results.showOutcome(outcome);
    Screens::open(results);
    return results;
}

void Welldone::showOutcome(const ActivityOutcome& outcome) {
    outcome_ = outcome;
    const int score = outcome.score;
    const int maxScore = outcome.maxScore;
    Label1->setCaption(ScoreRules::message(score, maxScore));
    if (ScoreRules::band(score, maxScore) == ScoreRules::Band::Full) {
        Label3(Button::PrintOrReview).setCaption(QStringLiteral("Print Certificate"));
        Label3(Button::PrintOrReview).show();
        // Enter in the name box prints, so the pupil at the box is one key from the certificate.
        setEnterEntry(&Label3(Button::PrintOrReview));
        Label6->hide();
        Text1->show();
        Label2->show();
    } else {
        Label3(Button::PrintOrReview).setCaption(QStringLiteral("Check Wrong Answers"));
        Label5->setCaption(
            outcome.review && !outcome.review->offer.isEmpty()
                ? outcome.review->offer
                : QStringLiteral(
                      "Click the button above to check which questions you answered incorrectly."));
    }
    if (outcome.review) {
        Label6->hide();
        Label5->show();
        Label3(Button::PrintOrReview).show();
    }
    Timer1->setEnabled(true);
}

void Welldone::Timer1_Timer() {
    Timer1->setEnabled(false);
    // The window is up now: the score is read out without the pupil going to it.
    AccessibleControls::announce(Label1);
    Timer2->setEnabled(true);
    Picture1->LoadPicture(QStringLiteral("images\\globesm.jpg"));
}

void Welldone::Timer2_Timer() {
    Timer2->setEnabled(false);
    Timer3->setEnabled(true);
    if (Text1->Visible()) {
        activateWindow();
        Text1->setFocus();
    }
    Label3(Button::PrintOrReview).setOpaque(true);
    Label3(Button::Exit).setOpaque(true);
}

void Welldone::Timer3_Timer() {
    Timer3->setEnabled(false);
    if (Module1::state.settings.SoundOn != 1)
        return;
    const QStringList choices = ScoreRules::sounds(outcome_.score);
    if (!choices.isEmpty())
        playSound(choices.value(Services::randomBelow(static_cast<int>(choices.size()))));
}

void Welldone::Label3_Click(int Index) {
    if (Index == Button::PrintOrReview && outcome_.score == outcome_.maxScore) {
        try {
            Printpage();
        } catch (const std::exception&) {
            showMessage(QStringLiteral("Printing has been cancelled."));
        }
        return;
    }
    if (Index == Button::PrintOrReview) {
        Screens::open<Wrong>();
    } else {
        Screens::unload<Wrong>();
        Screens::unload(*this);
    }
    playClick();
}

void Welldone::Form_MouseMove(const MouseArgs&) {
    clearLights(Label3);
}

void Welldone::Label3_MouseMove(int Index, const MouseArgs&) {
    lightUp(Label3, Index);
}

double Welldone::subjectWidthOnScreen() const {
    const QFontMetricsF metrics(font());
    return Twips::fromPixels(metrics.horizontalAdvance(outcome_.subject));
}

void Welldone::Printpage() {
    CertificateText text;
    text.subject = outcome_.subject;
    text.name = Text1->Text();
    text.score = outcome_.score;
    text.maxScore = outcome_.maxScore;
    text.subjectWidthOnScreen = subjectWidthOnScreen();
    try {
        std::unique_ptr<PrinterSurface> printer = Services::newPrinter();
        printCertificate(*printer, text);
    } catch (const PrintError&) {
        showMessage(QStringLiteral("There was a problem printing to your printer."));
        return;
    }
    showMessage(QStringLiteral("Your certificate is now printing."));
}
