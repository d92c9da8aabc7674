#pragma once

#include <QByteArray>
#include <QLockFile>
#include <QString>
#include <chrono>

class QSaveFile;

// Replaces the file at `path` with `bytes` in one step: the new text goes to a temporary
// file beside it, which takes the old one's place only when it is complete. Throws
// FileAccessError on failure, leaving any earlier file as it was.
void replaceFile(const QString& path, const QByteArray& bytes);

// The four steps replaceFile takes on its QSaveFile. The program always uses these; tests put
// a subclass in place to make any one step fail the way a full or failing disk makes it fail.
class ReplaceSteps {
public:
    virtual ~ReplaceSteps() = default;
    virtual bool open(QSaveFile& file);
    virtual qint64 write(QSaveFile& file, const QByteArray& bytes);
    virtual bool flush(QSaveFile& file);
    // Puts the new file in place of the old one.
    virtual bool commit(QSaveFile& file);

    // Makes replaceFile use `steps` (nullptr: the real ones); returns the steps used before.
    static ReplaceSteps* use(ReplaceSteps* steps);
};

// Holds the lock file `path` + ".lock" for a read-change-write of `path`, so that two
// copies of the program working on one shared folder take turns. A lock left behind by a
// copy that died is taken over once it is older than StaleAfter.
class FileLock {
public:
    static constexpr std::chrono::milliseconds StaleAfter{5000};
    static constexpr std::chrono::milliseconds DefaultWait{6000};

    // Throws FileAccessError when the lock cannot be had within `wait`.
    explicit FileLock(const QString& path, std::chrono::milliseconds wait = DefaultWait);

private:
    QLockFile lock_;
};
