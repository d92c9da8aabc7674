#include "formats/exchange/Gift.h"

#include "formats/Errors.h"
#include "formats/exchange/ExchangeText.h"

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

// The formats a text may name in front of it. The platform's own, "moodle", takes HTML as
// "html" does, and so does Markdown; only "plain" shows markup as typed.
enum class TextFormat { Moodle, Html, Markdown, Plain };

// A format marker ("[html]", "[plain]", ...) at the start of `text`, taken off with the blanks
// before it; any other bracket is text.
TextFormat takeFormat(QString& text, TextFormat fallback) {
    qsizetype start = 0;
    while (start < text.size() && text[start].isSpace())
        ++start;
    if (start == text.size() || text[start] != QLatin1Char('['))
        return fallback;
    static const std::pair<const char*, TextFormat> markers[] = {
        {"[html]", TextFormat::Html},
        {"[moodle]", TextFormat::Moodle},
        {"[markdown]", TextFormat::Markdown},
        {"[plain]", TextFormat::Plain}};
    for (const auto& [marker, format] : markers) {
        if (QStringView(text).mid(start).startsWith(QLatin1String(marker), Qt::CaseInsensitive)) {
            text.remove(0, start + qstrlen(marker));
            return format;
        }
    }
    return fallback;
}

QString plain(const QString& protectedText, TextFormat format, ExchangeText::Media& media) {
    const QString text = restore(protectedText);
    return format == TextFormat::Plain ? ExchangeText::collapsed(text)
                                       : ExchangeText::plainFromHtml(text, &media);
}

// The answers inside a question's braces, general feedback ("####...") and each answer's own
// feedback ("#...") left out.
struct Answers {
    qsizetype count = 0;
    // The first maxChoices answers: '=' or '~', then the text up to any feedback.
    QList<QChar> signs;
    QStringList texts;
    bool anyWrong = false;
    // Every answer "=item -> match".
    bool matching = true;
};

Answers splitAnswers(QStringView block) {
    Answers answers;
    const qsizetype general = block.indexOf(QLatin1String("####"));
    if (general >= 0)
        block = block.left(general);
    qsizetype i = 0;
    while (i < block.size() && block[i] != QLatin1Char('~') && block[i] != QLatin1Char('='))
        ++i;
    while (i < block.size()) {
        const QChar sign = block[i];
        qsizetype feedback = -1;
        qsizetype next = i + 1;
        // Inside feedback an '=' or '~' after a blank starts the next answer; one inside a word
        // ("2+2=4", style="...") is part of the feedback.
        for (; next < block.size(); ++next) {
            const QChar c = block[next];
            if (c == QLatin1Char('#') && feedback < 0)
                feedback = next;
            else if ((c == QLatin1Char('~') || c == QLatin1Char('=')) &&
                     (feedback < 0 || block[next - 1].isSpace()))
                break;
        }
        const QStringView text = block.mid(i + 1, (feedback < 0 ? next : feedback) - i - 1);
        answers.anyWrong = answers.anyWrong || sign == QLatin1Char('~');
        answers.matching =
            answers.matching && sign == QLatin1Char('=') && text.contains(QLatin1String("->"));
        if (++answers.count <= Exchange::maxChoices) {
            answers.signs.append(sign);
            answers.texts.append(text.toString());
        }
        i = next;
    }
    return answers;
}

void readAnswers(const Answers& answers, TextFormat format, Exchange::ReadQuestion& question,
                 ExchangeText::Media& media) {
    for (qsizetype a = 0; a < answers.signs.size(); ++a) {
        QString answer = answers.texts[a];
        double mark = answers.signs[a] == QLatin1Char('=') ? 100 : 0;
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
        const TextFormat own = takeFormat(answer, format);
        question.choices.append(plain(answer, own, media));
        question.marks.append(mark);
    }
    if (answers.count > Exchange::maxChoices)
        question.fault = Exchange::choiceCountMisfit(answers.count);
}

QString kindOfAnswers(QStringView block, const Answers& answers) {
    const qsizetype general = block.indexOf(QLatin1String("####"));
    const QStringView inside = (general < 0 ? block : block.left(general)).trimmed();
    const qsizetype feedback = inside.indexOf(QLatin1Char('#'));
    const QStringView bare = (feedback < 0 ? inside : inside.left(feedback)).trimmed();
    if (inside.isEmpty())
        return QStringLiteral("essay");
    for (const char* truth : {"T", "F", "TRUE", "FALSE"}) {
        if (bare.compare(QLatin1String(truth), Qt::CaseInsensitive) == 0)
            return QStringLiteral("true/false");
    }
    if (inside.startsWith(QLatin1Char('#')))
        return QStringLiteral("numerical");
    if (answers.count > 0 && answers.matching)
        return QStringLiteral("matching");
    if (!answers.anyWrong)
        return QStringLiteral("short answer");
    return QStringLiteral("multichoice");
}

