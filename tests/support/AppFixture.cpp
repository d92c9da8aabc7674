#include "support/AppFixture.h"

#include "app/Dispatch.h"
#include "app/Module1.h"
#include "app/Screens.h"
#include "app/Services.h"
#include "support/RecordingPrinter.h"

#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QTest>

AppFixture::AppFixture() : failuresAtStart_(Dispatch::caughtFailures()) {
    Screens::unloadAll();
    settle();
    Module1::reset();
    // The topics are part of every installed content folder; a test may change or remove them.
    content.copyProjectFolder(QStringLiteral("topics"));
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
    // The guard has already printed each failure's handler and reason.
    const int failures = Dispatch::caughtFailures() - failuresAtStart_;
    if (failures != expectedFailures_ && !QTest::currentTestFailed()) {
        const QByteArray message = QByteArrayLiteral("handler failures caught by the guard: ") +
                                   QByteArray::number(failures) + ", expected " +
                                   QByteArray::number(expectedFailures_);
        QTest::qFail(message.constData(), __FILE__, __LINE__);
    }
}

void AppFixture::settle() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

void AppFixture::recordPrintsInto(QStringList& recorded, int failAt) {
    recorded.clear();
    Services::setPrinterFactory([&recorded, failAt] {
        // Keeps what was recorded after the printer is gone.
        struct Keeper : RecordingPrinter {
            explicit Keeper(QStringList& into) : into(into) {}
            ~Keeper() override { into = operations; }
            QStringList& into;
        };
        auto keeper = std::make_unique<Keeper>(recorded);
        keeper->failAt = failAt;
        return std::unique_ptr<PrinterSurface>(std::move(keeper));
    });
}
