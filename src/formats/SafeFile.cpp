#include "formats/SafeFile.h"

#include "formats/Errors.h"

#include <QSaveFile>

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
    if (!lock_.tryLock(wait))
        throw FileAccessError("cannot lock " + path.toStdString());
}
