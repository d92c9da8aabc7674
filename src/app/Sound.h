#pragma once

#include <QString>

// A sound request as every screen makes it: nothing when sound is off; otherwise the host
// window Grey is made sure of and the player asked to start the file. Never fails.
void playSound(const QString& fileName);

// The click that follows a menu entry's action.
void playClick();
