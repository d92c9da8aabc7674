#pragma once

#include "formats/QuestionFile.h"

#include <QString>
#include <array>

// What the wizard's boxes hold, question 1 first; answers and ticks in the order A to D.
struct DraftQuestion {
    QString text;
    std::array<QString, 4> answers;
    std::array<bool, 4> ticked{};
    bool operator==(const DraftQuestion&) const = default;
};

struct WorksheetDraft {
    QString title;
    std::array<DraftQuestion, QuestionCount> questions;
    bool operator==(const WorksheetDraft&) const = default;
};

namespace WizardRules {

// The characters each box of the wizard holds.
inline constexpr int TitleLength = 25;
inline constexpr int QuestionLength = 60;
inline constexpr int AnswerLength = 30;

// The message of the first check the draft fails, in the order the teacher is told about
// them; empty when every check passes. A text of blanks counts as filled.
QString firstProblem(const WorksheetDraft& draft);

// The worksheet to save from a draft that passed the checks.
WorksheetContent content(const WorksheetDraft& draft);

enum class TitleUse {
    Fine,
    // Not a name that every system can give a file in the worksheet folder.
    NotAFileName,
    // Names a file the program itself relies on: the catalogue or a built-in worksheet.
    Reserved,
};

TitleUse titleUse(const QString& title);

// `text` with each "&" written as "and", with blanks where a word touches it ("R&D": "R and D"),
// since a worksheet file reads "&" back as a comma.
QString withAnd(const QString& text);

// Said when "&" is typed into a question or answer: how `text`, the box's text, would read back.
QString ampersandNote(const QString& text);

// The question file of a worksheet, as the program writes the path. Throws FileAccessError for
// a title that would lead out of the worksheets' folder (a slash, a backslash, only dots).
QString questionFile(const QString& title);

// The question asked before a worksheet saved under another spelling of its name is replaced.
QString replaceQuestion(const QString& savedName);

// The question asked before the wizard is left with typing that was never saved.
inline const QString leaveUnsavedQuestion =
    QStringLiteral("Your worksheet has not been saved. Do you want to leave the wizard and lose "
                   "what you have typed?");

inline const QString reservedTitleMessage = QStringLiteral(
    "This title belongs to one of the program's own files. Please choose another title for "
    "your worksheet.");

} // namespace WizardRules
