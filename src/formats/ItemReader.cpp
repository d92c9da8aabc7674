#include "formats/ItemReader.h"

#include "formats/Errors.h"
#include "formats/SafeFile.h"
#include "formats/TextCodec.h"

#include <QFile>
#include <QFileInfo>
#include <QThread>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace {

constexpr char Utf8Mark[] = "\xEF\xBB\xBF";

} // namespace

ItemReader::ItemReader(QByteArray bytes) : bytes_(std::move(bytes)) {
    if (bytes_.startsWith(Utf8Mark)) {
        utf8_ = true;
        pos_ = 3;
    }
    crLineEnds_ = !bytes_.contains('\n') && bytes_.contains('\r');
}

ItemReader ItemReader::open(const QString& path) {
    const std::string name = path.toStdString();
    // A FIFO would block the read until a writer came and a device such as /dev/zero never
    // ends. The name is looked at before opening, so no device is opened at all, and the handle
    // after, without waiting for a writer, in case the name changed in between.
    const QFileInfo info(path);
    if (info.exists() && !info.isFile())
        throw FileAccessError(name + " is not a regular file");
    int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    // An SMB server replaces a file by deleting the old one and renaming the new one into
    // place, so for a moment the file is missing: look again before calling it gone.
    if (fd < 0 && errno == ENOENT && folderKind(path) == FolderKind::SmbShare) {
        for (int tries = 0; fd < 0 && errno == ENOENT && tries < 20; ++tries) {
            QThread::msleep(50);
            fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
        }
    }
    if (fd < 0)
        throw FileAccessError("cannot open " + name);
    QFile file;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        throw FileAccessError("cannot open " + name);
    }
    struct stat status {};
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode))
        throw FileAccessError(name + " is not a regular file");
    if (status.st_size > MaxFileBytes)
        throw FileAccessError(name + " is too large to be a question file or catalogue");
    // The size given is not trusted: a file that grows while it is read stops at the limit too.
    QByteArray bytes;
    char chunk[64 * 1024];
    for (;;) {
        const qint64 got = file.read(chunk, sizeof chunk);
        if (got < 0)
            throw FileAccessError("cannot read " + name);
        if (got == 0)
            break;
        bytes.append(chunk, got);
        if (bytes.size() > MaxFileBytes)
            throw FileAccessError(name + " is too large to be a question file or catalogue");
    }
    return ItemReader(std::move(bytes));
}

QString ItemReader::readItem() {
    if (atEnd())
        throw ReadPastEndError();
    skipBlanks();
    if (!atEnd() && bytes_[pos_] == '"')
        return readQuoted();
    return takeUpTo(findEnd(pos_, true));
}

QString ItemReader::readLine() {
    if (atEnd())
        throw ReadPastEndError();
    return takeUpTo(findEnd(pos_, false));
}

bool ItemReader::isLineEndAt(qsizetype i) const {
    if (bytes_[i] == '\r')
        return crLineEnds_ || (i + 1 < bytes_.size() && bytes_[i + 1] == '\n');
    return bytes_[i] == '\n';
}

qsizetype ItemReader::findEnd(qsizetype from, bool commaEnds) const {
    qsizetype i = from;
    while (i < bytes_.size() && !(commaEnds && bytes_[i] == ',') && !isLineEndAt(i))
        ++i;
    return i;
}

void ItemReader::skipBlanks() {
    while (!atEnd() && (bytes_[pos_] == ' ' || bytes_[pos_] == '\t'))
        ++pos_;
}

void ItemReader::consumeTerminator() {
    if (atEnd())
        return;
    if (bytes_[pos_] == '\r' && !crLineEnds_)
        ++pos_;
    ++pos_;
}

QString ItemReader::takeUpTo(qsizetype end) {
    const QString value = decode(pos_, end);
    pos_ = end;
    consumeTerminator();
    return value;
}

QString ItemReader::readQuoted() {
    const qsizetype start = pos_ + 1;
    const qsizetype close = bytes_.indexOf('"', start);
    const qsizetype end = close < 0 ? bytes_.size() : close;
    const QString value = decode(start, end);
    pos_ = findEnd(close < 0 ? end : close + 1, true);
    consumeTerminator();
    return value;
}

QString ItemReader::decode(qsizetype from, qsizetype to) const {
    // Commas, quotes and line ends never fall inside a UTF-8 sequence, so items cut whole.
    const QByteArrayView text = QByteArrayView(bytes_).sliced(from, to - from);
    return utf8_ ? QString::fromUtf8(text) : TextCodec::decode(text);
}
