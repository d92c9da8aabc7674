#pragma once

#include "platform/SoundPlayer.h"

#include <QStringList>

// Records every sound asked for, in order, and plays nothing.
class RecordingSoundPlayer : public SoundPlayer {
public:
    void PlaySound(const QString& fileName) override { played.append(fileName); }
    QStringList played;
};
