#pragma once

#include "app/Screen.h"
#include "formats/QuestionFile.h"
#include "platform/controls/Buttons.h"
#include "platform/controls/ControlArray.h"
#include "platform/controls/Label.h"
#include "platform/controls/OptionGroup.h"
#include "platform/controls/PictureBox.h"
#include "screens/activities/ActivityOutcome.h"

// The multiple-choice quiz: the questions of a worksheet, one at a time, each with its four
// answers; scored at the end and handed to the results screen.
class multiple : public Screen {
public:
    multiple();

    // Opens the quiz at its first question on `worksheet`, headed by `subject`, with the
    // topic's small picture.
    static multiple& start(const QuestionTables& worksheet, const QString& subject,
                           const Picture& picture);
    // Opens "Try these again": only the questions of `again`, scored out of those, each under
    // its own number; its review shows the right answers.
    static multiple& retry(const QuizAgain& again);

    // The entries of Label3.
    struct Button {
        static constexpr int Previous = 0, Next = 1, Exit = 2, Print = 3;
    };

    void Form_Load() override;
    void Form_MouseMove(const MouseArgs& args) override;
    void closeRequested() override { Label3_Click(Button::Exit); }
    // Past the first question, or with an answer chosen.
    bool hasProgressToLose() const override;

    void showquest();
    void Label3_Click(int Index);
    void Label3_MouseMove(int Index, const MouseArgs& args);
    void Option1_Click(int Index);
    // The worksheet printout.
    void Printpage();

    // The answer chosen on screen: 1 to 4, or 0 when none is.
    int chosenOption() const;
    // The worksheet being asked.
    const QuestionTables& worksheet() const { return questions_; }
    // The question on screen, as QuestionNumber says.
    int currentQuestion() const { return currentQuestion_; }
    // The questions asked, in order: every one, or a retry's.
    const QList<int>& asked() const { return asked_; }
    // For question q: 1 where the pupil left it with the correct answer chosen, else 0.
    int pupilAnswer(int q) const { return pupilAnswers_.at(q); }

    // The heading "Multiple Choice".
    Label* Label1;
    // The subject the quiz was started with.
    Label* Label5;
    // The worksheet's title.
    Label* Label6;
    // The topic's small picture.
    PictureBox* Picture1;
    // "Question 1" to the last question's number.
    Label* Label4;
    // The question's text.
    Label* Label2;
    // Holds the four answers; named by the question for a screen reader, and where the focus
    // rests when a question appears.
    OptionGroup* Answers;
    // The answers A to D at 1 to 4, inside Answers.
    ControlArray<OptionButton> Option1;
    // "<< Previous Question", "Next Question >>" (on the last, "Check Score >>"), "Exit",
    // "Print Worksheet"; see Button.
    ControlArray<Label> Label3;

private:
    void begin(const QuestionTables& worksheet, const QString& subject, const Picture& picture,
               const QList<int>& asked);
    // The asked question after (step 1) or before (step -1) the one on screen; 0 past the end.
    int neighbour(int step) const;
    QuizReview review(const QuizRules::Outcome& scored) const;
    void buildOptions();
    void buildButtons();
    void clearAnswers();
    void scoreAndHandOver();

    QuestionTables questions_;
    QuestionNumber currentQuestion_;
    QList<int> asked_;
    bool retry_ = false;
    Picture picture_;
    PerQuestion<int> pupilAnswers_{};
    // For question q: the answer left chosen when the pupil went on, 1 to 4, or 0.
    PerQuestion<int> chosen_{};
};
