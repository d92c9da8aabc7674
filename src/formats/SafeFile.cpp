#include "formats/SafeFile.h"

#include "formats/Errors.h"

#include <QDeadlineTimer>
#include <QSaveFile>
#include <QThread>

namespace {

constexpr unsigned long PollInterval = 15;

ReplaceSteps realSteps;
ReplaceSteps* steps = &realSteps;

} // namespace

bool ReplaceSteps::open(QSaveFile& file) {
    return file.open(QIODevice::WriteOnly);
}

qint64 ReplaceSteps::write(QSaveFile& file, const QByteArray& bytes) {
    return file.write(bytes);
}

bool ReplaceSteps::flush(QSaveFile& file) {
    return file.flush();
}

bool ReplaceSteps::commit(QSaveFile& file) {
    return file.commit();
}

ReplaceSteps* ReplaceSteps::use(ReplaceSteps* replacement) {
    ReplaceSteps* before = steps == &realSteps ? nullptr : steps;
    steps = replacement ? replacement : &realSteps;
    return before;
}

void replaceFile(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    // commit() alone misses a write cut short by a full disk (QTBUG-75077): flush first.
    const bool written = steps->open(file) && steps->write(file, bytes) == bytes.size() &&
                         steps->flush(file) && steps->commit(file);
    if (!written)
        throw FileAccessError("cannot write " + path.toStdString() + ": " +
                              file.errorString().toStdString());
}

FileLock::FileLock(const QString& path, std::chrono::milliseconds wait)
    : lock_(path + QStringLiteral(".lock")) {
    lock_.setStaleLockTime(StaleAfter);
    // QLockFile's own waiting backs off to sleeps of seconds; polling briefly keeps the
    // wait short once the other copy lets go.
    const QDeadlineTimer deadline(wait);
    while (!lock_.tryLock(0)) {
        if (lock_.error() != QLockFile::LockFailedError || deadline.hasExpired())
            throw FileAccessError("cannot lock " + path.toStdString());
        QThread::msleep(PollInterval);
    }
}
