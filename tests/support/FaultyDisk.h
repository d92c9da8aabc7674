#pragma once

#include "formats/SafeFile.h"

// While it lives, file replacements count their steps, and the step numbered `failAt`
// (from 0, over every replacement made meanwhile) fails the way a disk makes it fail:
// an open that is refused, a write that stops after `writtenBeforeFailure` bytes
// (a full disk), a flush that cannot write out what was buffered, a new file that cannot
// take the old one's place. A negative `failAt` fails nothing and only counts.
class FaultyDisk : public ReplaceSteps {
public:
    enum class Step { Open, Write, Flush, Commit };

    explicit FaultyDisk(int failAt, qint64 writtenBeforeFailure = 0);
    ~FaultyDisk() override;
    FaultyDisk(const FaultyDisk&) = delete;
    FaultyDisk& operator=(const FaultyDisk&) = delete;

    bool open(QSaveFile& file) override;
    qint64 write(QSaveFile& file, const QByteArray& bytes) override;
    bool flush(QSaveFile& file) override;
    bool commit(QSaveFile& file) override;

    // Steps taken so far, and the kind of the one that failed.
    int steps() const { return taken_; }
    bool failed() const { return failed_; }
    Step failedStep() const { return failedStep_; }

private:
    bool failsNow(Step step);

    int failAt_;
    qint64 writtenBeforeFailure_;
    int taken_ = 0;
    bool failed_ = false;
    Step failedStep_ = Step::Open;
    ReplaceSteps* previous_;
};
