#include "formats/exchange/ExchangeText.h"

#include "formats/Errors.h"
#include "formats/TextCodec.h"

#include <QStringDecoder>

namespace {

// Characters looked at by the markup scans on this thread.
thread_local qint64 steps = 0;

// The longest entity body, "hellip" or "#x10FFFF", with room to spare; its ';' included.
constexpr qsizetype maxEntityLength = 12;

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

struct NamedEntity {
    const char* name;
    char16_t code;
};

constexpr NamedEntity namedEntities[] = {
    {"amp", u'&'},         {"lt", u'<'},          {"gt", u'>'},          {"quot", u'"'},
    {"apos", u'\''},       {"nbsp", u' '},        {"ndash", u'\u2013'},  {"mdash", u'\u2014'},
    {"lsquo", u'\u2018'},  {"rsquo", u'\u2019'},  {"ldquo", u'\u201C'},  {"rdquo", u'\u201D'},
    {"hellip", u'\u2026'}, {"copy", u'\u00A9'},   {"eacute", u'\u00E9'}, {"egrave", u'\u00E8'},
    {"agrave", u'\u00E0'}, {"aacute", u'\u00E1'}, {"ccedil", u'\u00E7'}, {"uuml", u'\u00FC'},
    {"ouml", u'\u00F6'},   {"auml", u'\u00E4'},   {"szlig", u'\u00DF'},  {"pound", u'\u00A3'},
    {"euro", u'\u20AC'},   {"deg", u'\u00B0'},    {"times", u'\u00D7'},  {"divide", u'\u00F7'},
};

// The character an entity body ("amp", "#233", "#xE9") stands for, or 0.
char32_t entityCode(QStringView body) {
    if (body.startsWith(QLatin1Char('#'))) {
        bool ok = false;
        const bool hex =
            body.size() > 1 && (body[1] == QLatin1Char('x') || body[1] == QLatin1Char('X'));
        const uint code = body.mid(hex ? 2 : 1).toUInt(&ok, hex ? 16 : 10);
        if (!ok || code == 0 || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
            return 0;
        return code;
    }
    for (const NamedEntity& entity : namedEntities) {
        if (body == QLatin1String(entity.name))
            return entity.code;
    }
    return 0;
}

bool isBlockTag(QStringView tag) {
    static const char* const blocks[] = {"br", "p",  "div", "li", "tr", "td", "h1",    "h2",
                                         "h3", "h4", "h5",  "h6", "ul", "ol", "table", "hr"};
    for (const char* block : blocks) {
        if (tag.compare(QLatin1String(block), Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
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
    if (!utf8.hasError())
        return text;
    if (bom || holdsUtf8Sequence(body))
        throw FormatError("The file is not valid UTF-8: some of its bytes are damaged.");
    return TextCodec::decode(body);
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
        // Entity names are short, so the ';' is looked for only that far: a lone ampersand
        // stays as it is, and a text of many never has the rest of it searched again.
        const QStringView window = QStringView(text).mid(i + 1, maxEntityLength);
        steps += window.size();
        const qsizetype length = window.indexOf(QLatin1Char(';'));
        if (length > 0) {
            const char32_t code = entityCode(window.left(length));
            if (code != 0) {
                out += QString::fromUcs4(&code, 1);
                i += length + 1;
                continue;
            }
        }
        out += text[i];
    }
    return out;
}

QString plainFromHtml(const QString& html) {
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
        if (close >= 0 && close <= i) {
            close = html.indexOf(QLatin1Char('>'), i + 1);
            steps += (close < 0 ? html.size() : close) - i;
        }
        if (close < 0) {
            out += c;
            continue;
        }
        qsizetype nameStart = i + 1;
        if (nameStart < close && html[nameStart] == QLatin1Char('/'))
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
        if (isBlockTag(QStringView(html).mid(nameStart, nameEnd - nameStart)))
            out += QLatin1Char(' ');
        i = close;
    }
    return collapsed(resolveEntities(out));
}

qint64 scanSteps() {
    return steps;
}

} // namespace ExchangeText
