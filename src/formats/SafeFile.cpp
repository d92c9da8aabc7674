#include "formats/SafeFile.h"

#include "formats/Errors.h"

#include <QDeadlineTimer>
#include <QSaveFile>
#include <QThread>

namespace {

constexpr unsigned long PollInterval = 15;

} // namespace

void replaceFile(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    // commit() alone misses a write cut short by a full disk (QTBUG-75077): flush first.
    const bool written = file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() &&
                         file.flush() && file.commit();
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
