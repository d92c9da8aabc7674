#include "formats/TextCodec.h"

#include <algorithm>
#include <array>

namespace {

// Bytes 0x80 to 0x9F; everything else maps to the character of the same number.
constexpr std::array<char16_t, 32> HighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

bool isHighControlByte(unsigned byte) {
    return byte >= 0x80 && byte <= 0x9F;
}

char16_t charFor(unsigned char byte) {
    return isHighControlByte(byte) ? HighControls[byte - 0x80] : char16_t(byte);
}

// The byte for a character, or -1 when the code page has none.
int byteFor(char16_t c) {
    if (c <= 0xFF && !isHighControlByte(c))
        return c;
    const auto found = std::find(HighControls.begin(), HighControls.end(), c);
    return found == HighControls.end() ? -1 : int(0x80 + (found - HighControls.begin()));
}

} // namespace

namespace TextCodec {

QString decode(QByteArrayView bytes) {
    QString text(bytes.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < bytes.size(); ++i)
        text[i] = QChar(charFor(static_cast<unsigned char>(bytes[i])));
    return text;
}

QByteArray encode(const QString& text) {
    QByteArray bytes(text.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const int byte = byteFor(text[i].unicode());
        bytes[i] = byte < 0 ? '?' : char(byte);
    }
    return bytes;
}

bool canEncode(QChar c) {
    return byteFor(c.unicode()) >= 0;
}

bool canEncode(const QString& text) {
    return std::all_of(text.begin(), text.end(), [](QChar c) { return canEncode(c); });
}

bool canStoreInLine(const QString& text) {
    return canEncode(text) && !text.contains(QLatin1Char('\n')) &&
           !text.contains(QLatin1Char('\r'));
}

} // namespace TextCodec
