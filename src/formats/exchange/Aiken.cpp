#include "formats/exchange/Aiken.h"

#include "formats/Errors.h"
#include "formats/exchange/ExchangeText.h"

#include <QRegularExpression>

namespace {

const QRegularExpression choiceLine(QStringLiteral("^([A-Z])[.)]\\s+(.*)$"));
const QRegularExpression answerLine(QStringLiteral("^ANSWER:\\s*([A-Z])\\s*$"));

struct Pending {
    Exchange::ReadQuestion question;
    QString letters;
    bool open = false;
};

} // namespace

namespace Aiken {

bool looksLike(const QString& text) {
    return text.contains(QRegularExpression(QStringLiteral("^\\s*ANSWER:\\s*[A-Z]\\s*$"),
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
        if (const auto answer = line.startsWith(QLatin1String("ANSWER:"))
                                    ? answerLine.match(line)
                                    : QRegularExpressionMatch();
            answer.hasMatch()) {
            if (!pending.open || pending.letters.isEmpty()) {
                close(QStringLiteral("an ANSWER line with no choices before it"));
                continue;
            }
            const qsizetype right = pending.letters.indexOf(answer.captured(1));
            if (right < 0) {
                close(
                    QStringLiteral("ANSWER %1 names none of its choices").arg(answer.captured(1)));
                continue;
            }
            if (right < pending.question.marks.size())
                pending.question.marks[right] = 100;
            close(QString());
            continue;
        }
        const auto choice = line.size() > 2 && line[0] >= QLatin1Char('A') &&
                                    line[0] <= QLatin1Char('Z') &&
                                    (line[1] == QLatin1Char('.') || line[1] == QLatin1Char(')'))
                                ? choiceLine.match(line)
                                : QRegularExpressionMatch();
        if (choice.hasMatch() && pending.open) {
            pending.letters += choice.captured(1);
            if (pending.letters.size() <= Exchange::maxChoices) {
                pending.question.choices.append(ExchangeText::collapsed(choice.captured(2)));
                pending.question.marks.append(0);
            }
            continue;
        }
        if (pending.open && !pending.letters.isEmpty())
            close(QStringLiteral("no ANSWER line"));
        if (pending.open) {
            pending.question.text += QLatin1Char(' ');
            pending.question.text += line;
        } else {
            pending.open = true;
            pending.question.text = line.toString();
            pending.question.line = n + 1;
        }
    }
    if (pending.open)
        close(QStringLiteral("no ANSWER line"));
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
        if (choiceLine.match(text).hasMatch() || answerLine.match(text).hasMatch())
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
