// Any bytes as a GIFT file of questions.
#include "ExchangeFuzz.h"
#include "formats/exchange/Gift.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    return fuzzExchange(
        Exchange::Format::Gift,
        [](const QString& text) {
            QString title;
            return Gift::read(text, title);
        },
        data, size);
}
