#include "formats/exchange/Exchange.h"

#include "formats/Errors.h"
#include "formats/TextCodec.h"
#include "formats/exchange/Aiken.h"
#include "formats/exchange/ExchangeText.h"
#include "formats/exchange/Gift.h"
#include "formats/exchange/MoodleXml.h"

#include <algorithm>

namespace Exchange {

QString formatName(Format format) {
    switch (format) {
    case Format::Gift:
        return QStringLiteral("GIFT");
    case Format::Aiken:
        return QStringLiteral("Aiken");
    case Format::MoodleXml:
        return QStringLiteral("Moodle XML");
    }
    return {};
}

void checkSize(qint64 bytes) {
    if (bytes > maxFileBytes)
        throw FormatError(QStringLiteral("The file is %1 MB; a question file of up to %2 MB can "
                                         "be read.")
                              .arg(bytes / (1024 * 1024))
                              .arg(maxFileBytes / (1024 * 1024))
                              .toStdString());
}

QString choiceCountMisfit(qsizetype count) {
    return QStringLiteral("%1 choices, not four").arg(count);
}

namespace {

// An Aiken question may itself begin with "<quiz": a file that looks like XML but is no XML quiz
// is read as Aiken when it looks like Aiken.
bool readXml(const QString& text, Found& found, QList<ReadQuestion>& questions) {
    if (!MoodleXml::looksLike(text))
        return false;
    try {
        found.format = Format::MoodleXml;
        questions = MoodleXml::read(text, found.title, &found.unread);
        return true;
    } catch (const FormatError&) {
        if (!Aiken::looksLike(text))
            throw;
        found = Found();
        return false;
    }
}

} // namespace

Found read(const QByteArray& bytes) {
    checkSize(bytes.size());
    const QString text = ExchangeText::decode(bytes);
    if (text.trimmed().isEmpty())
        throw FormatError("The file holds nothing but blank lines.");
    const QString start = text.left(256).trimmed();
    if (start.startsWith(QStringLiteral("<!DOCTYPE html"), Qt::CaseInsensitive) ||
        start.startsWith(QStringLiteral("<html"), Qt::CaseInsensitive))
        throw FormatError(
            "The file is a web page, not a question file in GIFT, Aiken or Moodle XML.");
    Found found;
    QList<ReadQuestion> questions;
    if (!readXml(text, found, questions)) {
        if (Aiken::looksLike(text)) {
            found.format = Format::Aiken;
            questions = Aiken::read(text, &found.unread);
        } else if (Gift::looksLike(text)) {
            found.format = Format::Gift;
            questions = Gift::read(text, found.title, &found.unread);
        } else {
            throw FormatError("The file is not a question file in GIFT, Aiken or Moodle XML.");
        }
    }
    if (questions.isEmpty())
        throw FormatError(QStringLiteral("The %1 file holds no questions.")
                              .arg(formatName(found.format))
                              .toStdString());
    classify(questions, found);
    return found;
}

QString misfit(const ReadQuestion& question) {
    if (question.kind != QLatin1String("multichoice"))
        return QStringLiteral("not multiple choice (%1)").arg(question.kind);
    if (!question.fault.isEmpty())
        return question.fault;
    if (question.choices.size() != 4)
        return choiceCountMisfit(question.choices.size());
    int right = 0;
    for (const double mark : question.marks) {
        if (mark >= 100)
            ++right;
        else if (mark > 0)
            return QStringLiteral("an answer worth part marks");
    }
    if (right == 0)
        return QStringLiteral("no right answer");
    if (right > 1)
        return QStringLiteral("several right answers");
    if (question.text.isEmpty() ||
        std::any_of(question.choices.begin(), question.choices.end(),
                    [](const QString& choice) { return choice.isEmpty(); }))
        return QStringLiteral("an empty question or choice");
    return {};
}

void classify(const QList<ReadQuestion>& questions, Found& found) {
    for (int i = 0; i < questions.size(); ++i) {
        const ReadQuestion& question = questions[i];
        if (i >= maxQuestions) {
            found.leftOut.append({i + 1, question.text,
                                  QStringLiteral("beyond the first %1 questions").arg(maxQuestions),
                                  question.line});
            continue;
        }
        const QString reason = misfit(question);
        if (!reason.isEmpty()) {
            found.leftOut.append(
                {i + 1, question.text,
                 question.note.isEmpty() ? reason : reason + QStringLiteral("; ") + question.note,
                 question.line});
            continue;
        }
        QuestionEntry entry;
        entry.text = question.text;
        for (int a = 0; a < 4; ++a) {
            entry.answers[a] = question.choices[a];
            if (question.marks[a] >= 100)
                entry.correct = a + 1;
        }
        found.fitting.append(entry);
        found.fittingNumbers.append(i + 1);
        found.notes.append(question.note);
    }
}

QByteArray write(Format format, const WorksheetContent& worksheet) {
    // The wizard takes a text of blanks as filled, but every format trims it to nothing, and a
    // question with an empty text or choice would be left out of the platform's import unseen.
    int number = 0;
    for (const QuestionEntry& question : worksheet.questions) {
        ++number;
        if (std::any_of(
                question.answers.begin(), question.answers.end(),
                [](const QString& answer) { return ExchangeText::collapsed(answer).isEmpty(); }) ||
            ExchangeText::collapsed(question.text).isEmpty())
            throw FormatError(QStringLiteral("Question %1 has a text or an answer of blanks "
                                             "only, which %2 cannot carry; please fill it in "
                                             "and export again.")
                                  .arg(number)
                                  .arg(formatName(format))
                                  .toStdString());
    }
    switch (format) {
    case Format::Gift:
        return Gift::write(worksheet);
    case Format::Aiken:
        return Aiken::write(worksheet);
    case Format::MoodleXml:
        return MoodleXml::write(worksheet);
    }
    return {};
}

QString unstorableMarked(const QString& text) {
    if (TextCodec::canEncode(text))
        return {};
    QString marked;
    for (qsizetype i = 0; i < text.size(); ++i) {
        // A character beyond the first 65536 takes two QChars; both are marked as one.
        const qsizetype width = text[i].isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        const QString c = text.mid(i, width);
        marked +=
            TextCodec::canEncode(c) ? c : QStringLiteral("\u27E6") + c + QStringLiteral("\u27E7");
        i += width - 1;
    }
    return marked;
}

} // namespace Exchange
