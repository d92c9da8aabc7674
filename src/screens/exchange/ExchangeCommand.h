#pragma once

#include <QStringList>
#include <optional>

// "--export FORMAT WORKSHEET FILE" and "--import FILE" for a school's scripts. Runs the
// command and returns the exit status, or nothing when the arguments hold neither.
std::optional<int> runExchangeCommand(const QStringList& arguments);

// The same from main(), before any window system is needed: settles the working folder as
// the program does (`installedContent` relative to the program) and runs the command.
std::optional<int> runExchangeCommand(int argc, char** argv, const QString& installedContent);
