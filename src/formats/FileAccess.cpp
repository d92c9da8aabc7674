#include "formats/FileAccess.h"

#include "formats/Errors.h"
#include "formats/SafeFile.h"

#include <QDir>
#include <QFile>
#include <QMutex>
#include <QStringDecoder>
#include <QThread>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr qint64 MB = 1024 * 1024;

std::string shown(const QByteArray& path) {
    return '"' + FileAccess::displayName(path).toStdString() + '"';
}

[[noreturn]] void refuse(const QByteArray& path, const std::string& why) {
    throw RefusedFileError(shown(path) + ' ' + why);
}

[[noreturn]] void fail(const QByteArray& path, const std::string& what) {
    throw FileAccessError(shown(path) + ' ' + what + ": " + std::strerror(errno));
}

const char* whatItIs(mode_t mode) {
    if (S_ISDIR(mode))
        return "is a folder, not a file";
    if (S_ISFIFO(mode))
        return "is a pipe (FIFO), not a file";
    if (S_ISSOCK(mode))
        return "is a socket, not a file";
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return "is a device, not a file";
    return "is not a regular file";
}

std::string sizeText(qint64 bytes) {
    if (bytes >= 10 * MB)
        return std::to_string(bytes / MB) + " MB";
    if (bytes >= 10 * 1024)
        return std::to_string(bytes / 1024) + " KB";
    return std::to_string(bytes) + " bytes";
}

[[noreturn]] void tooLarge(const QByteArray& path, qint64 cap) {
    refuse(path, "is too large: at most " + sizeText(cap) + " of such a file is read");
}

// An SMB server replaces a file by deleting the old one and renaming the new one into place,
// so for a moment the file is missing: look again before calling it gone.
int openForReading(const QByteArray& path) {
    const int flags = O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY;
    int fd = ::open(path.constData(), flags);
    if (fd < 0 && errno == ENOENT && folderKind(QFile::decodeName(path)) == FolderKind::SmbShare) {
        for (int tries = 0; fd < 0 && errno == ENOENT && tries < 20; ++tries) {
            QThread::msleep(50);
            fd = ::open(path.constData(), flags);
        }
    }
    return fd;
}

QByteArray readGuarded(const QByteArray& path, qint64 cap, bool capIsError) {
    // The name is looked at before opening, so that no device is opened at all (opening some
    // does something); the handle is looked at after, in case the name changed in between.
    struct stat status {};
    if (::stat(path.constData(), &status) == 0 && !S_ISREG(status.st_mode))
        refuse(path, whatItIs(status.st_mode));
    const int fd = openForReading(path);
    if (fd < 0)
        fail(path, "cannot be opened");
    struct Closer {
        int fd;
        ~Closer() { ::close(fd); }
    } closer{fd};
    if (::fstat(fd, &status) != 0)
        fail(path, "cannot be read");
    if (!S_ISREG(status.st_mode))
        refuse(path, whatItIs(status.st_mode));
    if (capIsError && status.st_size > cap)
        tooLarge(path, cap);
    // The size given proves nothing (a file can grow while it is read): the cap is counted here.
    QByteArray bytes;
    bytes.reserve(qsizetype(std::min<qint64>(status.st_size, cap) + 1));
    char chunk[64 * 1024];
    for (;;) {
        const qint64 room = cap + 1 - bytes.size();
        const ssize_t got = ::read(fd, chunk, size_t(std::min<qint64>(room, sizeof chunk)));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            fail(path, "cannot be read");
        if (got == 0)
            break;
        bytes.append(chunk, got);
        if (bytes.size() > cap) {
            if (capIsError)
                tooLarge(path, cap);
            bytes.truncate(qsizetype(cap));
            break;
        }
    }
    return bytes;
}

QMutex guardMutex;
QList<QByteArray> guarded; // absolute, clean, as the system spells them

// `path` made absolute from the working folder, and "." and ".." taken out as written.
QByteArray lexicalAbsolute(const QByteArray& path) {
    QByteArray absolute = path;
    if (!path.startsWith('/'))
        absolute = QFile::encodeName(QDir::currentPath()) + '/' + path;
    QList<QByteArray> parts;
    for (const QByteArray& part : absolute.split('/')) {
        if (part.isEmpty() || part == ".")
            continue;
        if (part == "..") {
            if (!parts.isEmpty())
                parts.removeLast();
            continue;
        }
        parts.append(part);
    }
    return '/' + parts.join('/');
}

bool within(const QByteArray& path, const QByteArray& folder) {
    return path == folder ||
           (path.startsWith(folder) && (folder.endsWith('/') || path.at(folder.size()) == '/'));
}

