#include "app/UserFolder.h"

#include "formats/Errors.h"
#include "formats/SafeFile.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QHash>

namespace {

using Digests = QHash<QString, QByteArray>;

std::string text(const QString& s) {
    return s.toStdString();
}

QByteArray digest(const QByteArray& bytes) {
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex();
}

QByteArray readAll(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw FileAccessError("cannot read " + text(path) + ": " + text(file.errorString()));
    return file.readAll();
}

bool isCatalogue(const QString& relative) {
    return relative.compare(QLatin1String(UserFolder::Catalogue), Qt::CaseInsensitive) == 0;
}

bool isQuestionFile(const QString& relative) {
    return relative.startsWith(QLatin1String("multiple/"), Qt::CaseInsensitive);
}

// The record holds one "digest<TAB>relative path" line per file copied from the content.
Digests readRecord(const QString& path) {
    Digests digests;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return digests;
    for (const QByteArray& line : file.readAll().split('\n')) {
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
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        throw FileAccessError("cannot make folder " + text(QFileInfo(path).absolutePath()));
    replaceFile(path, bytes);
}

// Only question files need a record: a teacher may have changed one, and a changed copy is
// kept. Everything else is put right whenever it differs from the installed copy.
void bringUp(const QString& source, const QString& relative, const QString& targetPath,
             Digests& copied) {
    const QByteArray installed = readAll(QDir(source).filePath(relative));
    const bool recorded = isQuestionFile(relative);
    if (QFileInfo::exists(targetPath)) {
        const QByteArray current = readAll(targetPath);
        if (current == installed) {
            if (recorded)
                copied.insert(relative, digest(installed));
            return;
        }
        if (recorded && copied.value(relative) != digest(current)) {
            copied.remove(relative);
            return;
        }
    }
    writeFile(targetPath, installed);
    if (recorded)
        copied.insert(relative, digest(installed));
}

// Two machines starting together on a shared folder must not both write a catalogue.
void makeCatalogue(const QString& source, const QString& target) {
    const QString path = QDir(target).filePath(QLatin1String(UserFolder::Catalogue));
    if (QFileInfo::exists(path))
        return;
    const QString installed = QDir(source).filePath(QLatin1String(UserFolder::Catalogue));
    const QByteArray bytes =
        QFileInfo::exists(installed) ? readAll(installed) : QByteArray(UserFolder::EmptyCatalogue);
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        throw FileAccessError("cannot make folder " + text(QFileInfo(path).absolutePath()));
    FileLock lock(path);
    if (!QFileInfo::exists(path))
        replaceFile(path, bytes);
}

} // namespace

namespace UserFolder {

void prepare(const QString& source, const QString& target) {
    if (!QFileInfo(source).isDir())
        throw FileAccessError("cannot find the installed content in " + text(source));
    if (!QDir().mkpath(target))
        throw FileAccessError("cannot make folder " + text(target));
    const QString recordPath = QDir(target).filePath(QLatin1String(Record));
    FileLock lock(recordPath);
    const Digests recordRead = readRecord(recordPath);
    Digests copied = recordRead;
    QDirIterator files(source, QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString relative = QDir(source).relativeFilePath(files.next());
        if (!isCatalogue(relative))
            bringUp(source, relative, QDir(target).filePath(relative), copied);
    }
    makeCatalogue(source, target);
    // An unchanged record is not written again: most starts change nothing.
    if (copied != recordRead)
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
