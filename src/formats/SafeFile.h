#pragma once

#include <QByteArray>
#include <QLockFile>
#include <QString>
#include <chrono>
#include <memory>
#include <optional>

class QSaveFile;

// How a folder behaves when several computers save into it. On a local disk (and on shares
// that behave like one) Qt's lock file and save file do. On an SMB share a file open anywhere
// cannot be deleted or renamed over, and a lock file cannot be read for its owner without
// blocking its removal, so saving there takes other steps.
enum class FolderKind { Local, SmbShare };

// The kind of the folder holding `path`, from the file system it is mounted as.
FolderKind folderKind(const QString& path);

// Makes folderKind answer `kind` for every path (nullopt: find out); for tests.
void forceFolderKind(std::optional<FolderKind> kind);

// Replaces the file at `path` with `bytes` in one step: the new text goes to a temporary
// file beside it, which takes the old one's place only when it is complete. Throws
// FileAccessError on failure, leaving any earlier file as it was, and before writing anything
// where FileAccess::checkWritable refuses the path (a link, a device, a FIFO).
void replaceFile(const QString& path, const QByteArray& bytes);

// The same for a path given as the bytes the system uses: a name that is not UTF-8 (which Qt's
// file classes cannot hold) is written as it is, not under another name.
void replaceFileNative(const QByteArray& path, const QByteArray& bytes);

// Removes the regular file at `path`; nothing when there is none. Refuses, as replaceFile does,
// a path FileAccess::checkWritable refuses (a link in the folder, a device, a folder). On a
// share, where a file open elsewhere cannot be removed for a moment, it tries again. Throws
// FileAccessError naming the file when it stays.
void removeFile(const QString& path);

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

// The steps replaceFile takes on an SMB share: writing the new file beside the old one (on its
// descriptor) and putting it in the old one's place. The program always uses these; tests put a
// subclass in place to make the server damage a write while saying it went whole.
class ShareSteps {
public:
    virtual ~ShareSteps() = default;
    virtual qint64 write(int fd, const QByteArray& bytes);
    virtual int rename(const QByteArray& from, const QByteArray& to);

    // Makes replaceFile use `steps` (nullptr: the real ones); returns the steps used before.
    static ShareSteps* use(ShareSteps* steps);
};

// Holds the lock file `path` + ".lock" for a read-change-write of `path`, so that two
// copies of the program working on one shared folder take turns. A lock left behind by a
// copy that died is taken over once it is older than StaleAfter. On an SMB share the lock is
// a file made only if none exists; one that has not changed for StaleAfter is taken over, so
// there the wait is at least ShareWait.
class FileLock {
public:
    static constexpr std::chrono::milliseconds StaleAfter{5000};
    static constexpr std::chrono::milliseconds DefaultWait{6000};
    static constexpr std::chrono::milliseconds ShareWait{8000};

    // Throws FolderBusyError when the lock cannot be had within `wait`, UnsafeFolderError when
    // the folder cannot keep two copies from holding it at once, FileAccessError otherwise.
    explicit FileLock(const QString& path, std::chrono::milliseconds wait = DefaultWait);
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    // Calls `hook` (nullptr: nothing) with the lock's path whenever a share lock's breaker has
    // just been taken, before the stale lock is looked at again; tests have another copy act
    // at that moment.
    static void onBreakerTaken(void (*hook)(const QString& lockPath));

private:
    std::unique_ptr<QLockFile> local_;
    QString sharePath_;
    QByteArray shareStamp_;
};
