#include "formats/exchange/ExchangeText.h"

#include "formats/Errors.h"
#include "formats/TextCodec.h"
#include "formats/exchange/HtmlEntities.h"

#include <QStringDecoder>

namespace {

// Characters looked at by the markup scans on this thread.
thread_local qint64 steps = 0;

// The longest entity name, "CounterClockwiseContourIntegral", and the longest number, "#x10FFFF".
constexpr qsizetype maxEntityLength = 31;

bool startsWith(const QByteArray& bytes, const char* prefix) {
    return bytes.startsWith(QByteArray(prefix));
}

// Any byte sequence of two to four bytes that is well-formed UTF-8.
bool holdsUtf8Sequence(const QByteArray& bytes) {
    for (qsizetype i = 0; i + 1 < bytes.size(); ++i) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        const int follow = lead > 0xF4    ? 0
                           : lead >= 0xF0 ? 3
                           : lead >= 0xE0 ? 2
                           : lead >= 0xC2 ? 1
                                          : 0;
        if (follow == 0 || i + follow >= bytes.size())
            continue;
        bool ok = true;
        for (int k = 1; k <= follow && ok; ++k)
            ok = (static_cast<unsigned char>(bytes[i + k]) & 0xC0) == 0x80;
        if (ok)
            return true;
    }
    return false;
}

