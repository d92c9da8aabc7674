#pragma once

#include <QString>

// Plays the program's sounds. A request only starts a sound: nothing waits for it, and a sound
// that cannot be played (missing or broken file, no audio output) is silence, never an error.
class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;

    // `fileName` is a path as the program writes it, such as "wav\click.wav", relative to the
    // working folder.
    virtual void PlaySound(const QString& fileName) = 0;
};
