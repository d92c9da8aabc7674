#include "formats/exchange/MoodleXml.h"

#include "formats/Errors.h"
#include "formats/exchange/ExchangeText.h"

#include <QXmlStreamReader>
#include <QXmlStreamWriter>
#include <algorithm>

namespace {

// Question files are shallow; deeper nesting is either damage or an attack on the reader.
constexpr int maxDepth = 16;

class Reader {
public:
    explicit Reader(const QString& text) : xml_(text) {}

    QList<Exchange::ReadQuestion> read(QString& title) {
        if (!nextStart() || xml_.name() != QLatin1String("quiz"))
            fail("The file is XML, but not a quiz of questions (its outer element is not <quiz>).");
        while (nextStart()) {
            if (xml_.name() != QLatin1String("question")) {
                skip();
                continue;
            }
            const QString type = xml_.attributes().value(QLatin1String("type")).toString();
            if (type == QLatin1String("category")) {
                readCategory(title);
            } else if (questions_.size() > Exchange::maxQuestions) {
                skip();
            } else {
                questions_.append(readQuestion(type));
            }
        }
        return questions_;
    }

private:
    [[noreturn]] void fail(const char* message) { throw FormatError(message); }

    // The next start of an element at this level or below, false at the end of the parent.
    bool nextStart() {
        while (!xml_.atEnd()) {
            switch (xml_.readNext()) {
            case QXmlStreamReader::StartElement:
                if (++depth_ > maxDepth)
                    fail("The XML file nests its elements too deeply to be a question file.");
                return true;
            case QXmlStreamReader::EndElement:
                --depth_;
                return false;
            case QXmlStreamReader::DTD:
                fail("The XML file declares its own document type, which a question file "
                     "never needs; it was not read.");
            default:
                break;
            }
        }
        if (xml_.hasError())
            throw FormatError(QStringLiteral("The XML file is damaged: %1 (line %2).")
                                  .arg(xml_.errorString())
                                  .arg(xml_.lineNumber())
                                  .toStdString());
        return false;
    }

    void skip() {
        while (nextStart())
            skip();
    }

    // The <text> child of the element just started, made plain for its format.
    QString readText(const QString& format) {
        QString text;
        while (nextStart()) {
            if (xml_.name() == QLatin1String("text")) {
                text = xml_.readElementText(QXmlStreamReader::SkipChildElements);
                --depth_;
            } else {
                skip();
            }
        }
        const bool html = format.isEmpty() || format == QLatin1String("html") ||
                          format == QLatin1String("moodle_auto_format");
        return html ? ExchangeText::plainFromHtml(text) : ExchangeText::collapsed(text);
    }

    void readCategory(QString& title) {
        while (nextStart()) {
            if (xml_.name() == QLatin1String("category")) {
                QString path = readText(QStringLiteral("plain_text"));
                if (path.startsWith(QLatin1Char('$')))
                    path = path.section(QStringLiteral("$/"), 1);
                if (path.startsWith(QStringLiteral("top/")))
                    path = path.mid(4);
                title = path.section(QLatin1Char('/'), -1);
            } else {
                skip();
            }
        }
    }

    Exchange::ReadQuestion readQuestion(const QString& type) {
        Exchange::ReadQuestion question;
        question.kind = type == QLatin1String("multichoice") ? type
                        : type.isEmpty()                     ? QStringLiteral("untyped")
                                                             : type;
        bool single = true;
        while (nextStart()) {
            const auto name = xml_.name();
            const QString format = xml_.attributes().value(QLatin1String("format")).toString();
            if (name == QLatin1String("questiontext")) {
                question.text = readText(format);
            } else if (name == QLatin1String("answer")) {
                bool ok = false;
                const double mark =
                    xml_.attributes().value(QLatin1String("fraction")).toDouble(&ok);
                question.marks.append(ok ? mark : 0);
                question.choices.append(readText(format));
            } else if (name == QLatin1String("single")) {
                const QString value =
                    xml_.readElementText(QXmlStreamReader::SkipChildElements).trimmed();
                single = value != QLatin1String("false") && value != QLatin1String("0");
                --depth_;
            } else {
                skip();
            }
        }
        if (!single && question.kind == QLatin1String("multichoice"))
            question.fault = QStringLiteral("it lets the pupil tick several answers");
        return question;
    }

    QXmlStreamReader xml_;
    QList<Exchange::ReadQuestion> questions_;
    int depth_ = 0;
};

void writeText(QXmlStreamWriter& xml, const QString& text) {
    if (std::any_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x20; }))
        throw FormatError("a text with control characters, which XML cannot hold");
    xml.writeStartElement(QStringLiteral("text"));
    // HTML inside CDATA, as the platform writes it; escaping leaves no "]]>" to end it early.
    xml.writeCDATA(text.toHtmlEscaped());
    xml.writeEndElement();
}

} // namespace

namespace MoodleXml {

bool looksLike(const QString& text) {
    const QString start = text.left(512).trimmed();
    return start.startsWith(QStringLiteral("<?xml")) || start.startsWith(QStringLiteral("<quiz"));
}

QList<Exchange::ReadQuestion> read(const QString& text, QString& title) {
    return Reader(text).read(title);
}

QByteArray write(const WorksheetContent& worksheet) {
    QByteArray bytes;
    QXmlStreamWriter xml(&bytes);
    xml.setAutoFormatting(true);
    xml.writeStartDocument();
    xml.writeStartElement(QStringLiteral("quiz"));
    xml.writeStartElement(QStringLiteral("question"));
    xml.writeAttribute(QStringLiteral("type"), QStringLiteral("category"));
    xml.writeStartElement(QStringLiteral("category"));
    xml.writeTextElement(QStringLiteral("text"), QStringLiteral("$course$/top/") + worksheet.title);
    xml.writeEndElement();
    xml.writeEndElement();
    int number = 0;
    for (const QuestionEntry& question : worksheet.questions) {
        ++number;
        if (question.correct < 1 || question.correct > 4)
            throw FormatError("a question without one correct answer");
        xml.writeStartElement(QStringLiteral("question"));
        xml.writeAttribute(QStringLiteral("type"), QStringLiteral("multichoice"));
        xml.writeStartElement(QStringLiteral("name"));
        xml.writeTextElement(QStringLiteral("text"), QStringLiteral("Question %1").arg(number));
        xml.writeEndElement();
        xml.writeStartElement(QStringLiteral("questiontext"));
        xml.writeAttribute(QStringLiteral("format"), QStringLiteral("html"));
        writeText(xml, question.text);
        xml.writeEndElement();
        for (int a = 0; a < 4; ++a) {
            xml.writeStartElement(QStringLiteral("answer"));
            xml.writeAttribute(QStringLiteral("fraction"), a + 1 == question.correct
                                                               ? QStringLiteral("100")
                                                               : QStringLiteral("0"));
            xml.writeAttribute(QStringLiteral("format"), QStringLiteral("html"));
            writeText(xml, question.answers[a]);
            xml.writeEndElement();
        }
        xml.writeTextElement(QStringLiteral("single"), QStringLiteral("true"));
        xml.writeTextElement(QStringLiteral("shuffleanswers"), QStringLiteral("false"));
        xml.writeTextElement(QStringLiteral("answernumbering"), QStringLiteral("ABCD"));
        xml.writeEndElement();
    }
    xml.writeEndElement();
    xml.writeEndDocument();
    return bytes;
}

} // namespace MoodleXml
