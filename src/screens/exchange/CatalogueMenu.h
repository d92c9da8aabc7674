#pragma once

#include "screens/exchange/Exports.h"

#include <QString>

class QMenu;
class QWidget;

// The catalogue's right-click menu on a worksheet's name: export it to another program.
namespace CatalogueMenu {

// Adds "Export as GIFT…", "Aiken…", "Moodle XML…" and "Web page…" to `menu`, each exporting
// the worksheet `name` with `parent` over its dialogs.
void addExports(QMenu& menu, QWidget* parent, const QString& name);

// Asks where to save, writes the file and says how it went. A cancelled dialog writes nothing.
void exportWorksheet(QWidget* parent, Exports::Kind kind, const QString& name);

} // namespace CatalogueMenu
