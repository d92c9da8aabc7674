#include "QuestionFile.h"

#include <QHash>

#include <algorithm>

namespace quiz {
namespace {

const QHash<char16_t, char> windowsOnly{
    {u'\u20ac', '\x80'}, {u'\u201a', '\x82'}, {u'\u0192', '\x83'}, {u'\u201e', '\x84'},
    {u'\u2026', '\x85'}, {u'\u2020', '\x86'}, {u'\u2021', '\x87'}, {u'\u02c6', '\x88'},
    {u'\u2030', '\x89'}, {u'\u0160', '\x8a'}, {u'\u2039', '\x8b'}, {u'\u0152', '\x8c'},
    {u'\u017d', '\x8e'}, {u'\u2018', '\x91'}, {u'\u2019', '\x92'}, {u'\u201c', '\x93'},
    {u'\u201d', '\x94'}, {u'\u2022', '\x95'}, {u'\u2013', '\x96'}, {u'\u2014', '\x97'},
    {u'\u02dc', '\x98'}, {u'\u2122', '\x99'}, {u'\u0161', '\x9a'}, {u'\u203a', '\x9b'},
    {u'\u0153', '\x9c'}, {u'\u017e', '\x9e'}, {u'\u0178', '\x9f'}};

void checkField(const QString& what, const QString& text, int limit, QStringList& problems) {
    if (text.isEmpty())
        problems << what + " is empty";
    if (text.size() > limit)
        problems << QStringLiteral("%1 is %2 characters, more than %3: %4")
                        .arg(what)
                        .arg(text.size())
                        .arg(limit)
                        .arg(text);
    // "&" reads back as a comma; leading blanks and a leading quote are eaten by the reader.
    if (text.contains(u'&'))
        problems << what + " holds \"&\", which would read back as a comma";
    if (!text.isEmpty() && (text.front().isSpace() || text.back().isSpace()))
        problems << what + " starts or ends with a blank";
    if (text.startsWith(u'"'))
        problems << what + " starts with a double quote";
    if (!toWindows1252(text))
        problems << what + " has a character Windows-1252 cannot hold";
}

QByteArray field(const QString& text) {
    QString stored = text;
    stored.replace(u',', u'&');
    return *toWindows1252(stored) + "\r\n";
}

} // namespace

Worksheet parseSource(const QString& source, QStringList& errors) {
    Worksheet worksheet;
    const QStringList lines = source.split(u'\n');
    for (qsizetype n = 0; n < lines.size(); ++n) {
        const QString line = lines[n].trimmed();
        const QString where = QStringLiteral("line %1: ").arg(n + 1);
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        if (line.startsWith(u"Title:")) {
            worksheet.title = line.mid(6).trimmed();
        } else if (line.startsWith(u"Q:")) {
            worksheet.questions.push_back({line.mid(2).trimmed(), {}, 0});
        } else if (line.startsWith(u'-') || line.startsWith(u'*')) {
            if (worksheet.questions.isEmpty()) {
                errors << where + "answer before any question";
                continue;
            }
            Question& question = worksheet.questions.back();
            const auto filled = std::count_if(question.answers.begin(), question.answers.end(),
                                              [](const QString& a) { return !a.isEmpty(); });
            if (filled == 4) {
                errors << where + "a fifth answer";
                continue;
            }
            question.answers[size_t(filled)] = line.mid(1).trimmed();
            if (line.startsWith(u'*')) {
                if (question.correct != 0)
                    errors << where + "a second right answer";
                question.correct = int(filled) + 1;
            }
        } else {
            errors << where + "not a title, question or answer: " + line;
        }
    }
    return worksheet;
}

QStringList check(const Worksheet& worksheet) {
    QStringList problems;
    checkField(QStringLiteral("the title"), worksheet.title, maxTitleLength, problems);
    if (worksheet.questions.size() != questionCount)
        problems << QStringLiteral("%1 questions instead of %2")
                        .arg(worksheet.questions.size())
                        .arg(questionCount);
    for (qsizetype q = 0; q < worksheet.questions.size(); ++q) {
        const Question& question = worksheet.questions[q];
        const QString name = QStringLiteral("question %1").arg(q + 1);
        checkField(name, question.text, maxQuestionLength, problems);
        for (size_t a = 0; a < question.answers.size(); ++a)
            checkField(QStringLiteral("%1 answer %2").arg(name).arg(QChar(u'A' + int(a))),
                       question.answers[a], maxAnswerLength, problems);
        if (question.correct < 1 || question.correct > 4)
            problems << name + " has no right answer marked";
    }
    return problems;
}

std::optional<QByteArray> toWindows1252(const QString& text) {
    QByteArray out;
    out.reserve(text.size());
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u < 0x80 || (u >= 0xa0 && u <= 0xff))
            out.push_back(char(u));
        else if (auto hit = windowsOnly.constFind(u); hit != windowsOnly.cend())
            out.push_back(*hit);
        else
            return std::nullopt;
    }
    return out;
}

QByteArray encode(const Worksheet& worksheet) {
    QByteArray out = field(worksheet.title) + " \r\n";
    for (const Question& question : worksheet.questions) {
        out += field(question.text);
        for (const QString& answer : question.answers)
            out += field(answer);
        out += QByteArray::number(question.correct) + "\r\n";
        out += " \r\n";
    }
    return out;
}

} // namespace quiz
