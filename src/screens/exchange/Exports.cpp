#include "screens/exchange/Exports.h"

#include "formats/Errors.h"
#include "formats/FileAccess.h"
#include "formats/ItemReader.h"
#include "formats/SafeFile.h"
#include "platform/ContentPath.h"
#include "platform/Logging.h"
#include "screens/authoring/WizardRules.h"
#include "screens/exchange/QuizPage.h"

namespace Exports {

std::optional<Kind> kindNamed(const QString& name) {
    const QString key = name.trimmed().toLower();
    if (key == QLatin1String("gift"))
        return Kind::Gift;
    if (key == QLatin1String("aiken"))
        return Kind::Aiken;
    if (key == QLatin1String("moodle-xml") || key == QLatin1String("moodlexml") ||
        key == QLatin1String("xml"))
        return Kind::MoodleXml;
    if (key == QLatin1String("web") || key == QLatin1String("html"))
        return Kind::WebPage;
    return std::nullopt;
}

QString kindName(Kind kind) {
    switch (kind) {
    case Kind::Gift:
        return QStringLiteral("GIFT");
    case Kind::Aiken:
        return QStringLiteral("Aiken");
    case Kind::MoodleXml:
        return QStringLiteral("Moodle XML");
    case Kind::WebPage:
        return QStringLiteral("Web page");
    }
    return {};
}

QString suffix(Kind kind) {
    switch (kind) {
    case Kind::Gift:
        return QStringLiteral("gift.txt");
    case Kind::Aiken:
        return QStringLiteral("aiken.txt");
    case Kind::MoodleXml:
        return QStringLiteral("xml");
    case Kind::WebPage:
        return QStringLiteral("html");
    }
    return {};
}

WorksheetContent loadWorksheet(const QString& name) {
    ItemReader reader = ItemReader::open(ContentPath::resolve(WizardRules::questionFile(name)));
    QuestionTables tables;
    LoadQuestionFile(reader, tables);
    return contentOf(tables);
}

QByteArray bytes(Kind kind, const WorksheetContent& worksheet) {
    switch (kind) {
    case Kind::Gift:
        return Exchange::write(Exchange::Format::Gift, worksheet);
    case Kind::Aiken:
        return Exchange::write(Exchange::Format::Aiken, worksheet);
    case Kind::MoodleXml:
        return Exchange::write(Exchange::Format::MoodleXml, worksheet);
    case Kind::WebPage:
        break;
    }
    // The quiz shows the main menu's picture beside the questions; a page without it still works.
    QByteArray jpeg;
    try {
        jpeg = FileAccess::read(ContentPath::resolve(QStringLiteral("Images\\globesm.jpg")),
                                FileAccess::Kind::Picture);
    } catch (const FileError& error) {
        qCWarning(lcContent, "web page made without its picture: %s", error.what());
    }
    return QuizPage::page(worksheet, jpeg, QStringLiteral("The Orvelles"));
}

void exportWorksheet(Kind kind, const QString& name, const QString& path) {
    replaceFile(path, bytes(kind, loadWorksheet(name)));
}

QString report(const Exchange::Found& found) {
    QString out = QStringLiteral("%1 file: %2 question(s) fit a worksheet, %3 left out.\n")
                      .arg(Exchange::formatName(found.format))
                      .arg(found.fitting.size())
                      .arg(found.leftOutCount());
    if (!found.title.isEmpty())
        out += QStringLiteral("Category: %1\n").arg(found.title);
    for (int i = 0; i < found.fitting.size(); ++i) {
        const QuestionEntry& entry = found.fitting[i];
        out += QStringLiteral("fits %1: %2\n").arg(found.fittingNumbers[i]).arg(entry.text);
        if (!found.notes.value(i).isEmpty())
            out += QStringLiteral("  %1\n").arg(found.notes[i]);
        for (const QString& text :
             {entry.text, entry.answers[0], entry.answers[1], entry.answers[2], entry.answers[3]}) {
            const QString marked = Exchange::unstorableMarked(text);
            if (!marked.isEmpty())
                out += QStringLiteral("  cannot be kept as written: %1\n").arg(marked);
        }
    }
    for (const Exchange::LeftOut& question : found.leftOut)
        out +=
            QStringLiteral("left out %1%2 (%3): %4\n")
                .arg(question.number)
                .arg(question.line > 0 ? QStringLiteral(", line %1").arg(question.line) : QString())
                .arg(question.reason, question.text);
    if (found.unread > 0) {
        const qsizetype first = found.fittingNumbers.size() + found.leftOut.size() + 1;
        out += QStringLiteral("left out %1 to %2 (beyond the first %3 questions): not read\n")
                   .arg(first)
                   .arg(first + found.unread - 1)
                   .arg(Exchange::maxQuestions);
    }
    return out;
}

} // namespace Exports
