#pragma once

#include <QString>

class QMenu;

// Adds "Print the answer key" for the catalogue's worksheet `name` to a right-click menu.
void addAnswerKeyEntry(QMenu& menu, const QString& name);

// Reads the worksheet's question file and prints its answer key on the default printer,
// saying how it went; the quiz in memory is left as it was.
void printAnswerKeyOf(const QString& name);
