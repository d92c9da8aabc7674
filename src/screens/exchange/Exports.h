#pragma once

#include "formats/exchange/Exchange.h"

#include <QByteArray>
#include <QString>
#include <optional>

// Worksheets of the catalogue out to other programs, and a report of what a file would bring in.
namespace Exports {

enum class Kind { Gift, Aiken, MoodleXml, WebPage };

// "gift", "aiken", "moodle-xml" (or "xml"), "web" (or "html"), any case.
std::optional<Kind> kindNamed(const QString& name);

QString kindName(Kind kind);
// The file suffix a save dialog offers, such as "gift.txt".
QString suffix(Kind kind);

// The worksheet of that name in the content folder, the built-in ones included. Throws
// FileError (FormatError for a damaged one).
WorksheetContent loadWorksheet(const QString& name);

// The file for `worksheet`. Throws FormatError.
QByteArray bytes(Kind kind, const WorksheetContent& worksheet);

// Writes the worksheet `name` to `path` in one step; an earlier file there stays whole on
// failure. Throws FileError.
void exportWorksheet(Kind kind, const QString& name, const QString& path);

// What a file holds, for a teacher or a script: the format, each fitting question, each one
// left out with its reason, and text a worksheet file could not keep, marked.
QString report(const Exchange::Found& found);

} // namespace Exports
