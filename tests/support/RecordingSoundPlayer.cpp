#include "support/RecordingSoundPlayer.h"

void RecordingSoundPlayer::PlaySound(const QString& fileName) {
    played.append(fileName);
}
