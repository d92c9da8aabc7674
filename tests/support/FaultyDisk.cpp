#include "support/FaultyDisk.h"

#include <QSaveFile>

FaultyDisk::FaultyDisk(int failAt, qint64 writtenBeforeFailure)
    : failAt_(failAt), writtenBeforeFailure_(writtenBeforeFailure),
      previous_(ReplaceSteps::use(this)) {}

FaultyDisk::~FaultyDisk() {
    ReplaceSteps::use(previous_);
}

bool FaultyDisk::failsNow(Step step) {
    if (taken_++ != failAt_)
        return false;
    failed_ = true;
    failedStep_ = step;
    return true;
}

bool FaultyDisk::open(QSaveFile& file) {
    return !failsNow(Step::Open) && ReplaceSteps::open(file);
}

qint64 FaultyDisk::write(QSaveFile& file, const QByteArray& bytes) {
    if (!failsNow(Step::Write))
        return ReplaceSteps::write(file, bytes);
    // The part that fitted really reaches the new file before the disk is full.
    const QByteArray part = bytes.left(writtenBeforeFailure_);
    const qint64 written = ReplaceSteps::write(file, part);
    ReplaceSteps::flush(file);
    return written < bytes.size() ? written : bytes.size() - 1;
}

bool FaultyDisk::flush(QSaveFile& file) {
    if (!failsNow(Step::Flush))
        return ReplaceSteps::flush(file);
    ReplaceSteps::flush(file);
    return false;
}

bool FaultyDisk::commit(QSaveFile& file) {
    if (!failsNow(Step::Commit))
        return ReplaceSteps::commit(file);
    // The new file is complete on disk, but renaming it over the old one fails.
    file.cancelWriting();
    return ReplaceSteps::commit(file);
}
