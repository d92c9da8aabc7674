#include "formats/SafeFile.h"

#include "formats/Errors.h"
#include "formats/FileAccess.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QMutex>
#include <QRandomGenerator>
#include <QSaveFile>
#include <QSet>
#include <QStorageInfo>
#include <QSysInfo>
#include <QThread>
#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr unsigned long PollInterval = 15;

ReplaceSteps realSteps;
ReplaceSteps* steps = &realSteps;

std::atomic<int> forcedKind{-1};

// A rename or delete on an SMB share fails while any computer has the file open; readers let
// go within milliseconds, so a few seconds of retries cover them without outlasting a lock.
constexpr std::chrono::milliseconds ShareRetryFor{2500};

std::string text(const QString& s) {
    return s.toStdString();
}

QByteArray native(const QString& path) {
    return QFile::encodeName(path);
}

QByteArray uniqueToken() {
    return QByteArray::number(QRandomGenerator::system()->generate64(), 36);
}

// Retries `step` while it fails with an error that an open handle elsewhere or a brief loss of
// the connection gives; returns whether it succeeded, errno set from the last try.
template <typename Step> bool retryOnShare(Step step) {
    const QDeadlineTimer deadline(ShareRetryFor);
    unsigned long pause = 5;
    for (;;) {
        if (step() == 0)
            return true;
        const int error = errno;
        if ((error != EBUSY && error != EACCES && error != EIO && error != ETXTBSY) ||
            deadline.hasExpired())
            return false;
        QThread::msleep(pause);
        pause = std::min(pause * 2, 200UL);
        errno = error;
    }
}

// What tells one lock file from the next: the server stamps each new file with its own time
// in 100 ns steps, and the mount numbers each new file afresh.
QByteArray fileStamp(const QString& path) {
    struct stat status {};
    if (::stat(native(path).constData(), &status) != 0)
        return {};
    return QByteArray::number(qlonglong(status.st_ino)) + ':' +
           QByteArray::number(qlonglong(status.st_mtim.tv_sec)) + '.' +
           QByteArray::number(qlonglong(status.st_mtim.tv_nsec)) + ':' +
           QByteArray::number(qlonglong(status.st_size));
}

bool createExclusive(const QString& path, const QByteArray& bytes) {
    const int fd = ::open(native(path).constData(), O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC, 0644);
    if (fd < 0)
        return false;
    const bool written = ::write(fd, bytes.constData(), size_t(bytes.size())) == bytes.size();
    const int error = errno;
    if (::close(fd) != 0 || !written) {
        ::unlink(native(path).constData());
        errno = written ? EIO : error;
        return false;
    }
    return true;
}

// A share that lets two copies make the same file both believe they hold the lock; it is tried
// once per folder before the first lock or replacement there.
void checkExclusiveCreate(const QString& lockPath) {
    static QMutex mutex;
    static QSet<QString> checked;
    const QString folder = QFileInfo(lockPath).absolutePath();
    {
        const QMutexLocker locker(&mutex);
        if (checked.contains(folder))
            return;
    }
    const QString probe = QDir(folder).filePath(".orvelles-probe-" + uniqueToken());
    if (!createExclusive(probe, "probe"))
        return; // Not writable: the lock itself says so.
    const int again =
        ::open(native(probe).constData(), O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC, 0644);
    const bool honoured = again < 0 && errno == EEXIST;
    if (again >= 0)
        ::close(again);
    retryOnShare([&] { return ::unlink(native(probe).constData()); });
    if (!honoured)
        throw UnsafeFolderError("the shared folder " + text(folder) +
                                " cannot keep two computers from saving over each other's work, "
                                "so nothing is saved there; see the README on sharing a folder");
    const QMutexLocker locker(&mutex);
    checked.insert(folder);
}

// Watches a file that stands in the way: it is stale once it has stayed the same file for
// StaleAfter, measured by this computer's clock so that the server's does not matter.
class Watch {
public:
    bool staleNow(const QByteArray& stamp) {
        if (stamp != seen_) {
            seen_ = stamp;
            since_.start();
            return false;
        }
        return !stamp.isEmpty() && since_.elapsed() >= FileLock::StaleAfter.count();
    }
    const QByteArray& seen() const { return seen_; }

private:
    QByteArray seen_;
    QElapsedTimer since_;
};

