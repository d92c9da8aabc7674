#include "formats/exchange/MoodleXml.h"

#include "formats/Errors.h"
#include "formats/exchange/ExchangeText.h"

#include <QXmlStreamReader>
#include <QXmlStreamWriter>
#include <algorithm>

namespace {

// Question files are shallow; deeper nesting is either damage or an attack on the reader.
constexpr int maxDepth = 16;
// A question file's elements carry one to three attributes. Qt's reader compares each attribute
// of an element with every other, so thousands on one element would take minutes.
constexpr int maxAttributes = 64;

constexpr const char* doctypeMessage = "The XML file declares its own document type, which a "
                                       "question file never needs; it was not read.";
constexpr const char* depthMessage =
    "The XML file nests its elements too deeply to be a question file.";

// Where the tag opened before `i` ends: past its '>', or at a '<' that breaks it off. Counts the
// '=' outside quoted values, refusing a tag with too many attributes; `empty` tells "<a/>".
qsizetype endOfTag(const QString& text, qsizetype i, bool& empty) {
    int attributes = 0;
    empty = false;
    for (; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == QLatin1Char('>')) {
            empty = text[i - 1] == QLatin1Char('/');
            return i + 1;
        }
        if (c == QLatin1Char('<'))
            return i;
        if (c == QLatin1Char('"') || c == QLatin1Char('\'')) {
            i = text.indexOf(c, i + 1);
            if (i < 0)
                return text.size();
        } else if (c == QLatin1Char('=') && ++attributes > maxAttributes) {
            throw FormatError(QStringLiteral("The XML file has an element with more than %1 "
                                             "attributes, which a question file never has; it "
                                             "was not read.")
                                  .arg(maxAttributes)
                                  .toStdString());
        }
    }
    return text.size();
}

// Refuses, before Qt's reader sees them, an element with too many attributes, nesting too deep
// (also inside a <text>, whose children Qt skips unseen) and a document type declaration. One
// pass: comments, CDATA and processing instructions are skipped whole.
void checkMarkup(const QString& text) {
    const auto skipPast = [&](qsizetype from, QLatin1String end) {
        const qsizetype at = text.indexOf(end, from);
        return at < 0 ? text.size() : at + end.size();
    };
    int depth = 0;
    for (qsizetype i = text.indexOf(QLatin1Char('<')); i >= 0;
         i = text.indexOf(QLatin1Char('<'), i)) {
        const QStringView rest = QStringView(text).mid(i);
        bool empty = false;
        if (rest.startsWith(QLatin1String("<!--"))) {
            i = skipPast(i + 4, QLatin1String("-->"));
        } else if (rest.startsWith(QLatin1String("<![CDATA["))) {
            i = skipPast(i + 9, QLatin1String("]]>"));
        } else if (rest.startsWith(QLatin1String("<?"))) {
            i = skipPast(i + 2, QLatin1String("?>"));
        } else if (rest.startsWith(QLatin1String("<!DOCTYPE"))) {
            throw FormatError(doctypeMessage);
        } else if (rest.startsWith(QLatin1String("</"))) {
            i = endOfTag(text, i + 2, empty);
            --depth;
        } else {
            i = endOfTag(text, i + 1, empty);
            if (!empty && ++depth > maxDepth)
                throw FormatError(depthMessage);
        }
    }
}

class Reader {
public:
    explicit Reader(const QString& text) : xml_(text) {}

    // Questions past the most read, counted and skipped.
    int unread() const { return unread_; }

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
                ++unread_;
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
                    fail(depthMessage);
                return true;
            case QXmlStreamReader::EndElement:
                --depth_;
                return false;
            case QXmlStreamReader::DTD:
                fail(doctypeMessage);
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

    // The <text> child of the element just started, as the file holds it.
    QString readText() {
        QString text;
        while (nextStart()) {
            if (xml_.name() == QLatin1String("text")) {
                text = xml_.readElementText(QXmlStreamReader::SkipChildElements);
                --depth_;
            } else {
                skip();
            }
        }
        return text;
    }

    // Text as the platform shows it in its format: only "plain_text" shows markup as typed.
    static QString plain(const QString& text, QStringView format, ExchangeText::Media& media) {
        return format == QLatin1String("plain_text") ? ExchangeText::collapsed(text)
                                                     : ExchangeText::plainFromHtml(text, &media);
    }

