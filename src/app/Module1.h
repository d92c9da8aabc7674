#pragma once

#include "formats/Catalogue.h"
#include "formats/ClampedInt.h"

#include <QString>

// What the whole run shares, grouped by what it is about. Everything a single activity or page
// needs is handed to its screen as a value when it opens, and kept there. A fresh group holds
// numbers 0 and empty texts. A number with a range stores a value from outside it as the
// nearer end.
namespace Module1 {

// The teachers' own worksheets: read by the main menu and the catalogue screen, added to by the
// wizard, removed from by the catalogue screen.
struct WorksheetCatalogue {
    // The names last read from the catalogue file, and the one chosen for removal.
    CatalogueState Catalogue;
    // Whether the teacher has been told this run that the shared folder cannot keep worksheets
    // safe; the long explanation once is enough.
    bool UnsafeFolderTold = false;
};

// What the pupil chose for the whole run.
struct Settings {
    // 1 for sound on; any other value is off.
    int SoundOn = 0;
    // In class mode, the first name of the pupil using the program; empty until one signs in.
    QString Pupil;
};

// What one activity or page leaves for the next.
struct RunRecord {
    // The subject of the last quiz scored this run, or empty before any: a board's certificate
    // carries it too.
    QString QuizSubject;
    // The frame of the acknowledgements' turning logo, one of its 20 pictures: each opening
    // turns on from where the last one stopped.
    ClampedInt<0, 19> LogoFrame;
};

// Everything the run shares; a group or the whole is reset by assigning it a fresh value.
struct State {
    WorksheetCatalogue catalogue;
    Settings settings;
    RunRecord run;
};

// The one state of the run.
inline State state;

// Back to the state at program start (tests start each case from it).
void reset();

// The catalogue file, as the program names it.
inline const QString trackFile = QStringLiteral("multiple\\track.txt");

} // namespace Module1