void (*breakerTaken)(const QString& lockPath) = nullptr;

void removeStaleLock(const QString& lockPath, const QByteArray& staleStamp, Watch& breakerWatch) {
    // Only the copy holding the breaker deletes a lock, after seeing under it that the lock is
    // still the stale one; a breaker left by a copy that died meanwhile goes stale in turn.
    const QString breaker = lockPath + QStringLiteral(".break");
    if (!createExclusive(breaker, uniqueToken())) {
        if (errno == EEXIST && breakerWatch.staleNow(fileStamp(breaker)))
            retryOnShare([&] { return ::unlink(native(breaker).constData()); });
        return;
    }
    if (breakerTaken)
        breakerTaken(lockPath);
    if (fileStamp(lockPath) == staleStamp)
        retryOnShare([&] { return ::unlink(native(lockPath).constData()); });
    retryOnShare([&] { return ::unlink(native(breaker).constData()); });
}

ShareSteps realShareSteps;
ShareSteps* shareSteps = &realShareSteps;

void replaceOnShare(const QString& path, const QByteArray& bytes) {
    // A question file is written before the catalogue's lock is taken, so the folder is checked
    // here too: on a folder that cannot share safely nothing at all is written.
    checkExclusiveCreate(path);
    const QString temp = path + '.' + QString::fromLatin1(uniqueToken()) + QStringLiteral(".new");
    const auto fail = [&](const char* what) {
        const std::string reason = std::strerror(errno);
        retryOnShare([&] { return ::unlink(native(temp).constData()); });
        throw FileAccessError(std::string("cannot ") + what + ' ' + text(path) + ": " + reason);
    };
    const int fd = ::open(native(temp).constData(), O_CREAT | O_EXCL | O_RDWR | O_CLOEXEC, 0644);
    if (fd < 0)
        throw FileAccessError("cannot write " + text(path) + ": " + std::strerror(errno));
    // A write cut short by the server going away is not resumed: the file is written again
    // whole by the next save, and the new one is read back before it replaces the old one.
    bool whole = shareSteps->write(fd, bytes) == bytes.size() && ::fsync(fd) == 0;
    int error = errno;
    whole = ::close(fd) == 0 && whole;
    // Read back through a new descriptor: the writing one answers from this computer's cache,
    // not from what the server holds.
    if (whole) {
        const int check = ::open(native(temp).constData(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
        QByteArray back(bytes.size() + 1, Qt::Uninitialized);
        whole = check >= 0 && ::pread(check, back.data(), size_t(back.size()), 0) == bytes.size() &&
                back.left(bytes.size()) == bytes;
        error = errno;
        if (check >= 0)
            ::close(check);
    }
    if (!whole) {
        errno = error ? error : EIO;
        fail("write");
    }
    if (!retryOnShare([&] { return shareSteps->rename(native(temp), native(path)); }))
        fail(errno == EBUSY ? "replace (it is open on another computer)" : "replace");
}

} // namespace

FolderKind folderKind(const QString& path) {
    const int forced = forcedKind.load();
    if (forced >= 0)
        return FolderKind(forced);
    QFileInfo info(path);
    const QStorageInfo storage(info.isDir() ? info.absoluteFilePath() : info.absolutePath());
    const QByteArray type = storage.isValid() ? storage.fileSystemType() : QByteArray();
    return type == "cifs" || type == "smb3" || type == "smbfs" || type.startsWith("fuse.smb")
               ? FolderKind::SmbShare
               : FolderKind::Local;
}

void forceFolderKind(std::optional<FolderKind> kind) {
    forcedKind.store(kind ? int(*kind) : -1);
}

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

void removeFile(const QString& given) {
    const QByteArray path = native(FileAccess::checkWritable(given));
    if (!retryOnShare([&] { return ::unlink(path.constData()) == 0 || errno == ENOENT ? 0 : -1; }))
        throw FileAccessError("cannot remove " + text(given) + ": " + std::strerror(errno));
}

void replaceFile(const QString& given, const QByteArray& bytes) {
    const QString path = FileAccess::checkWritable(given);
    if (folderKind(path) == FolderKind::SmbShare)
        return replaceOnShare(path, bytes);
    QSaveFile file(path);
    // commit() alone misses a write cut short by a full disk (QTBUG-75077): flush first.
    const bool written = steps->open(file) && steps->write(file, bytes) == bytes.size() &&
                         steps->flush(file) && steps->commit(file);
    if (!written)
        throw FileAccessError("cannot write " + path.toStdString() + ": " +
                              file.errorString().toStdString());
}

void replaceFileNative(const QByteArray& given, const QByteArray& bytes) {
    const QString asText = QFile::decodeName(given);
    if (QFile::encodeName(asText) == given)
        return replaceFile(asText, bytes);
    const QByteArray path = FileAccess::checkWritableNative(given);
    const std::string shown = '"' + FileAccess::displayName(path).toStdString() + '"';
    QByteArray temp = path + ".XXXXXX";
    const int fd = ::mkstemp(temp.data());
    if (fd < 0)
        throw FileAccessError("cannot write " + shown + ": " + std::strerror(errno));
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t wrote = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (wrote < 0 && errno == EINTR)
            continue;
        if (wrote <= 0)
            break;
        done += wrote;
    }
    const int error = done == bytes.size() ? 0 : errno;
    const bool written = done == bytes.size() && ::fchmod(fd, 0644) == 0 && ::fsync(fd) == 0;
    if (::close(fd) != 0 || !written || ::rename(temp.constData(), path.constData()) != 0) {
        const std::string reason = std::strerror(error ? error : errno);
        ::unlink(temp.constData());
        throw FileAccessError("cannot write " + shown + ": " + reason);
    }
}

