#include "app/UserFolder.h"

#include "formats/Errors.h"
#include "formats/FileAccess.h"
#include "formats/SafeFile.h"
#include "platform/Logging.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <optional>
#include <sys/stat.h>

namespace {

using Digests = QHash<QString, QByteArray>;

std::string text(const QString& s) {
    return s.toStdString();
}

QByteArray digest(const QByteArray& bytes) {
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex();
}

bool isCatalogue(const QString& relative) {
    return relative.compare(QLatin1String(UserFolder::Catalogue), Qt::CaseInsensitive) == 0;
}

bool isQuestionFile(const QString& relative) {
    return relative.startsWith(QLatin1String("multiple/"), Qt::CaseInsensitive);
}

// A file in the way of bringing the folder up to date (a link, a FIFO, a device) is left as it
// is and named in the log: one planted file must neither stop every start nor be written
// through.
void leaveAlone(const FileAccessError& why) {
    qCWarning(lcFolder, "The Orvelles left a file of its folder as it is: %s", why.what());
}

bool present(const QString& path) {
    struct stat status {};
    return ::lstat(QFile::encodeName(path).constData(), &status) == 0;
}

// The record holds one "digest<TAB>relative path" line per file copied from the content.
// Nothing when it cannot be read; `usable` says whether it may be written.
Digests readRecord(const QString& path, bool& usable) {
    Digests digests;
    usable = true;
    if (!present(path))
        return digests;
    QByteArray bytes;
    try {
        FileAccess::checkWritable(path);
        bytes = FileAccess::read(path, FileAccess::Kind::Record);
    } catch (const FileAccessError& e) {
        leaveAlone(e);
        usable = false;
        return digests;
    }
    for (const QByteArray& line : bytes.split('\n')) {
        const qsizetype tab = line.indexOf('\t');
        if (tab > 0)
            digests.insert(QString::fromUtf8(line.mid(tab + 1)), line.left(tab));
    }
    return digests;
}

void writeRecord(const QString& path, const Digests& digests) {
    QStringList names = digests.keys();
    names.sort();
    QByteArray bytes;
    for (const QString& name : names)
        bytes += digests.value(name) + '\t' + name.toUtf8() + '\n';
    replaceFile(path, bytes);
}

void writeFile(const QString& path, const QByteArray& bytes) {
    // Looked at before any folder is made, so that none is made through a planted link.
    FileAccess::checkWritable(path);
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        throw FileAccessError("cannot make folder " + text(QFileInfo(path).absolutePath()));
    replaceFile(path, bytes);
}

// Only question files need a record: a teacher may have changed one, and a changed copy is
// kept. Everything else is put right whenever it differs from the installed copy.
void bringUp(const QString& source, const QString& relative, const QString& targetPath,
             Digests& copied) {
    const QByteArray installed =
        FileAccess::read(QDir(source).filePath(relative), FileAccess::Kind::Content);
    const bool recorded = isQuestionFile(relative);
    if (present(targetPath)) {
        // A file too large to read is not what was copied: a worksheet is kept, the rest put right.
        std::optional<QByteArray> current;
        try {
            current = FileAccess::read(targetPath, FileAccess::Kind::Content);
        } catch (const FileAccessError& error) {
            qCInfo(lcFolder, "%s not read, taken as changed: %s", qUtf8Printable(relative),
                   error.what());
        }
        if (current == installed) {
            if (recorded)
                copied.insert(relative, digest(installed));
            return;
        }
        if (recorded && (!current || copied.value(relative) != digest(*current))) {
            copied.remove(relative);
            return;
        }
    }
    writeFile(targetPath, installed);
    if (recorded)
        copied.insert(relative, digest(installed));
}

void bringUpOrLeave(const QString& source, const QString& relative, const QString& targetPath,
                    Digests& copied) {
    try {
        bringUp(source, relative, targetPath, copied);
    } catch (const RefusedFileError& e) {
        leaveAlone(e);
    }
}

// Two machines starting together on a shared folder must not both write a catalogue.
void makeCatalogue(const QString& source, const QString& target) {
    const QString path = QDir(target).filePath(QLatin1String(UserFolder::Catalogue));
    if (present(path))
        return;
    try {
        FileAccess::checkWritable(path);
    } catch (const FileAccessError& e) {
        leaveAlone(e);
        return;
    }
    const QString installed = QDir(source).filePath(QLatin1String(UserFolder::Catalogue));
    const QByteArray bytes = QFileInfo::exists(installed)
                                 ? FileAccess::read(installed, FileAccess::Kind::QuestionFile)
                                 : QByteArray(UserFolder::EmptyCatalogue);
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        throw FileAccessError("cannot make folder " + text(QFileInfo(path).absolutePath()));
    FileLock lock(path);
    if (!present(path))
        replaceFile(path, bytes);
}

} // namespace

namespace UserFolder {

void prepare(const QString& source, const QString& target) {
    if (!QFileInfo(source).isDir())
        throw FileAccessError("cannot find the installed content in " + text(source));
    if (!QDir().mkpath(target))
        throw FileAccessError("cannot make folder " + text(target));
    FileAccess::guardFolder(target);
    const QString recordPath = QDir(target).filePath(QLatin1String(Record));
    FileLock lock(recordPath);
    bool recordUsable = true;
    const Digests recordRead = readRecord(recordPath, recordUsable);
    Digests copied = recordRead;
    QDirIterator files(source, QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString relative = QDir(source).relativeFilePath(files.next());
        if (!isCatalogue(relative))
            bringUpOrLeave(source, relative, QDir(target).filePath(relative), copied);
    }
    makeCatalogue(source, target);
    // An unchanged record is not written again: most starts change nothing.
    if (copied != recordRead && recordUsable)
        writeRecord(recordPath, copied);
}

QString folderFor(const QProcessEnvironment& env) {
    const QString shared = env.value(QStringLiteral("ORVELLES_FOLDER"));
    if (!shared.isEmpty())
        return shared;
    QString data = env.value(QStringLiteral("XDG_DATA_HOME"));
    // Relative values are invalid and ignored.
    if (data.isEmpty() || QDir::isRelativePath(data))
        data =
            env.value(QStringLiteral("HOME"), QDir::homePath()) + QStringLiteral("/.local/share");
    return data + QStringLiteral("/orvelles");
}

Place settle(const QString& installedContent, const QProcessEnvironment& env) {
    const bool installed = QFileInfo(installedContent + QStringLiteral("/multiple")).isDir();
    if (!installed)
        return {env.value(QStringLiteral("ORVELLES_FOLDER")), QString()};
    const QString folder = folderFor(env);
    try {
        prepare(installedContent, folder);
        return {folder, QString()};
    } catch (const FileError& e) {
        // A school's shared folder may be read-only for pupils: they use the worksheets in it.
        if (QFileInfo(QDir(folder).filePath(QLatin1String(Catalogue))).isReadable())
            return {folder, QString()};
        return {installedContent,
                QStringLiteral("The Orvelles cannot keep its worksheets in %1 (%2).\n\n"
                               "Pupils can use the program, but worksheets cannot be saved. "
                               "Set ORVELLES_FOLDER to a folder you can write to.")
                    .arg(QDir::toNativeSeparators(folder), QString::fromStdString(e.what()))};
    }
}

} // namespace UserFolder
