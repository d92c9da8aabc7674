// Any bytes as an Aiken file of questions.
#include "ExchangeFuzz.h"
#include "formats/exchange/Aiken.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    return fuzzExchange(
        Exchange::Format::Aiken, [](const QString& text) { return Aiken::read(text); }, data, size);
}