FileLock::FileLock(const QString& path, std::chrono::milliseconds wait) {
    const QString lockPath = path + QStringLiteral(".lock");
    if (folderKind(path) == FolderKind::SmbShare) {
        checkExclusiveCreate(lockPath);
        const QByteArray owner = QSysInfo::machineHostName().toUtf8() + ' ' +
                                 QByteArray::number(qint64(::getpid())) + ' ' + uniqueToken();
        const QDeadlineTimer deadline(std::max(wait, ShareWait));
        Watch lockWatch;
        Watch breakerWatch;
        while (!createExclusive(lockPath, owner)) {
            const int error = errno;
            if (error == EEXIST) {
                if (lockWatch.staleNow(fileStamp(lockPath)))
                    removeStaleLock(lockPath, lockWatch.seen(), breakerWatch);
            } else if (error != EIO && error != EBUSY && error != ENOTCONN) {
                throw FileAccessError("cannot lock " + text(path) + ": " + std::strerror(error));
            }
            if (deadline.hasExpired())
                throw FolderBusyError("the folder of " + text(path) +
                                      " is busy: another computer is saving there");
            QThread::msleep(PollInterval);
        }
        sharePath_ = lockPath;
        shareStamp_ = fileStamp(lockPath);
        return;
    }
    // Qt reads a lock file that is in the way for its owner, which on a FIFO never returns.
    FileAccess::checkWritable(lockPath);
    local_ = std::make_unique<QLockFile>(lockPath);
    local_->setStaleLockTime(StaleAfter);
    // QLockFile's own waiting backs off to sleeps of seconds; polling briefly keeps the
    // wait short once the other copy lets go.
    const QDeadlineTimer deadline(wait);
    while (!local_->tryLock(0)) {
        if (local_->error() != QLockFile::LockFailedError || deadline.hasExpired())
            throw FileAccessError("cannot lock " + path.toStdString());
        QThread::msleep(PollInterval);
    }
}

FileLock::~FileLock() {
    // A lock taken over as stale while this copy was stalled is someone else's by now.
    if (!sharePath_.isEmpty() && fileStamp(sharePath_) == shareStamp_)
        retryOnShare([&] { return ::unlink(native(sharePath_).constData()); });
}

qint64 ShareSteps::write(int fd, const QByteArray& bytes) {
    return ::write(fd, bytes.constData(), size_t(bytes.size()));
}

int ShareSteps::rename(const QByteArray& from, const QByteArray& to) {
    return ::rename(from.constData(), to.constData());
}

ShareSteps* ShareSteps::use(ShareSteps* replacement) {
    ShareSteps* before = shareSteps == &realShareSteps ? nullptr : shareSteps;
    shareSteps = replacement ? replacement : &realShareSteps;
    return before;
}

void FileLock::onBreakerTaken(void (*hook)(const QString& lockPath)) {
    breakerTaken = hook;
}
