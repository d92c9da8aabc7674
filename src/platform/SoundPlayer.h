#pragma once

#include <QString>

// Plays the program's sounds. A missing or unplayable file, or no audio device, is silence:
// the caller goes on at once and is never told.
class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    // fileName is a program path such as "wav\click.wav".
    virtual void PlaySound(const QString& fileName) = 0;
};
