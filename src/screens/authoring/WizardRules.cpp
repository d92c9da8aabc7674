#include "screens/authoring/WizardRules.h"

#include "app/Messages.h"
#include "formats/Errors.h"

#include <QStringList>
#include <algorithm>

namespace {

QString numbered(const char* text, int q) {
    return QString::fromLatin1(text) + numberText(q);
}

QString questionProblem(const DraftQuestion& question, int q) {
    const QString incomplete = numbered("You have not completed Question", q);
    if (question.text.isEmpty())
        return incomplete;
    int ticks = 0;
    for (int a = 0; a < 4; ++a) {
        if (question.answers[a].isEmpty())
            return incomplete;
        if (question.ticked[a])
            ++ticks;
    }
    if (ticks == 0)
        return numbered("You have not ticked the correct answer for Question", q);
    if (ticks > 1)
        return numbered("You have ticked more than one correct answer for Question", q);
    return {};
}

bool isForbiddenInFileName(QChar c) {
    return c.category() == QChar::Other_Control || QStringLiteral("/\\:*?\"<>|").contains(c);
}

// Windows gives these names to devices, with any extension and any case.
bool isDeviceName(const QString& title) {
    static const QStringList devices = {QStringLiteral("CON"),    QStringLiteral("PRN"),
                                        QStringLiteral("AUX"),    QStringLiteral("NUL"),
                                        QStringLiteral("CONIN$"), QStringLiteral("CONOUT$")};
    QString stem = title;
    while (stem.endsWith(QLatin1Char(' ')) || stem.endsWith(QLatin1Char('.')))
        stem.chop(1);
    stem = stem.toUpper();
    if (devices.contains(stem))
        return true;
    return stem.size() == 4 &&
           (stem.startsWith(QLatin1String("COM")) || stem.startsWith(QLatin1String("LPT"))) &&
           stem[3] >= QLatin1Char('1') && stem[3] <= QLatin1Char('9');
}

// "." and "..", and any title of dots and blanks only, name no worksheet a teacher can find.
bool isDotsAndBlanks(const QString& title) {
    return std::all_of(title.begin(), title.end(),
                       [](QChar c) { return c == QLatin1Char('.') || c == QLatin1Char(' '); });
}

} // namespace

namespace WizardRules {

QString firstProblem(const WorksheetDraft& draft) {
    if (draft.title.isEmpty())
        return QStringLiteral("You have not chosen a title for your worksheet");
    for (int q = 1; q <= QuestionCount; ++q) {
        const QString problem = questionProblem(draft.questions[q - 1], q);
        if (!problem.isEmpty())
            return problem;
    }
    return {};
}

WorksheetContent content(const WorksheetDraft& draft) {
    WorksheetContent worksheet;
    worksheet.title = draft.title;
    for (int i = 0; i < QuestionCount; ++i) {
        const DraftQuestion& from = draft.questions[i];
        QuestionEntry& to = worksheet.questions[i];
        to.text = from.text;
        to.answers = from.answers;
        const auto tick = std::find(from.ticked.begin(), from.ticked.end(), true);
        to.correct = tick == from.ticked.end() ? 0 : int(tick - from.ticked.begin()) + 1;
    }
    return worksheet;
}

TitleUse titleUse(const QString& title) {
    if (title.isEmpty() || isDotsAndBlanks(title) || isDeviceName(title) ||
        std::any_of(title.begin(), title.end(), isForbiddenInFileName))
        return TitleUse::NotAFileName;
    // Folders are found without regard to case, so "TRACK" would replace the catalogue.
    for (const char* own : {"track", "Introduction", "Rich and Poor", "Ships and Explorers"}) {
        if (title.compare(QLatin1String(own), Qt::CaseInsensitive) == 0)
            return TitleUse::Reserved;
    }
    return TitleUse::Fine;
}

QString replaceQuestion(const QString& savedName) {
    return QStringLiteral("There is already a worksheet called ") + savedName +
           QStringLiteral(". Do you want to replace it with this one?");
}

QString withAnd(const QString& text) {
    QString out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != QLatin1Char('&')) {
            out += text[i];
            continue;
        }
        if (!out.isEmpty() && !out.back().isSpace())
            out += QLatin1Char(' ');
        out += QStringLiteral("and");
        // At the end, as when typed, the next word is still to come.
        const bool touching = i > 0 && !text[i - 1].isSpace();
        if ((i + 1 < text.size() && !text[i + 1].isSpace()) || (i + 1 == text.size() && touching))
            out += QLatin1Char(' ');
    }
    return out;
}

QString ampersandNote(const QString& text) {
    QString asRead = text;
    asRead.replace(QLatin1Char('&'), QLatin1Char(','));
    return QStringLiteral("A worksheet keeps “&” as a comma: “%1” would read “%2”.")
        .arg(text, asRead);
}

QString questionFile(const QString& title) {
    // A name from a damaged or planted catalogue, or from a command line, must not lead out of
    // the worksheets' folder.
    if (title.contains(QLatin1Char('/')) || title.contains(QLatin1Char('\\')) || title.isEmpty() ||
        isDotsAndBlanks(title))
        throw FileAccessError('"' + title.toStdString() + "\" is not the name of a worksheet");
    return QStringLiteral("multiple/") + title + QStringLiteral(".txt");
}

} // namespace WizardRules