    void readCategory(QString& title) {
        while (nextStart()) {
            if (xml_.name() == QLatin1String("category"))
                title = ExchangeText::categoryTitle(ExchangeText::collapsed(readText()));
            else
                skip();
        }
    }

    Exchange::ReadQuestion readQuestion(const QString& type) {
        Exchange::ReadQuestion question;
        question.line = static_cast<int>(xml_.lineNumber());
        question.kind = type == QLatin1String("multichoice") ? type
                        : type.isEmpty()                     ? QStringLiteral("untyped")
                                                             : type;
        bool single = true;
        QString text;
        QString textFormat;
        // Each answer's text and its own format, empty where it names none.
        QList<std::pair<QString, QString>> answers;
        while (nextStart()) {
            const auto name = xml_.name();
            const QString format = xml_.attributes().value(QLatin1String("format")).toString();
            if (name == QLatin1String("questiontext")) {
                textFormat = format;
                text = readText();
            } else if (name == QLatin1String("answer")) {
                bool ok = false;
                const double mark =
                    xml_.attributes().value(QLatin1String("fraction")).toDouble(&ok);
                question.marks.append(ok ? mark : 0);
                answers.append({readText(), format});
            } else if (name == QLatin1String("single")) {
                const QString value =
                    xml_.readElementText(QXmlStreamReader::SkipChildElements).trimmed();
                single = value != QLatin1String("false") && value != QLatin1String("0");
                --depth_;
            } else {
                skip();
            }
        }
        ExchangeText::Media media;
        question.text = plain(text, textFormat, media);
        // An answer that names no format has the question's.
        for (const auto& [answer, format] : answers)
            question.choices.append(plain(answer, format.isEmpty() ? textFormat : format, media));
        question.note = ExchangeText::mediaNote(media);
        if (!single && question.kind == QLatin1String("multichoice"))
            question.fault = QStringLiteral("it lets the pupil tick several answers");
        return question;
    }

    QXmlStreamReader xml_;
    QList<Exchange::ReadQuestion> questions_;
    int unread_ = 0;
    int depth_ = 0;
};

// The first character of `text` that XML cannot hold, or should not (a non-character), as
// "U+FFFF"; empty when there is none.
QString unholdable(const QString& text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        char32_t c = text[i].unicode();
        if (QChar::isHighSurrogate(c) && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            c = QChar::surrogateToUcs4(text[i], text[i + 1]);
            ++i;
        }
        const bool control = c < 0x20 && c != u'\t' && c != u'\n' && c != u'\r';
        if (control || QChar::isSurrogate(c) || QChar::isNonCharacter(c))
            return QStringLiteral("U+%1").arg(uint(c), 4, 16, QLatin1Char('0')).toUpper();
    }
    return {};
}

void writeText(QXmlStreamWriter& xml, const QString& text, int number) {
    if (const QString bad = unholdable(text); !bad.isEmpty())
        throw FormatError(QStringLiteral("Question %1 holds a character that Moodle XML cannot "
                                         "carry (%2); please retype that text and export again.")
                              .arg(number)
                              .arg(bad)
                              .toStdString());
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

QList<Exchange::ReadQuestion> read(const QString& text, QString& title, int* unread) {
    checkMarkup(text);
    Reader reader(text);
    QList<Exchange::ReadQuestion> questions = reader.read(title);
    if (unread)
        *unread = reader.unread();
    return questions;
}

QByteArray write(const WorksheetContent& worksheet) {
    if (const QString bad = unholdable(worksheet.title); !bad.isEmpty())
        throw FormatError(QStringLiteral("The title holds a character that Moodle XML cannot "
                                         "carry (%1); please retype it and export again.")
                              .arg(bad)
                              .toStdString());
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
        writeText(xml, question.text, number);
        xml.writeEndElement();
        for (int a = 0; a < 4; ++a) {
            xml.writeStartElement(QStringLiteral("answer"));
            xml.writeAttribute(QStringLiteral("fraction"), a + 1 == question.correct
                                                               ? QStringLiteral("100")
                                                               : QStringLiteral("0"));
            xml.writeAttribute(QStringLiteral("format"), QStringLiteral("html"));
            writeText(xml, question.answers[a], number);
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
