#pragma once

#include "platform/SoundPlayer.h"

#include <QStringList>

// Stands in for the real player: keeps every requested file name, in order, and plays nothing.
class RecordingSoundPlayer : public SoundPlayer {
public:
    void PlaySound(const QString& fileName) override;

    QStringList played;
};
