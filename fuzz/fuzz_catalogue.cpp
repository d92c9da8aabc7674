// Any bytes as the catalogue file: read it as the main menu does, then add and remove a name.
#include "formats/Catalogue.h"
#include "formats/Errors.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static QTemporaryDir folder;
    const QString track = folder.filePath(QStringLiteral("track.txt"));
    QFile file(track);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return 0;
    file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
    file.close();
    CatalogueState state;
    try {
        ReadCatalogue(track, state);
    } catch (const FileError&) {
    }
    (void)state.nameAt(state.WorksheetCount);
    try {
        trackworksheets(track, QStringLiteral("Castles"), state);
        state.SelectedWorksheet = QStringLiteral("Castles");
        delworksheet(track, state);
    } catch (const FileError&) {
    }
    return 0;
}
