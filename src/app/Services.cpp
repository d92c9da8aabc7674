#include "app/Services.h"

#include "platform/MessageBox.h"
#include "platform/PrintError.h"
#include "platform/PrinterSurface.h"
#include "platform/SoundPlayer.h"

#include <QRandomGenerator>

namespace {

class SilentPlayer : public SoundPlayer {
public:
    void PlaySound(const QString&) override {}
};

class UnseenMessages : public MessageBox {
public:
    Answer show(const QString&, Buttons, const QString&) override { return Answer::Ok; }
};

std::unique_ptr<SoundPlayer>& soundSlot() {
    static std::unique_ptr<SoundPlayer> player = std::make_unique<SilentPlayer>();
    return player;
}

std::unique_ptr<MessageBox>& messageSlot() {
    static std::unique_ptr<MessageBox> boxes = std::make_unique<UnseenMessages>();
    return boxes;
}

std::function<std::unique_ptr<PrinterSurface>()>& printerFactory() {
    static std::function<std::unique_ptr<PrinterSurface>()> factory;
    return factory;
}

std::function<int(int)>& randomSource() {
    static std::function<int(int)> source;
    return source;
}

} // namespace

namespace Services {

SoundPlayer& sound() {
    return *soundSlot();
}

void setSound(std::unique_ptr<SoundPlayer> player) {
    soundSlot() = player ? std::move(player) : std::make_unique<SilentPlayer>();
}

MessageBox& messages() {
    return *messageSlot();
}

void setMessages(std::unique_ptr<MessageBox> boxes) {
    messageSlot() = boxes ? std::move(boxes) : std::make_unique<UnseenMessages>();
}

std::unique_ptr<PrinterSurface> newPrinter() {
    if (!printerFactory())
        throw PrintError("no printer");
    return printerFactory()();
}

void setPrinterFactory(std::function<std::unique_ptr<PrinterSurface>()> factory) {
    printerFactory() = std::move(factory);
}

int randomBelow(int n) {
    if (n <= 0)
        return 0;
    if (randomSource())
        return randomSource()(n);
    // The floor of a uniform number in [0, 1) times n.
    return static_cast<int>(QRandomGenerator::global()->generateDouble() * n);
}

void setRandom(std::function<int(int)> source) {
    randomSource() = std::move(source);
}

void reset() {
    setSound(nullptr);
    setMessages(nullptr);
    setPrinterFactory(nullptr);
    setRandom(nullptr);
}

} // namespace Services