// A question the file's rules cannot read: left out for `reason`, the rest of the file read on.
Exchange::ReadQuestion broken(const QString& text, const char* reason, int line) {
    Exchange::ReadQuestion question;
    question.line = line;
    question.text = ExchangeText::collapsed(restore(text));
    question.fault = QLatin1String(reason);
    return question;
}

Exchange::ReadQuestion readQuestion(QString block, int line) {
    block = block.trimmed();
    if (block.startsWith(QStringLiteral("::"))) {
        const qsizetype end = block.indexOf(QStringLiteral("::"), 2);
        if (end < 0)
            return broken(block, "a question name that is never closed", line);
        block = block.mid(end + 2).trimmed();
    }
    Exchange::ReadQuestion question;
    question.line = line;
    ExchangeText::Media media;
    const TextFormat format = takeFormat(block, TextFormat::Moodle);
    const qsizetype open = block.indexOf(QLatin1Char('{'));
    const qsizetype close = block.indexOf(QLatin1Char('}'));
    if (open < 0 && close < 0) {
        question.kind = QStringLiteral("description");
        question.text = plain(block, format, media);
        return question;
    }
    if (open >= 0 && close < 0)
        return broken(block.left(open), "a '{' that is never closed", line);
    if (open < 0 || close < open)
        return broken(block.left(close), "a '}' with no '{' before it", line);
    const qsizetype nested = block.indexOf(QLatin1Char('{'), open + 1);
    if ((nested >= 0 && nested < close) || block.indexOf(QLatin1Char('{'), close) >= 0 ||
        block.indexOf(QLatin1Char('}'), close + 1) >= 0)
        return broken(block.left(open), "more than one pair of braces", line);
    const QString inside = block.mid(open + 1, close - open - 1);
    const QString after = block.mid(close + 1).trimmed();
    question.text = plain(after.isEmpty() ? block.left(open)
                                          : block.left(open) + QStringLiteral(" _____ ") + after,
                          format, media);
    const Answers answers = splitAnswers(inside);
    question.kind = kindOfAnswers(inside, answers);
    if (question.kind == QLatin1String("multichoice"))
        readAnswers(answers, format, question, media);
    question.note = ExchangeText::mediaNote(media);
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

// HTML says what plain GIFT cannot: "->" among the answers makes the platform take the question
// for matching, and an answer opening with "%" reads as a weight after '=' for one reader and
// as text for another; "-&gt;" and "&#37;" read as typed everywhere.
bool needsHtml(const QuestionEntry& question) {
    const auto special = [](const QString& text) {
        return text.contains(QLatin1Char('<')) || text.contains(QLatin1Char('&')) ||
               text.contains(QLatin1String("->")) || text.startsWith(QLatin1Char('%'));
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
        const QStringView line = QStringView(bare).mid(from, end - from);
        from = end + 1;
        const QStringView trimmed = line.trimmed();
        if (trimmed.startsWith(QStringLiteral("//")))
            continue;
        if (trimmed.isEmpty()) {
            finish();
            continue;
        }
        if (trimmed.startsWith(QStringLiteral("$CATEGORY:"))) {
            finish();
            title = restore(ExchangeText::categoryTitle(trimmed.mid(10).toString()));
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
            if (!html)
                return escaped(text);
            QString markup = text.toHtmlEscaped();
            if (markup.startsWith(QLatin1Char('%')))
                markup.replace(0, 1, QStringLiteral("&#37;"));
            return escaped(markup);
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
            QString answer = field(question.answers[a]);
            // So does an answer: it names its format, the question's, first.
            if (answer.startsWith(QLatin1Char('[')))
                answer.prepend(html ? QStringLiteral("[html]") : QStringLiteral("[plain]"));
            out += (right ? QLatin1Char('=') : QLatin1Char('~')) + answer + QLatin1Char('\n');
        }
        out += QStringLiteral("}\n\n");
    }
    return out.toUtf8();
}

} // namespace Gift
