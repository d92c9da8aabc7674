#pragma once

#include "formats/exchange/Exchange.h"

#include <QList>
#include <QString>

// The texts an import brings into the wizard's boxes, as they will go in. A box holds 25 (title),
// 60 (question) or 30 (answer) characters, and a worksheet file keeps "&" as a comma: nothing
// is cut or changed without the teacher seeing it first.
namespace ImportFit {

struct Text {
    int question = -1; // its place in the worksheet, 0 to 9; -1 for the title
    int answer = -1;   // 0 to 3; -1 for the question's own text
    QString text;      // as it will go in, "&" already made "and"
    int limit = 0;     // the length its box holds
    bool ampersand = false;

    bool tooLong() const { return text.size() > limit; }
};

// Every text of the chosen questions (places in found.fitting, at most ten), and the file's
// title first when `withTitle`.
QList<Text> textsOf(const Exchange::Found& found, const QList<int>& picks, bool withTitle);

// Whether the teacher must see the texts before they go in.
bool needsReview(const QList<Text>& texts);

// Where a text goes, as the teacher reads it: "the title", "question 3", "question 3, answer B".
QString placeOf(const Text& text);

} // namespace ImportFit
