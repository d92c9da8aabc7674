#pragma once

#include "formats/exchange/Exchange.h"

#include <QList>

class wizard;

// "Import questions…" on the wizard: a right-click or Ctrl+I.
namespace WizardImport {

// Gives the wizard its right-click menu and shortcut.
void attach(wizard& editor);

// Asks for a file, lists what fits, and fills the wizard with the questions ticked. A file
// that cannot be read, or a cancel, leaves the wizard as it was.
void run(wizard& editor);

// Fills questions 1 to picks.size() with found.fitting[picks[i]], the right answers ticked;
// the title too, when the wizard has none and the file names one.
void fill(wizard& editor, const Exchange::Found& found, const QList<int>& picks);

} // namespace WizardImport
