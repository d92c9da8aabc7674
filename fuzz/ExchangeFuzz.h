#pragma once
// Any bytes through one exchange reader; every question that fits is written back in the same
// format and must read again, told by its content, as the same question.
#include "formats/Errors.h"
#include "formats/exchange/Exchange.h"
#include "formats/exchange/ExchangeText.h"

#include <cstddef>
#include <cstdint>

template <typename Reader>
int fuzzExchange(Exchange::Format format, Reader readFormat, const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    Exchange::Found found;
    try {
        // The reader on its own, past the detection, then the whole path as a teacher's file.
        Exchange::classify(readFormat(ExchangeText::decode(bytes)), found);
        Exchange::read(bytes);
    } catch (const FormatError&) {
    }
    if (found.fitting.isEmpty())
        return 0;
    WorksheetContent sheet;
    sheet.title = QStringLiteral("Fuzz");
    for (int q = 0; q < 10; ++q)
        sheet.questions[q] = found.fitting[q % found.fitting.size()];
    QByteArray written;
    try {
        written = Exchange::write(format, sheet);
    } catch (const FormatError&) {
        return 0;
    }
    const Exchange::Found again = Exchange::read(written);
    if (again.format != format || again.fitting.size() != 10)
        __builtin_trap();
    for (int q = 0; q < 10; ++q) {
        const QuestionEntry& a = again.fitting[q];
        const QuestionEntry& b = sheet.questions[q];
        if (a.text != b.text || a.answers != b.answers || a.correct != b.correct)
            __builtin_trap();
    }
    return 0;
}
