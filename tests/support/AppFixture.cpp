#include "support/AppFixture.h"

#include "app/Module1.h"
#include "app/Screens.h"
#include "app/Services.h"

#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>

AppFixture::AppFixture() {
    Screens::unloadAll();
    settle();
    Module1::reset();
    auto player = std::make_unique<RecordingSoundPlayer>();
    sound = player.get();
    Services::setSound(std::move(player));
    auto boxes = std::make_unique<RecordingMessageBox>();
    messages = boxes.get();
    Services::setMessages(std::move(boxes));
    Screens::setEndAction([this] { ++endCalls; });
    while (QGuiApplication::overrideCursor())
        QGuiApplication::restoreOverrideCursor();
}

AppFixture::~AppFixture() {
    Screens::unloadAll();
    settle();
    Services::reset();
    Screens::setEndAction([] { Screens::unloadAll(); });
}

void AppFixture::settle() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}
