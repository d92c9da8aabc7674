// Any bytes as a question file: load the ten questions item by item, as the topic menus do.
#include "formats/Errors.h"
#include "formats/ItemReader.h"
#include "formats/QuestionFile.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    ItemReader file1(QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    QuestionTables tables;
    try {
        LoadQuestionFile(file1, tables);
    } catch (const FileError&) {
    }
    for (int q = 1; q <= 10; ++q)
        (void)correctAnswerNumber(tables.CorrectAnswer[q]);
    return 0;
}
