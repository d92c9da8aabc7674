#include "screens/activities/Wrong.h"

#include "app/Screens.h"
#include "app/StandardWindow.h"
#include "platform/Colours.h"
#include "platform/controls/MenuEntry.h"
#include "screens/activities/Welldone.h"

Wrong::Wrong() : Screen(QStringLiteral("Wrong")) {
    setAccessibleName(QStringLiteral("Wrong Answers"));
    const QString tahoma = QStringLiteral("Tahoma");
    const QString heading = QStringLiteral("You answered the following questions incorrectly.");
    Label6 = makeLabel(this, QStringLiteral("Label6"), -1, heading, {0, 120, 12000, 540},
                       {tahoma, 20.25, true, Colours::yellow, Label::Align::Center});
    Label4 = makeLabel(this, QStringLiteral("Label4"), -1, heading, {240, 960, 12000, 540},
                       {tahoma, 15.75, true, Colours::yellow, Label::Align::Left});
    for (int k = 0; k < QuestionCount; ++k) {
        Label* line = makeLabel(this, QStringLiteral("Label2"), k, QString(),
                                {120, 1680 + 600.0 * k, 12000, 540},
                                {tahoma, 15.75, true, Colours::white, Label::Align::Left});
        line->hide();
        // Each line is a stop of Tab, so a screen reader reads the review a line at a time.
        line->setTakesKeys(true);
        Label2.add(k, line);
    }
    Label5 = makeLabel(this, QStringLiteral("Label5"), -1,
                       QStringLiteral("Read the Key Facts and try again."), {0, 7920, 12000, 540},
                       {tahoma, 20.25, true, Colours::yellow, Label::Align::Center});
    Label* exit = makeMenuEntry(this, Label3, QStringLiteral("Label3"), Button::Exit,
                                QStringLiteral("Exit"), {10560, 7920, 1245, 495}, 15.75);
    onClickOf(*exit, "Label3_Click", [this] { Label3_Click(Button::Exit); });
}

void Wrong::Form_Load() {
    StandardWindow(*this);
}

void Wrong::showReview(const QuizReview& review) {
    Label6->setCaption(review.title);
    Label2.forEach([](int, Label& line) { line.hide(); });
    for (const QuizRules::ReviewLine& line : review.wrong) {
        Label2(line.place).setCaption(line.text);
        Label2(line.place).show();
    }
}

void Wrong::Label3_Click(int) {
    Screens::unload<Welldone>();
    Screens::unload(*this);
}
