#pragma once

#include <QByteArrayList>
#include <QStringList>
#include <optional>

// "--export FORMAT WORKSHEET FILE" and "--import FILE" for a school's scripts. Runs the
// command and returns the exit status, or nothing when the arguments hold neither.
std::optional<int> runExchangeCommand(const QStringList& arguments);

// "--export" with its three operands, or "--import" with its one, as main() was given them: a
// file name is used as the bytes given, relative to the folder the command was started in.
int exportCommand(const QByteArrayList& operands);
int importCommand(const QByteArrayList& operands);

// The same from main(), before any window system is needed: settles the working folder as
// the program does (`installedContent` relative to the program) and runs the command.
int runExchangeCommand(bool exporting, QByteArrayList operands, int argc, char** argv,
                       const QString& installedContent);

// "--results csv FILE": the class record of the working folder, every computer's file merged,
// written as one CSV file for a school's scripts; damaged lines are named on stderr.
int resultsCommand(const QByteArrayList& operands);
int runResultsCommand(QByteArrayList operands, int argc, char** argv,
                      const QString& installedContent);
