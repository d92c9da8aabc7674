#include "QuizSource.h"

#include "formats/TextCodec.h"

#include <algorithm>

namespace quiz {
namespace {

void checkField(const QString& what, const QString& text, int limit, QStringList& problems) {
    if (text.isEmpty())
        problems << what + " is empty";
    if (text.size() > limit)
        problems << QStringLiteral("%1 is %2 characters, more than %3: %4")
                        .arg(what)
                        .arg(text.size())
                        .arg(limit)
                        .arg(text);
    // "&" reads back as a comma, and the writer stores a leading double quote as a typographic one.
    if (text.contains(u'&'))
        problems << what + " holds \"&\", which would read back as a comma";
    if (!text.isEmpty() && (text.front().isSpace() || text.back().isSpace()))
        problems << what + " starts or ends with a blank";
    if (text.startsWith(u'"'))
        problems << what + " starts with a double quote";
    if (!TextCodec::canStoreInLine(text))
        problems << what + " has a line end or a character Windows-1252 cannot hold";
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

WorksheetContent toContent(const Worksheet& worksheet) {
    WorksheetContent content;
    content.title = worksheet.title;
    for (size_t q = 0; q < content.questions.size(); ++q) {
        const Question& question = worksheet.questions.at(qsizetype(q));
        content.questions[q] = {question.text, question.answers, question.correct};
    }
    return content;
}

} // namespace quiz