QByteArray realPath(const QByteArray& path) {
    char resolved[PATH_MAX];
    return ::realpath(path.constData(), resolved) ? QByteArray(resolved) : QByteArray();
}

// The guarded folder holding `lexical`, or empty.
QByteArray guardOf(const QByteArray& lexical) {
    const QMutexLocker locker(&guardMutex);
    for (const QByteArray& folder : guarded) {
        if (within(lexical, folder))
            return folder;
    }
    return {};
}

// Inside a guarded folder, the folders on the way to the file must be the folders they are
// named as: none may be a link, to elsewhere or to another place in the folder.
void checkNoLinkOnTheWay(const QByteArray& path, const QByteArray& lexical,
                         const QByteArray& folder) {
    const QByteArray realFolder = realPath(folder);
    if (realFolder.isEmpty())
        return; // Not made yet: nothing in it can be a link.
    const QList<QByteArray> below = lexical.mid(folder.size()).split('/');
    QByteArray lexicalSoFar = folder;
    QByteArray realSoFar = realFolder;
    for (qsizetype i = 0; i + 1 < below.size(); ++i) {
        if (below[i].isEmpty())
            continue;
        lexicalSoFar += '/' + below[i];
        struct stat status {};
        if (::lstat(lexicalSoFar.constData(), &status) != 0)
            return; // Missing from here on: it will be made as a folder.
        if (S_ISLNK(status.st_mode))
            refuse(path, "is not written: the folder " + shown(lexicalSoFar) +
                             " on the way to it is a link");
        realSoFar += '/' + below[i];
    }
    // A ".." after a link leaves the folder in a way the written path does not show.
    const qsizetype slash = path.lastIndexOf('/');
    const QByteArray parent = realPath(slash > 0 ? path.left(slash) : QByteArray("."));
    if (!parent.isEmpty() && parent != realSoFar)
        refuse(path, "is not written: the way to it leaves its folder through a link");
}

} // namespace

namespace FileAccess {

QByteArray readNative(const QByteArray& path, Kind kind) {
    return readGuarded(path, capOf(kind), true);
}

QByteArray read(const QString& path, Kind kind) {
    return readNative(QFile::encodeName(path), kind);
}

QByteArray readHead(const QString& path, qint64 bytes) {
    return readGuarded(QFile::encodeName(path), bytes, false);
}

bool isRegularFile(const QString& path) {
    struct stat status {};
    return ::stat(QFile::encodeName(path).constData(), &status) == 0 && S_ISREG(status.st_mode);
}

void guardFolder(const QString& folder) {
    const QByteArray clean = lexicalAbsolute(QFile::encodeName(folder));
    const QMutexLocker locker(&guardMutex);
    if (!guarded.contains(clean))
        guarded.append(clean);
}

void clearGuardedFolders() {
    const QMutexLocker locker(&guardMutex);
    guarded.clear();
}

QByteArray checkWritableNative(const QByteArray& path) {
    if (path.isEmpty())
        throw FileAccessError("no file name was given");
    const QByteArray lexical = lexicalAbsolute(path);
    const QByteArray folder = guardOf(lexical);
    if (!folder.isEmpty())
        checkNoLinkOnTheWay(path, lexical, folder);
    struct stat status {};
    if (::lstat(path.constData(), &status) != 0) {
        if (errno == ENOENT)
            return path;
        fail(path, "cannot be written");
    }
    if (S_ISLNK(status.st_mode)) {
        if (!folder.isEmpty())
            refuse(path, "is a link: the program does not write through links in its folder");
        if (::stat(path.constData(), &status) != 0)
            refuse(path, std::string("is a link that leads nowhere: ") + std::strerror(errno));
        if (!S_ISREG(status.st_mode))
            refuse(path, std::string("is a link to something that ") + whatItIs(status.st_mode));
        const QByteArray target = realPath(path);
        if (target.isEmpty())
            refuse(path, std::string("is a link that cannot be followed: ") + std::strerror(errno));
        return target;
    }
    if (!S_ISREG(status.st_mode))
        refuse(path, std::string(whatItIs(status.st_mode)) + ", so it is not replaced");
    return path;
}

QString checkWritable(const QString& path) {
    return QFile::decodeName(checkWritableNative(QFile::encodeName(path)));
}

QString displayName(const QByteArray& path) {
    QString name;
    auto decoder = QStringDecoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString decoded = decoder(path);
    for (const QChar c : decoded) {
        const bool control = c.category() == QChar::Other_Control;
        name += control || c == QChar::ReplacementCharacter ? QChar(u'?') : c;
    }
    return name;
}

} // namespace FileAccess
