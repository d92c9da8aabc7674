#pragma once

#include "formats/ClampedInt.h"

#include <QString>
#include <array>

// The catalogue of the teachers' own worksheets, as read from "multiple\track.txt":
// names 1 to WorksheetCount in the order they were first saved, index 0 unused.
struct CatalogueState {
    static constexpr int MaxNames = 1000;

    // How many names are listed: 0..MaxNames, whatever the file says or is stored here.
    ClampedInt<0, MaxNames> WorksheetCount;
    // The names at 1..WorksheetCount, each as its line reads; index 0 unused.
    std::array<QString, MaxNames + 1> WorksheetNames;
    // The name that delworksheet removes.
    QString SelectedWorksheet;

    // The name at k, or empty for k outside 1..MaxNames.
    QString nameAt(int k) const;
};

// Reads the count and then names 1 to count, each name a whole line exactly as written.
// Throws FileAccessError (no file), ReadPastEndError (fewer names than the count) or
// FormatError (a count that is no number or negative: nothing is stored; more than
// MaxNames: WorksheetCount is MaxNames and the first MaxNames names are read).
// What was read before a failure stays in `state`.
void ReadCatalogue(const QString& trackPath, CatalogueState& state);

// Adds `title` after the names listed unless one of them is equal apart from case; the file is
// replaced in one step under a lock, so concurrent copies of the program lose no name.
// WorksheetCount stays the count read; the new name goes to WorksheetNames(count + 1).
// Throws as ReadCatalogue, FormatError when MaxNames are listed or the title cannot be
// stored as a line, FileAccessError when the file cannot be locked or written; the file
// is then unchanged.
void trackworksheets(const QString& trackPath, const QString& title, CatalogueState& state);

// Removes the last name equal to SelectedWorksheet, keeping the others in order, and sets
// WorksheetCount to the new count. Nothing is removed when no name is equal. Locking and
// failures as trackworksheets; after a failure the tables hold what was read.
void delworksheet(const QString& trackPath, CatalogueState& state);
