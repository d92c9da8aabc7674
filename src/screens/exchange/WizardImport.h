#pragma once

#include "formats/exchange/Exchange.h"
#include "screens/exchange/ImportFit.h"

#include <QList>

class wizard;

// "Import questions…" on the wizard: a right-click or Ctrl+I.
namespace WizardImport {

// Gives the wizard its right-click menu and shortcut.
void attach(wizard& editor);

// Asks for a file, lists what fits, and fills the wizard with the questions ticked. A file
// that cannot be read, or a cancel, leaves the wizard as it was.
void run(wizard& editor);

// Fills the wizard's questions in order with found.fitting[picks[i]], the right answers ticked,
// its texts as `texts` (from ImportFit::textsOf, as the teacher left them) and the questions
// whose places are in `leftOut` left out; the title too, when the wizard has none.
void fill(wizard& editor, const Exchange::Found& found, const QList<int>& picks,
          const QList<ImportFit::Text>& texts, const QList<int>& leftOut = {});

} // namespace WizardImport
