#include "formats/exchange/Gift.h"

#include "formats/Errors.h"
#include "formats/exchange/ExchangeText.h"

#include <QRegularExpression>
#include <QStringList>
#include <algorithm>

namespace {

// Escaped characters stand in for themselves as private-use characters while the question
// is taken apart, so an escaped brace or tilde never counts as markup.
constexpr char16_t firstStandIn = 0xE000;
const QString escapable = QStringLiteral("\\~=#{}:n");

QString protect(const QString& text) {
    if (!text.contains(QLatin1Char('\\')))
        return text;
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const qsizetype at = i + 1 < text.size() && text[i] == QLatin1Char('\\')
                                 ? escapable.indexOf(text[i + 1])
                                 : -1;
        if (at >= 0) {
            out += QChar(static_cast<char16_t>(firstStandIn + at));
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

QString restore(QString text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        const int at = text[i].unicode() - firstStandIn;
        if (at >= 0 && at < escapable.size())
            text[i] = at == escapable.size() - 1 ? QChar(QLatin1Char('\n')) : escapable[at];
    }
    return text;
}

QString plain(const QString& protectedText, bool html) {
    const QString text = restore(protectedText);
    return html ? ExchangeText::plainFromHtml(text) : ExchangeText::collapsed(text);
}

QString categoryTitle(QString category) {
    category = category.trimmed();
    if (category.startsWith(QLatin1Char('$'))) {
        const qsizetype end = category.indexOf(QStringLiteral("$/"), 1);
        category = end > 0 ? category.mid(end + 2) : QString();
    }
    if (category.startsWith(QStringLiteral("top/")))
        category = category.mid(4);
    return category.section(QLatin1Char('/'), -1).trimmed();
}

QString braceMessage(int line, const char* what) {
    return QStringLiteral("The GIFT file has %1 in the question at line %2.")
        .arg(QLatin1String(what))
        .arg(line);
}

void readAnswers(const QString& block, bool html, Exchange::ReadQuestion& question) {
    qsizetype count = 0;
    qsizetype i = block.indexOf(QRegularExpression(QStringLiteral("[~=]")));
    while (i >= 0 && i < block.size()) {
        const bool right = block[i] == QLatin1Char('=');
        qsizetype next = i + 1;
        while (next < block.size() && block[next] != QLatin1Char('~') &&
               block[next] != QLatin1Char('='))
            ++next;
        if (++count > Exchange::maxChoices) {
            i = next;
            continue;
        }
        QString answer = block.mid(i + 1, next - i - 1);
        double mark = right ? 100 : 0;
        if (answer.startsWith(QLatin1Char('%'))) {
            const qsizetype close = answer.indexOf(QLatin1Char('%'), 1);
            if (close > 0) {
                bool ok = false;
                const double weight = answer.mid(1, close - 1).toDouble(&ok);
                if (ok)
                    mark = weight;
                answer = answer.mid(close + 1);
            }
        }
        answer = answer.section(QLatin1Char('#'), 0, 0);
        question.choices.append(plain(answer, html));
        question.marks.append(mark);
        i = next;
    }
    if (count > Exchange::maxChoices)
        question.fault = Exchange::choiceCountMisfit(count);
}

QString kindOfAnswers(const QString& answers) {
    const QString bare = answers.section(QLatin1Char('#'), 0, 0).trimmed().toUpper();
    if (answers.trimmed().isEmpty())
        return QStringLiteral("essay");
    if (bare == QLatin1String("T") || bare == QLatin1String("F") || bare == QLatin1String("TRUE") ||
        bare == QLatin1String("FALSE"))
        return QStringLiteral("true/false");
    if (answers.trimmed().startsWith(QLatin1Char('#')))
        return QStringLiteral("numerical");
    if (answers.contains(QStringLiteral("->")))
        return QStringLiteral("matching");
    if (!answers.contains(QLatin1Char('~')))
        return QStringLiteral("short answer");
    return QStringLiteral("multichoice");
}

Exchange::ReadQuestion readQuestion(QString block, int line) {
    Exchange::ReadQuestion question;
    question.line = line;
    block = block.trimmed();
    if (block.startsWith(QStringLiteral("::"))) {
        const qsizetype end = block.indexOf(QStringLiteral("::"), 2);
        if (end < 0)
            throw FormatError(
                braceMessage(line, "a question name that is never closed").toStdString());
        block = block.mid(end + 2).trimmed();
    }
    bool html = false;
    if (block.startsWith(QLatin1Char('['))) {
        const qsizetype end = block.indexOf(QLatin1Char(']'));
        if (end > 0) {
            html = block.mid(1, end - 1).compare(QLatin1String("html"), Qt::CaseInsensitive) == 0;
            block = block.mid(end + 1);
        }
    }
    const qsizetype open = block.indexOf(QLatin1Char('{'));
    const qsizetype close = block.indexOf(QLatin1Char('}'));
    if (open < 0 && close < 0) {
        question.kind = QStringLiteral("description");
        question.text = plain(block, html);
        return question;
    }
    if (open >= 0 && close < 0)
        throw FormatError(braceMessage(line, "a '{' that is never closed").toStdString());
    if (open < 0 || close < open)
        throw FormatError(braceMessage(line, "a '}' with no '{' before it").toStdString());
    const qsizetype nested = block.indexOf(QLatin1Char('{'), open + 1);
    if ((nested >= 0 && nested < close) || block.indexOf(QLatin1Char('{'), close) >= 0 ||
        block.indexOf(QLatin1Char('}'), close + 1) >= 0)
        throw FormatError(braceMessage(line, "more than one pair of braces").toStdString());
    const QString answers = block.mid(open + 1, close - open - 1);
    const QString after = block.mid(close + 1).trimmed();
    question.text = plain(after.isEmpty() ? block.left(open)
                                          : block.left(open) + QStringLiteral(" _____ ") + after,
                          html);
    question.kind = kindOfAnswers(answers);
    if (question.kind == QLatin1String("multichoice"))
        readAnswers(answers, html, question);
    return question;
}

QString escaped(const QString& text) {
    QString out;
    for (const QChar c : text) {
        if (QStringLiteral("\\~=#{}:").contains(c))
            out += QLatin1Char('\\');
        out += c;
    }
    return out;
}

bool needsHtml(const QuestionEntry& question) {
    const auto special = [](const QString& text) {
        return text.contains(QLatin1Char('<')) || text.contains(QLatin1Char('&'));
    };
    return special(question.text) ||
           std::any_of(question.answers.begin(), question.answers.end(), special);
}

} // namespace

namespace Gift {

bool looksLike(const QString& text) {
    const QString bare = protect(text);
    return bare.contains(QLatin1Char('{')) || bare.contains(QStringLiteral("$CATEGORY:"));
}

QList<Exchange::ReadQuestion> read(const QString& text, QString& title, int* unread) {
    QList<Exchange::ReadQuestion> questions;
    int beyond = 0;
    const QString bare = protect(text);
    QString block;
    int blockLine = 0;
    const auto finish = [&] {
        if (!block.trimmed().isEmpty() && questions.size() <= Exchange::maxQuestions)
            questions.append(readQuestion(block, blockLine));
        else if (!block.trimmed().isEmpty())
            ++beyond;
        block.clear();
    };
    // Lines as views of the text, so that a file of millions of short lines makes no string of
    // each.
    int n = 0;
    for (qsizetype from = 0; from <= bare.size(); ++n) {
        qsizetype end = bare.indexOf(QLatin1Char('\n'), from);
        if (end < 0)
            end = bare.size();
        QStringView line = QStringView(bare).mid(from, end - from);
        from = end + 1;
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        const QStringView trimmed = line.trimmed();
        if (trimmed.startsWith(QStringLiteral("//")))
            continue;
        if (trimmed.isEmpty()) {
            finish();
            continue;
        }
        if (trimmed.startsWith(QStringLiteral("$CATEGORY:"))) {
            finish();
            title = restore(categoryTitle(trimmed.mid(10).toString()));
            continue;
        }
        if (block.isEmpty())
            blockLine = n + 1;
        block += line;
        block += QLatin1Char('\n');
    }
    finish();
    if (unread)
        *unread = beyond;
    return questions;
}

QByteArray write(const WorksheetContent& worksheet) {
    QString out = QStringLiteral("// %1\n$CATEGORY: %2\n\n")
                      .arg(QStringLiteral("Worksheet written by The Orvelles"), worksheet.title);
    int number = 0;
    for (const QuestionEntry& question : worksheet.questions) {
        ++number;
        if (question.correct < 1 || question.correct > 4)
            throw FormatError("a question without one correct answer");
        const bool html = needsHtml(question);
        const auto field = [html](const QString& text) {
            return escaped(html ? text.toHtmlEscaped() : text);
        };
        // A text that opens with a bracket would read as a format of its own; naming one first
        // keeps it text.
        const QString format = html ? QStringLiteral("[html]")
                               : question.text.startsWith(QLatin1Char('['))
                                   ? QStringLiteral("[plain]")
                                   : QString();
        out +=
            QStringLiteral("::Question %1::%2%3 {\n").arg(number).arg(format, field(question.text));
        for (int a = 0; a < 4; ++a) {
            const bool right = a + 1 == question.correct;
            const QString answer = field(question.answers[a]);
            // An answer that opens with "%" would read as a weight: an explicit one goes first.
            if (answer.startsWith(QLatin1Char('%')))
                out += (right ? QStringLiteral("~%100%") : QStringLiteral("~%0%")) + answer;
            else
                out += (right ? QLatin1Char('=') : QLatin1Char('~')) + answer;
            out += QLatin1Char('\n');
        }
        out += QStringLiteral("}\n\n");
    }
    return out.toUtf8();
}

} // namespace Gift
