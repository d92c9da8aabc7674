// Any bytes as the catalogue file: read it as the main menu does, then add a name and remove
// it again in a folder of its own, checking that the file then says what the tables say.
#include "formats/Catalogue.h"
#include "formats/Errors.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstddef>
#include <cstdint>

namespace {

const QString title = QStringLiteral("Castles");

void write(const QString& path, const uint8_t* data, size_t size) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        __builtin_trap();
    file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
}

// After a successful add the file lists the name, or the one it named already apart from case.
void checkAdded(const QString& track) {
    CatalogueState reread;
    ReadCatalogue(track, reread);
    for (int k = 1; k <= reread.WorksheetCount; ++k)
        if (reread.nameAt(k).compare(title, Qt::CaseInsensitive) == 0)
            return;
    __builtin_trap();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static QTemporaryDir folder;
    const QString track = folder.filePath(QStringLiteral("track.txt"));
    write(track, data, size);
    CatalogueState state;
    try {
        ReadCatalogue(track, state);
    } catch (const FileError&) {
    }
    (void)state.nameAt(state.WorksheetCount);
    try {
        trackworksheets(track, title, state);
    } catch (const FileError&) {
        return 0;
    }
    checkAdded(track);
    const int before = state.WorksheetCount;
    state.SelectedWorksheet = title;
    delworksheet(track, state);
    CatalogueState reread;
    ReadCatalogue(track, reread);
    if (reread.WorksheetCount != state.WorksheetCount || state.WorksheetCount > before)
        __builtin_trap();
    for (int k = 1; k <= reread.WorksheetCount; ++k)
        if (reread.nameAt(k) != state.nameAt(k))
            __builtin_trap();
    return 0;
}
