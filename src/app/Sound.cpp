#include "app/Sound.h"

#include "app/Dispatch.h"
#include "app/Grey.h"
#include "app/Module1.h"
#include "app/Screens.h"
#include "app/Services.h"
#include "platform/SoundPlayer.h"

void playSound(const QString& fileName) {
    if (Module1::state.settings.SoundOn != 1)
        return;
    Dispatch::run("PlaySound", [&] {
        Screens::touch<Grey>();
        Services::sound().PlaySound(fileName);
    });
}

void playClick() {
    playSound(QStringLiteral("wav\\click.wav"));
}
