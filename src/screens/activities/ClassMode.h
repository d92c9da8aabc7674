#pragma once

#include "screens/activities/ActivityOutcome.h"

#include <QString>

// Class mode: off until a teacher turns it on for the folder (or ORVELLES_CLASS_MODE=1 for a
// school's scripts). With it on, a pupil signs in with a first name when the program starts,
// and every finished quiz and board adds an entry to the class record in the folder's
// "record" folder, one file a computer. With it off, nothing is asked and nothing is kept.
namespace ClassMode {

// The folder's mark that class mode is on.
inline const QString markFile = QStringLiteral("record\\class-mode.txt");
inline const QString recordFolder = QStringLiteral("record");

bool isOn();
// The teacher's switch: writes or removes the folder's mark. Throws FileAccessError.
void turn(bool on);

// The name this computer's file takes: ORVELLES_MACHINE, or the host's name.
QString machine();

// Asks who is using the program, offering the names already in the record; true when a name
// was given. The name is the run's pupil from then on.
bool signIn();

// Adds the outcome of a finished activity to the record, when class mode is on and a pupil has
// signed in. A record that cannot be written is logged; the pupil is not troubled with it.
void record(const ActivityOutcome& outcome);

} // namespace ClassMode
