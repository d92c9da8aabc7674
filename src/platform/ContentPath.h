#pragma once

#include <QString>

// Turns a path as the program writes it ("Images\globesm.jpg", "multiple/" + name + ".txt")
// into a path on this system, relative to the working folder. Backslashes become slashes, and
// where the exact name is missing each component is looked up without regard to case, so a
// content folder copied from a system that ignores case works unchanged. Components that match
// nothing are kept as written, so the result also names a file about to be created.
namespace ContentPath {

QString resolve(const QString& programPath);

} // namespace ContentPath
