#include "formats/ClassRecord.h"

#include "formats/Errors.h"
#include "formats/FileAccess.h"
#include "formats/SafeFile.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRegularExpression>
#include <cerrno>
#include <fcntl.h>
#include <set>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace ClassRecord {

namespace {

const QStringList columns{"id",    "when",   "pupil",   "machine",     "topic", "activity",
                          "score", "out_of", "answers", "wrong_boxes", "check"};

// FNV-1a of the line's bytes before its check, as eight hex digits.
QString sumOf(const QByteArray& bytes) {
    quint32 h = 2166136261u;
    for (const char c : bytes)
        h = (h ^ static_cast<quint8>(c)) * 16777619u;
    return QStringLiteral("%1").arg(h, 8, 16, QLatin1Char('0'));
}

// One field as CSV writes it; line ends and other control characters become spaces, so an
// entry is always one line.
QString field(QString text) {
    for (QChar& c : text)
        if (c.category() == QChar::Other_Control)
            c = QLatin1Char(' ');
    if (text.contains(QLatin1Char(',')) || text.contains(QLatin1Char('"')) ||
        text != text.trimmed()) {
        text.replace(QLatin1String("\""), QLatin1String("\"\""));
        return QLatin1Char('"') + text + QLatin1Char('"');
    }
    return text;
}

// The fields of one line; nullopt-like empty list with `ok` false when the quotes do not close.
QStringList fieldsOf(const QString& line, bool& ok) {
    if (!line.contains(QLatin1Char('"'))) {
        ok = true;
        return line.split(QLatin1Char(','));
    }
    QStringList fields;
    QString current;
    bool quoted = false;
    ok = true;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line[i];
        if (quoted) {
            if (c == QLatin1Char('"') && i + 1 < line.size() && line[i + 1] == QLatin1Char('"')) {
                current += c;
                ++i;
            } else if (c == QLatin1Char('"')) {
                quoted = false;
            } else {
                current += c;
            }
        } else if (c == QLatin1Char('"')) {
            quoted = true;
        } else if (c == QLatin1Char(',')) {
            fields.append(current);
            current.clear();
        } else {
            current += c;
        }
    }
    fields.append(current);
    ok = !quoted;
    return fields;
}

QString answersText(const QList<Answer>& answers) {
    QStringList parts;
    for (const Answer& a : answers)
        parts.append(QStringLiteral("%1:%2:%3").arg(a.question).arg(a.chosen, a.right));
    return parts.join(QLatin1Char(' '));
}

QString boxesText(const QList<int>& boxes) {
    QStringList parts;
    for (const int b : boxes)
        parts.append(QString::number(b));
    return parts.join(QLatin1Char(' '));
}

bool letterOrNone(const QString& s) {
    return s.isEmpty() || (s.size() == 1 && s[0] >= QLatin1Char('A') && s[0] <= QLatin1Char('D'));
}

// The entry of a line that passed its check, or a reason it cannot be one.
QString entryOf(const QStringList& f, Entry& e) {
    bool ok1 = false, ok2 = false;
    e.id = f[0];
    e.when = QDateTime::fromString(f[1], Qt::ISODate);
    e.pupil = f[2];
    e.machine = f[3];
    e.topic = f[4];
    e.activity = f[5];
    e.score = f[6].toInt(&ok1);
    e.outOf = f[7].toInt(&ok2);
    if (e.id.isEmpty() || !e.when.isValid() || !ok1 || !ok2 || e.score < 0 || e.outOf < 0 ||
        e.score > e.outOf)
        return QStringLiteral("a field holds what it cannot");
    for (const QString& part : f[8].split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QStringList a = part.split(QLatin1Char(':'));
        bool ok = false;
        const int q = a.value(0).toInt(&ok);
        if (a.size() != 3 || !ok || q < 1 || !letterOrNone(a[1]) || !letterOrNone(a[2]))
            return QStringLiteral("an answer is not question:chosen:right");
        e.answers.append({q, a[1], a[2]});
    }
    for (const QString& part : f[9].split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        bool ok = false;
        const int box = part.toInt(&ok);
        if (!ok || box < 1)
            return QStringLiteral("a wrong box is not a number");
        e.wrongBoxes.append(box);
    }
    return {};
}

qint64 pwriteStep(int fd, const QByteArray& bytes, qint64 offset) {
    return ::pwrite(fd, bytes.constData(), size_t(bytes.size()), off_t(offset));
}

