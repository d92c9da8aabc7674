#include "formats/exchange/Aiken.h"

#include "formats/Errors.h"
#include "formats/exchange/ExchangeText.h"

#include <QRegularExpression>

namespace {

// A letter, then ')' or '.', then the choice: the platform takes "A)text" without a blank, but
// a '.' needs one, so that "U.S. coins" stays a question.
const QRegularExpression choiceLine(QStringLiteral("^([A-Z])(?:\\)\\s*|\\.\\s+)(\\S.*)$"));
// "ANSWER: B", and as the platform reads them "ANSWER: B." and "ANSWER: A (Madrid)".
const QRegularExpression answerLine(QStringLiteral("^ANSWER:\\s*([A-Z])(?![A-Za-z0-9]).*$"));

struct Pending {
    Exchange::ReadQuestion question;
    QString letters;
    bool open = false;
};

} // namespace

namespace Aiken {

bool looksLike(const QString& text) {
    return text.contains(QRegularExpression(QStringLiteral("^\\s*ANSWER:\\s*[A-Z](?![A-Za-z0-9])"),
                                            QRegularExpression::MultilineOption));
}

QList<Exchange::ReadQuestion> read(const QString& text, int* unread) {
    QList<Exchange::ReadQuestion> questions;
    int beyond = 0;
    Pending pending;
    const auto close = [&](const QString& fault) {
        if (pending.open && questions.size() > Exchange::maxQuestions)
            ++beyond;
        if (pending.open && questions.size() <= Exchange::maxQuestions) {
            // Past maxChoices only the choices' letters were kept; their count is the fault.
            pending.question.fault =
                fault.isEmpty() && pending.letters.size() > Exchange::maxChoices
                    ? Exchange::choiceCountMisfit(pending.letters.size())
                    : fault;
            pending.question.text = ExchangeText::collapsed(pending.question.text);
            questions.append(pending.question);
        }
        pending = Pending();
    };
    // Lines as views of the text, and the patterns tried only on lines that open as they do: a
    // file of millions of short lines makes no string of each.
    int n = 0;
    for (qsizetype from = 0; from <= text.size(); ++n) {
        qsizetype end = text.indexOf(QLatin1Char('\n'), from);
        if (end < 0)
            end = text.size();
        const QStringView line = QStringView(text).mid(from, end - from).trimmed();
        from = end + 1;
        if (line.isEmpty())
            continue;
        if (line.startsWith(QLatin1String("ANSWER:"))) {
            const auto answer = answerLine.match(line);
            if (!answer.hasMatch())
                close(QStringLiteral("an ANSWER line that names no letter"));
            else if (pending.letters.isEmpty())
                close(QStringLiteral("an ANSWER line with no choices before it"));
            else if (const qsizetype right = pending.letters.indexOf(answer.captured(1)); right < 0)
                close(
                    QStringLiteral("ANSWER %1 names none of its choices").arg(answer.captured(1)));
            else {
                if (right < pending.question.marks.size())
                    pending.question.marks[right] = 100;
                close(QString());
            }
            continue;
        }
        const auto choice = pending.open && line.size() > 2 && line[0] >= QLatin1Char('A') &&
                                    line[0] <= QLatin1Char('Z') &&
                                    (line[1] == QLatin1Char('.') || line[1] == QLatin1Char(')'))
                                ? choiceLine.match(line)
                                : QRegularExpressionMatch();
        if (choice.hasMatch()) {
            pending.letters += choice.captured(1);
            if (pending.letters.size() <= Exchange::maxChoices) {
                pending.question.choices.append(ExchangeText::collapsed(choice.captured(2)));
                pending.question.marks.append(0);
            }
            continue;
        }
        // A question is one line: any other line starts the next question, and the one before
        // is left out, whatever it lacks, without taking this line or its choices.
        if (pending.open)
            close(pending.letters.isEmpty() ? QStringLiteral("a line with no choices under it")
                                            : QStringLiteral("no ANSWER line"));
        pending.open = true;
        pending.question.text = line.toString();
        pending.question.line = n + 1;
    }
    if (pending.open)
        close(pending.letters.isEmpty() ? QStringLiteral("a line with no choices under it")
                                        : QStringLiteral("no ANSWER line"));
    if (unread)
        *unread = beyond;
    return questions;
}

QByteArray write(const WorksheetContent& worksheet) {
    QString out;
    int number = 0;
    for (const QuestionEntry& question : worksheet.questions) {
        ++number;
        if (question.correct < 1 || question.correct > 4)
            throw FormatError("a question without one correct answer");
        const QString text = ExchangeText::collapsed(question.text);
        if (choiceLine.match(text).hasMatch() || text.startsWith(QLatin1String("ANSWER:")))
            throw FormatError(QStringLiteral("Question %1 reads like an answer line, which Aiken "
                                             "cannot tell apart; please choose another format.")
                                  .arg(number)
                                  .toStdString());
        out += text + QLatin1Char('\n');
        for (int a = 0; a < 4; ++a)
            out += QStringLiteral("%1) %2\n")
                       .arg(QChar(u'A' + a), ExchangeText::collapsed(question.answers[a]));
        out += QStringLiteral("ANSWER: %1\n\n").arg(QChar(u'A' + question.correct - 1));
    }
    return out.toUtf8();
}

} // namespace Aiken
