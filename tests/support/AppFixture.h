#pragma once

#include "support/RecordingMessageBox.h"
#include "support/RecordingSoundPlayer.h"
#include "support/TempContent.h"

#include <QStringList>
#include <memory>

class Screen;

// Everything a screen test starts from: a fresh content folder as the working folder, the
// shared state as at program start, no live screens, and doubles for sound, message boxes
// and the end of the program. A handler that throws fails the test at teardown, unless the
// test said it expects exactly that many.
class AppFixture {
public:
    AppFixture();
    ~AppFixture();
    AppFixture(const AppFixture&) = delete;
    AppFixture& operator=(const AppFixture&) = delete;

    TempContent content;
    RecordingSoundPlayer* sound;
    RecordingMessageBox* messages;
    int endCalls = 0;

    void expectHandlerFailures(int count) { expectedFailures_ = count; }

    // Lets queued events and deferred deletions run.
    static void settle();

    // Every print from now on goes to a recording printer, whose operations are copied into
    // `recorded` when the print ends; the printer fails at operation `failAt` (0: never).
    static void recordPrintsInto(QStringList& recorded, int failAt = 0);

private:
    int failuresAtStart_;
    int expectedFailures_ = 0;
};