WriteStep writeStep = pwriteStep;

// The `size` bytes at `offset` of `path`, read on a descriptor of their own: the one that wrote
// them would answer from this computer's cache on a share mounted through FUSE (smbnetfs), even
// where the server kept something else, while a new open reads what the server holds.
QByteArray readBack(const QByteArray& path, qint64 offset, qint64 size) {
    const int fd = ::open(path.constData(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
    if (fd < 0)
        return {};
    QByteArray bytes(size, Qt::Uninitialized);
    ssize_t got = -1;
    do
        got = ::pread(fd, bytes.data(), size_t(size), off_t(offset));
    while (got < 0 && errno == EINTR);
    ::close(fd);
    return got < 0 ? QByteArray() : bytes.left(got);
}

} // namespace

void useWriteStep(WriteStep step) {
    writeStep = step ? step : pwriteStep;
}

QString header() {
    return columns.join(QLatin1Char(','));
}

QString lineOf(const Entry& e) {
    const QStringList fields{field(e.id),
                             field(e.when.toString(Qt::ISODateWithMs)),
                             field(e.pupil),
                             field(e.machine),
                             field(e.topic),
                             field(e.activity),
                             QString::number(e.score),
                             QString::number(e.outOf),
                             field(answersText(e.answers)),
                             field(boxesText(e.wrongBoxes))};
    const QString body = fields.join(QLatin1Char(',')) + QLatin1Char(',');
    return body + sumOf(body.toUtf8());
}

Read parse(const QByteArray& text, const QString& file) {
    Read read;
    const QList<QByteArray> lines = text.split('\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QByteArray bytes = lines[i];
        if (bytes.endsWith('\r'))
            bytes.chop(1);
        const bool last = i == lines.size() - 1;
        if (bytes.isEmpty())
            continue;
        const auto problem = [&](const QString& why) {
            read.problems.append(QStringLiteral("%1, line %2: %3").arg(file).arg(i + 1).arg(why));
        };
        const QString line = QString::fromUtf8(bytes);
        if (line == header())
            continue;
        if (last) {
            // Every entry ends its line; one that does not was cut short while it was written.
            problem(QStringLiteral("cut short"));
            continue;
        }
        const qsizetype comma = bytes.lastIndexOf(',');
        if (comma < 0 ||
            sumOf(bytes.left(comma + 1)) != QString::fromLatin1(bytes.mid(comma + 1))) {
            problem(QStringLiteral("damaged (its check does not match)"));
            continue;
        }
        bool ok = false;
        const QStringList fields = fieldsOf(line, ok);
        Entry entry;
        const QString why = !ok || fields.size() != columns.size()
                                ? QStringLiteral("not %1 fields").arg(columns.size())
                                : entryOf(fields, entry);
        if (!why.isEmpty()) {
            problem(why);
            continue;
        }
        read.entries.append(entry);
    }
    return read;
}

Read readFolder(const QString& folder) {
    Read all;
    std::set<QString> seen;
    // Links and special files are listed too, so that what is refused is named.
    const QStringList files = QDir(folder).entryList(
        {QStringLiteral("*.csv")}, QDir::Files | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString& name : files) {
        Read one;
        try {
            one = parse(
                FileAccess::read(QDir(folder).filePath(name), FileAccess::Kind::ClassRecord), name);
        } catch (const FileError& e) {
            all.problems.append(QString::fromUtf8(e.what()));
            continue;
        }
        all.problems += one.problems;
        for (const Entry& e : one.entries)
            if (seen.insert(e.id).second)
                all.entries.append(e);
    }
    std::stable_sort(all.entries.begin(), all.entries.end(),
                     [](const Entry& a, const Entry& b) { return a.when < b.when; });
    return all;
}

QString fileNameFor(const QString& machine) {
    QString name;
    for (const QChar c : machine)
        if (c.isLetterOrNumber() && c.unicode() < 128)
            name += c;
        else if (c == QLatin1Char('-') || c == QLatin1Char('_'))
            name += c;
    return (name.isEmpty() ? QStringLiteral("machine") : name.left(64)) + QStringLiteral(".csv");
}

namespace {

// A record file open and locked against the other copies of the program on this computer (two
// pupils' sessions on one terminal server write the same file). The lock is the kernel's, so
// it holds only on this computer, which is all it must: other computers write other files. A
// file replaced while the lock was awaited (a teacher removing a pupil) is opened again.
struct LockedFile {
    int fd = -1;
    // Waits up to about three seconds in all for other copies to finish.
    LockedFile(const QByteArray& path, int flags) {
        QElapsedTimer waited;
        waited.start();
        for (;;) {
            fd = ::open(path.constData(), flags | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK, 0664);
            if (fd < 0)
                throw FileAccessError(QFile::decodeName(path).toStdString() + " cannot be opened");
            struct stat status {};
            if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
                ::close(fd);
                throw RefusedFileError(QFile::decodeName(path).toStdString() +
                                       " is not a regular file");
            }
            // A file system without such locks still takes the entry.
            bool locked = true;
            while (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
                if (errno != EWOULDBLOCK && errno != EINTR) {
                    locked = false;
                    break;
                }
                if (waited.hasExpired(3000)) {
                    ::close(fd);
                    throw FileAccessError(QFile::decodeName(path).toStdString() +
                                          " is kept busy by another copy of the program");
                }
                ::usleep(5'000);
            }
            struct stat now {};
            if (!locked || (::stat(path.constData(), &now) == 0 && now.st_ino == status.st_ino &&
                            now.st_dev == status.st_dev))
                return;
            ::close(fd);
            if (waited.hasExpired(3000))
                throw FileAccessError(QFile::decodeName(path).toStdString() +
                                      " kept being replaced while it was awaited");
        }
    }
    ~LockedFile() { ::close(fd); }
    LockedFile(const LockedFile&) = delete;
    LockedFile& operator=(const LockedFile&) = delete;
};

} // namespace

void append(const QString& file, const Entry& entry) {
    const QByteArray path = QFile::encodeName(FileAccess::checkWritable(file));
    const auto fail = [&](const char* what) {
        throw FileAccessError(QFile::decodeName(path).toStdString() + " " + what);
    };
    // Not O_APPEND: an SMB share mounted through FUSE fails it with EIO and drops the
    // connection. Each computer writes only its own file, so writing at its end is enough.
    const LockedFile locked(path, O_RDWR | O_CREAT);
    const int fd = locked.fd;
    // The end is found by reading to it: a share's size can be stale just after the server
    // came back, and writing at a stale end would overwrite entries.
    off_t end = 0;
    char last = '\n';
    for (char chunk[64 * 1024];;) {
        const ssize_t got = ::pread(fd, chunk, sizeof chunk, end);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            fail("cannot be read to its end");
        if (got == 0)
            break;
        end += got;
        last = chunk[got - 1];
        if (end > FileAccess::capOf(FileAccess::Kind::ClassRecord))
            throw RefusedFileError(QFile::decodeName(path).toStdString() + " is too large");
    }
    QByteArray bytes;
    if (end == 0)
        bytes = header().toUtf8() + '\n';
    else if (last != '\n')
        bytes = "\n";
    bytes += lineOf(entry).toUtf8() + '\n';
    // One write, so another reader sees the entry whole or not at all.
    qint64 written = -1;
    do
        written = writeStep(fd, bytes, end);
    while (written < 0 && errno == EINTR);
    if (written != bytes.size())
        fail("could not take the whole entry");
    if (::fsync(fd) != 0)
        fail("could not be written out");
    // A share that came back mid-write can report a write it did not keep.
    if (readBack(path, end, bytes.size()) != bytes)
        fail("did not keep the entry as written");
}

void removePupil(const QString& file, const QString& pupil) {
    // Held until the file is replaced, so no copy on this computer adds to the old one meanwhile.
    const LockedFile locked(QFile::encodeName(FileAccess::checkWritable(file)), O_RDONLY);
    const QByteArray text = FileAccess::read(file, FileAccess::Kind::ClassRecord);
    QByteArray kept;
    for (const QByteArray& bytes : text.split('\n')) {
        if (bytes.isEmpty())
            continue;
        const Read one = parse(bytes + '\n', QString());
        if (one.entries.size() == 1 && one.entries[0].pupil == pupil)
            continue;
        kept += bytes + '\n';
    }
    replaceFile(file, kept);
}

QByteArray exportCsv(const QList<Entry>& entries) {
    QByteArray csv = header().toUtf8() + "\r\n";
    for (const Entry& e : entries)
        csv += lineOf(e).toUtf8() + "\r\n";
    return csv;
}

} // namespace ClassRecord
