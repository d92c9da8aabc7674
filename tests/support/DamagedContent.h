#pragma once

#include <QtGlobal>

class TempContent;

// Spoils a copy of the project's content folder the ways files get spoilt: pictures, pages,
// logo frames and sounds cut short, overwritten with noise or gone; question files of
// garbage, cut short or with impossible answers; a catalogue naming files that are not there.
// Where each file is cut and what noise it gets follow `seed`.
void damageContent(const TempContent& content, quint64 seed);
