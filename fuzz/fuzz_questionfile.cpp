// Any bytes as a question file: load the ten questions item by item, as the topic menus do,
// then turn what was loaded back into a file, as the wizard does after editing it.
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
        return 0;
    }
    try {
        const QByteArray written = questionFileBytes(contentOf(tables));
        // What the writer accepts must load again in full.
        ItemReader again(written);
        QuestionTables reloaded;
        LoadQuestionFile(again, reloaded);
        for (int q = 1; q <= 10; ++q)
            if (correctAnswerNumber(reloaded.CorrectAnswer[q]) == 0)
                __builtin_trap();
    } catch (const FormatError&) {
    }
    return 0;
}
