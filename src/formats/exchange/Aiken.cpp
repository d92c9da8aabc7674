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

QList<Exchange::ReadQuestion> read(const QString& text) {
    QList<Exchange::ReadQuestion> questions;
    Pending pending;
    const auto close = [&](const QString& fault) {
        if (pending.open && questions.size() <= Exchange::maxQuestions) {
            pending.question.fault = fault;
            pending.question.text = ExchangeText::collapsed(pending.question.text);
            questions.append(pending.question);
        }
        pending = Pending();
    };
    for (QString line : text.split(QLatin1Char('\n'))) {
        line = line.trimmed();
        if (line.isEmpty())
            continue;
        if (const auto answer = answerLine.match(line); answer.hasMatch()) {
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
            pending.question.marks[right] = 100;
            close(QString());
            continue;
        }
        const auto choice = choiceLine.match(line);
        if (choice.hasMatch() && pending.open) {
            pending.letters += choice.captured(1);
            pending.question.choices.append(ExchangeText::collapsed(choice.captured(2)));
            pending.question.marks.append(0);
            continue;
        }
        if (pending.open && !pending.letters.isEmpty())
            close(QStringLiteral("no ANSWER line"));
        if (pending.open) {
            pending.question.text += QLatin1Char(' ') + line;
        } else {
            pending.open = true;
            pending.question.text = line;
        }
    }
    if (pending.open)
        close(QStringLiteral("no ANSWER line"));
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
