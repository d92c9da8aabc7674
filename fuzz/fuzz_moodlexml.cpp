// Any bytes as a Moodle XML file of questions.
#include "ExchangeFuzz.h"
#include "formats/exchange/MoodleXml.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    return fuzzExchange(
        Exchange::Format::MoodleXml,
        [](const QString& text) {
            QString title;
            return MoodleXml::read(text, title);
        },
        data, size);
}
