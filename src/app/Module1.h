#pragma once

#include "formats/Catalogue.h"
#include "formats/QuestionFile.h"

#include <QString>
#include <array>

// The state screens hand to each other, for the whole run. Numbers start at 0 and texts
// empty; tables are indexed from 1 (index 0 is never used).
namespace Module1 {

inline QuestionTables Questions;
inline QString& WorksheetTitle = Questions.WorksheetTitle;
inline std::array<QString, 11>& QuestionText = Questions.QuestionText;
inline std::array<QString, 11>& AnswerA = Questions.AnswerA;
inline std::array<QString, 11>& AnswerB = Questions.AnswerB;
inline std::array<QString, 11>& AnswerC = Questions.AnswerC;
inline std::array<QString, 11>& AnswerD = Questions.AnswerD;
inline std::array<QString, 11>& CorrectAnswer = Questions.CorrectAnswer;

inline std::array<int, 11> PupilAnswer{};
inline int CurrentQuestion = 0;
inline int Score = 0;
inline int MaxScore = 0;
inline QString QuizSubject;

inline CatalogueState Catalogue;
inline int& WorksheetCount = Catalogue.WorksheetCount;
inline std::array<QString, 1001>& WorksheetNames = Catalogue.WorksheetNames;
inline QString& SelectedWorksheet = Catalogue.SelectedWorksheet;
inline int CataloguePage = 0;

inline int SoundOn = 0;

inline QString PageStem;
inline int PageCount = 0;
inline int PageNumber = 0;
inline int LogoFrame = 0;

// Back to the state at program start (tests start each case from it).
void reset();

// The catalogue file, as the program names it.
inline const QString trackFile = QStringLiteral("multiple\\track.txt");

} // namespace Module1
