#pragma once

#include "formats/Catalogue.h"
#include "formats/ClampedInt.h"
#include "formats/QuestionFile.h"

#include <QString>
#include <array>

// The state screens hand to each other, for the whole run, grouped by what it is about. A
// fresh group holds numbers 0 and empty texts; tables are indexed from 1 (index 0 is never
// used). A number with a range stores a value from outside it as the nearer end.
namespace Module1 {

// The quiz or board in progress, and the worksheet the quiz asks.
struct QuizState {
    static constexpr int LastQuestion = 10;
    // 0 before any quiz, then the question shown, and one past the last once it is answered.
    using QuestionNumber = ClampedInt<0, LastQuestion + 1>;

    // The worksheet as loaded from its question file.
    QuestionTables Questions;
    // For questions 1..10: 1 where the pupil chose the correct answer, else 0.
    std::array<int, LastQuestion + 1> PupilAnswer{};
    // The quiz's place, as QuestionNumber says.
    QuestionNumber CurrentQuestion;
    // What the activity just finished scored: right answers, or labels placed on a board.
    int Score = 0;
    // The most that activity can score.
    int MaxScore = 0;
    // The quiz's subject, as its heading read, for the certificate.
    QString QuizSubject;
};

// The teachers' own worksheets, as the catalogue screen lists them.
struct WorksheetCatalogue {
    // The names last read from the catalogue file, and the one chosen for removal.
    CatalogueState Catalogue;
    // The page of names on screen, counting from 0.
    int CataloguePage = 0;
    // Whether the teacher has been told this run that the shared folder cannot keep worksheets
    // safe; the long explanation once is enough.
    bool UnsafeFolderTold = false;
};

// The pages of a topic, or of the guide, being read.
struct PageState {
    // The topic's page files are named from this.
    QString PageStem;
    // How many pages the topic has.
    int PageCount = 0;
    // The page on screen, from 1; the guide counts its own pages here too, whatever PageCount.
    int PageNumber = 0;
    // The frame of the acknowledgements' turning logo, one of its 20 pictures.
    ClampedInt<0, 19> LogoFrame;
};

// What the pupil chose for the whole run.
struct Settings {
    // 1 for sound on; any other value is off.
    int SoundOn = 0;
};

// Everything the screens share; a group or the whole is reset by assigning it a fresh value.
struct State {
    // The quiz or board in progress.
    QuizState quiz;
    // The teachers' worksheets listed.
    WorksheetCatalogue catalogue;
    // The pages being read.
    PageState pages;
    // The pupil's choices.
    Settings settings;
};

// The one state of the run.
inline State state;

// The names the screens use, each a reference into `state`: one object for the whole program,
// since inline variables are shared by every file that includes this.
inline QuestionTables& Questions = state.quiz.Questions;
inline QString& WorksheetTitle = Questions.WorksheetTitle;
inline std::array<QString, 11>& QuestionText = Questions.QuestionText;
inline std::array<QString, 11>& AnswerA = Questions.AnswerA;
inline std::array<QString, 11>& AnswerB = Questions.AnswerB;
inline std::array<QString, 11>& AnswerC = Questions.AnswerC;
inline std::array<QString, 11>& AnswerD = Questions.AnswerD;
inline std::array<QString, 11>& CorrectAnswer = Questions.CorrectAnswer;
inline std::array<int, 11>& PupilAnswer = state.quiz.PupilAnswer;
inline QuizState::QuestionNumber& CurrentQuestion = state.quiz.CurrentQuestion;
inline int& Score = state.quiz.Score;
inline int& MaxScore = state.quiz.MaxScore;
inline QString& QuizSubject = state.quiz.QuizSubject;

inline CatalogueState& Catalogue = state.catalogue.Catalogue;
inline auto& WorksheetCount = Catalogue.WorksheetCount;
inline std::array<QString, CatalogueState::MaxNames + 1>& WorksheetNames = Catalogue.WorksheetNames;
inline QString& SelectedWorksheet = Catalogue.SelectedWorksheet;
inline int& CataloguePage = state.catalogue.CataloguePage;
inline bool& UnsafeFolderTold = state.catalogue.UnsafeFolderTold;

inline QString& PageStem = state.pages.PageStem;
inline int& PageCount = state.pages.PageCount;
inline int& PageNumber = state.pages.PageNumber;
inline auto& LogoFrame = state.pages.LogoFrame;

inline int& SoundOn = state.settings.SoundOn;

// Back to the state at program start (tests start each case from it).
void reset();

// The catalogue file, as the program names it.
inline const QString trackFile = QStringLiteral("multiple\\track.txt");

} // namespace Module1