// The characters an entity body ("amp", "#233", "#xE9") stands for, or an empty string.
QString entityText(QStringView body) {
    if (!body.startsWith(QLatin1Char('#')))
        return HtmlEntities::lookup(body);
    bool ok = false;
    const bool hex =
        body.size() > 1 && (body[1] == QLatin1Char('x') || body[1] == QLatin1Char('X'));
    const uint code = body.mid(hex ? 2 : 1).toUInt(&ok, hex ? 16 : 10);
    if (!ok || code == 0 || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
        return {};
    // As in a browser, 128 to 159 are the code page's letters there ("&#150;" is a dash).
    if (code >= 0x80 && code <= 0x9F)
        return TextCodec::decode(QByteArray(1, char(code)));
    const char32_t character = code;
    return QString::fromUcs4(&character, 1);
}

bool isTag(QStringView tag, std::initializer_list<const char*> names) {
    for (const char* name : names) {
        if (tag.compare(QLatin1String(name), Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

bool isBlockTag(QStringView tag) {
    return isTag(tag,
                 {"br", "p",  "div", "li", "tr",    "td", "th",         "h1",  "h2", "h3", "h4",
                  "h5", "h6", "ul",  "ol", "table", "hr", "blockquote", "pre", "dd", "dt"});
}

} // namespace

namespace ExchangeText {

QString decode(const QByteArray& bytes) {
    if (bytes.isEmpty())
        throw FormatError("The file is empty.");
    if (startsWith(bytes, "\xFF\xFE") || startsWith(bytes, "\xFE\xFF"))
        throw FormatError("The file is saved as UTF-16. Please save it as UTF-8 and try again.");
    if (bytes.contains('\0'))
        throw FormatError("The file holds NUL bytes, so it is not a text file of questions.");
    const bool bom = startsWith(bytes, "\xEF\xBB\xBF");
    const QByteArray body = bom ? bytes.mid(3) : bytes;
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(body);
    if (utf8.hasError()) {
        if (bom || holdsUtf8Sequence(body))
            throw FormatError("The file is not valid UTF-8: some of its bytes are damaged.");
        text = TextCodec::decode(body);
    }
    // An old Mac file ends its lines with CR alone.
    if (text.contains(QLatin1Char('\r'))) {
        text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    }
    return text;
}

QString collapsed(const QString& text) {
    QString kept = text;
    // Control characters show as nothing on screen, and XML cannot carry them. A byte-order
    // mark left inside the text by joined files shows as nothing too, and at the start of a
    // written file it would be taken for the file's own mark.
    kept.removeIf([](QChar c) {
        return ((c.unicode() < 0x20 || c.unicode() == 0x7F) && !c.isSpace()) ||
               c.unicode() == 0xFEFF;
    });
    return kept.simplified();
}

QString resolveEntities(const QString& text) {
    if (!text.contains(QLatin1Char('&')))
        return text;
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        // Plain text up to the next '&' goes over in one piece.
        const qsizetype amp = text.indexOf(QLatin1Char('&'), i);
        const qsizetype runEnd = amp < 0 ? text.size() : amp;
        out += QStringView(text).mid(i, runEnd - i);
        steps += runEnd - i + 1;
        if ((i = runEnd) == text.size())
            break;
        // An entity is '#' or a letter, then letters and digits, then ';': looked at only that
        // far, so a lone ampersand stays as it is and a text of many is scanned once.
        qsizetype end = i + 1;
        while (end < text.size() && end - i <= maxEntityLength &&
               (text[end].isLetterOrNumber() || (end == i + 1 && text[end] == QLatin1Char('#'))))
            ++end;
        steps += end - i;
        if (end < text.size() && text[end] == QLatin1Char(';') && end > i + 1) {
            const QString characters = entityText(QStringView(text).mid(i + 1, end - i - 1));
            if (!characters.isEmpty()) {
                out += characters;
                i = end;
                continue;
            }
        }
        out += text[i];
    }
    return out;
}

QString plainFromHtml(const QString& html, Media* media) {
    // Most texts of the platform's own format hold no markup at all.
    if (!html.contains(QLatin1Char('<')) && !html.contains(QLatin1Char('&')))
        return collapsed(html);
    QString out;
    out.reserve(html.size());
    // The first '>' after the latest '<', kept until passed: a text of many '<' and no '>' is
    // searched once, not once for each '<'. -1 once there is none left.
    qsizetype close = 0;
    for (qsizetype i = 0; i < html.size(); ++i) {
        // Text up to the next '<' goes over in one piece.
        const qsizetype open = html.indexOf(QLatin1Char('<'), i);
        const qsizetype runEnd = open < 0 ? html.size() : open;
        out += QStringView(html).mid(i, runEnd - i);
        steps += runEnd - i + 1;
        if ((i = runEnd) == html.size())
            break;
        const QChar c = html[i];
        // A comment runs to its "-->", '>' or not on the way; unclosed, to the end, as a browser
        // reads it.
        if (QStringView(html).mid(i).startsWith(QLatin1String("<!--"))) {
            const qsizetype end = html.indexOf(QLatin1String("-->"), i + 4);
            steps += (end < 0 ? html.size() : end) - i;
            if (end < 0)
                break;
            i = end + 2;
            continue;
        }
        if (close >= 0 && close <= i) {
            close = html.indexOf(QLatin1Char('>'), i + 1);
            steps += (close < 0 ? html.size() : close) - i;
        }
        if (close < 0) {
            out += c;
            continue;
        }
        qsizetype nameStart = i + 1;
        const bool closing = nameStart < close && html[nameStart] == QLatin1Char('/');
        if (closing)
            ++nameStart;
        qsizetype nameEnd = nameStart;
        while (nameEnd < close && html[nameEnd].isLetterOrNumber())
            ++nameEnd;
        steps += nameEnd - i;
        // "3 < 5 and 6 > 4" is text, not a tag.
        if (nameEnd == nameStart && html[nameStart] != QLatin1Char('!')) {
            out += c;
            continue;
        }
        const QStringView name = QStringView(html).mid(nameStart, nameEnd - nameStart);
        if (isBlockTag(name))
            out += QLatin1Char(' ');
        i = close;
        if (closing)
            continue;
        if (media && isTag(name, {"img", "svg", "picture", "video", "object", "embed", "canvas"}))
            media->picture = true;
        if (media && isTag(name, {"audio", "bgsound"}))
            media->sound = true;
        // What a script or style holds is never shown: skipped to its end tag, or the end.
        if (isTag(name, {"script", "style"})) {
            const QString end = QStringLiteral("</") + name.toString();
            const qsizetype at = html.indexOf(end, close + 1, Qt::CaseInsensitive);
            steps += (at < 0 ? html.size() : at) - close;
            if (at < 0)
                break;
            i = at - 1;
        }
    }
    return collapsed(resolveEntities(out));
}

QString mediaNote(const Media& media) {
    if (media.picture && media.sound)
        return QStringLiteral("its picture and sound are left out");
    if (media.picture)
        return QStringLiteral("its picture is left out");
    if (media.sound)
        return QStringLiteral("its sound is left out");
    return {};
}

QString categoryTitle(const QString& path) {
    QString category = path.trimmed();
    // The platform's contexts: "$course$/", "$system$/", "$module$/", "$cat1$/" and the like.
    qsizetype word = 1;
    while (word < category.size() && word < 32 && category[word].isLetterOrNumber())
        ++word;
    if (category.startsWith(QLatin1Char('$')) && word > 1 &&
        QStringView(category).mid(word).startsWith(QLatin1String("$/")))
        category.remove(0, word + 2);
    if (category == QLatin1String("top"))
        return {};
    if (category.startsWith(QStringLiteral("top/")))
        category = category.mid(4);
    return category.section(QLatin1Char('/'), -1).trimmed();
}

qint64 scanSteps() {
    return steps;
}

} // namespace ExchangeText
