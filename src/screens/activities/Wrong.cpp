#include "screens/activities/Wrong.h"

#include "app/Screens.h"
#include "app/StandardWindow.h"
#include "platform/Colours.h"
#include "platform/controls/MenuEntry.h"
#include "screens/activities/Welldone.h"
#include "screens/activities/multiple.h"

namespace {
const QString heading = QStringLiteral("You answered the following questions incorrectly.");
const double lineStep = 600;
} // namespace

Wrong::Wrong() : Screen(QStringLiteral("Wrong")) {
    setAccessibleName(QStringLiteral("Wrong Answers"));
    const QString tahoma = QStringLiteral("Tahoma");
    Label6 = makeLabel(this, QStringLiteral("Label6"), -1, heading, {0, 120, 12000, 540},
                       {tahoma, 20.25, true, Colours::yellow, Label::Align::Center});
    Label4 = makeLabel(this, QStringLiteral("Label4"), -1, heading, {240, 960, 12000, 540},
                       {tahoma, 15.75, true, Colours::yellow, Label::Align::Left});
    for (int k = 0; k < QuestionCount; ++k) {
        Label* line = makeLabel(this, QStringLiteral("Label2"), k, QString(),
                                {120, 1680 + lineStep * k, 12000, 540},
                                {tahoma, 15.75, true, Colours::white, Label::Align::Left});
        line->hide();
        // Each line is a stop of Tab, so a screen reader reads the review a line at a time.
        line->setTakesKeys(true);
        Label2.add(k, line);
        Label* answer = makeLabel(this, QStringLiteral("Label7"), k, QString(),
                                  {840, 1680 + lineStep * k + 285, 11160, 300},
                                  {tahoma, 12, true, QColor(0, 255, 0), Label::Align::Left});
        answer->hide();
        Label7.add(k, answer);
    }
    Label5 = makeLabel(this, QStringLiteral("Label5"), -1,
                       QStringLiteral("Read the Key Facts and try again."), {0, 7920, 12000, 540},
                       {tahoma, 20.25, true, Colours::yellow, Label::Align::Center});
    Label* exit = makeMenuEntry(this, Label3, QStringLiteral("Label3"), Button::Exit,
                                QStringLiteral("Exit"), {10560, 7920, 1245, 495}, 15.75);
    onClickOf(*exit, "Label3_Click", [this] { Label3_Click(Button::Exit); });
    Label* again = makeMenuEntry(this, Label3, QStringLiteral("Label3"), Button::TryAgain,
                                 QStringLiteral("Try these again"), {8760, 960, 3045, 495}, 15.75);
    again->hide();
    onClickOf(*again, "Label3_Click", [this] { Label3_Click(Button::TryAgain); });
}

void Wrong::Form_Load() {
    StandardWindow(*this);
}

void Wrong::showReview(const QuizReview& review) {
    review_ = review;
    Label6->setCaption(review.title);
    Label4->setCaption(review.heading.isEmpty() ? heading : review.heading);
    const bool withAnswers = !review.rightAnswers.isEmpty();
    layOutLines(withAnswers);
    Label2.forEach([](int, Label& line) { line.hide(); });
    Label7.forEach([](int, Label& answer) { answer.hide(); });
    for (qsizetype i = 0; i < review.wrong.size(); ++i) {
        const QuizRules::ReviewLine& line = review.wrong[i];
        if (line.place < 0 || line.place >= QuestionCount)
            continue;
        Label2(line.place).setCaption(line.text);
        Label2(line.place).show();
        if (withAnswers) {
            const QString answer = QStringLiteral("Answer: ") + review.rightAnswers.value(i);
            Label7(line.place).setCaption(answer);
            Label7(line.place).show();
            // Read with the line it answers: a screen reader says a line's name, not its
            // description, when Tab reaches it.
            Label2(line.place).setAccessibleName(line.text + QStringLiteral(". ") + answer);
        }
    }
    Label3(Button::TryAgain).setVisible(review.again.has_value());
}

void Wrong::layOutLines(bool withAnswers) {
    // With answers, each row holds its line over its answer, both in a smaller size.
    Label2.forEach([withAnswers](int k, Label& line) {
        line.Move(120, 1680 + lineStep * k, 12000, withAnswers ? 300 : 540);
        line.setFontSize(withAnswers ? 12 : 15.75);
    });
}

void Wrong::Label3_Click(int Index) {
    if (Index == Button::TryAgain && review_.again) {
        const QuizAgain again = *review_.again;
        Screens::unload<Welldone>();
        Screens::unload(*this);
        multiple::retry(again);
        return;
    }
    Screens::unload<Welldone>();
    Screens::unload(*this);
}
