#pragma once

#include <QByteArray>
#include <QString>

// The one way the program reads and writes files. A path can name anything: a FIFO that never
// answers, a device that never ends, a link planted in a shared folder that points at someone
// else's file, a sparse file of gigabytes. Reading takes only a regular file, and never more
// than the cap of its kind, counted while reading; writing never goes through a link inside a
// guarded folder (the user's or the school's) and never replaces anything but a regular file.
// Every refusal is a FileAccessError that names the file.
namespace FileAccess {

// What is read, for its cap.
enum class Kind {
    QuestionFile, // a worksheet or the catalogue
    Import,       // a question file from a learning platform
    Picture,      // a JPEG, GIF or BMP, or a metafile used as a picture
    Page,         // a metafile page
    Sound,        // a WAV file
    Description,  // the text beside a folder's pictures
    Record,       // the record of the content copied into the user's folder
    Content,      // any file of the installed content, copied at start-up
    Font,
    ClassRecord, // one computer's file of the class record
};

// The most bytes a file of `kind` may hold. A worksheet is a few kilobytes and the content's
// largest picture under a megabyte: anything near these is damaged or not what it claims.
constexpr qint64 capOf(Kind kind) {
    constexpr qint64 MB = 1024 * 1024;
    switch (kind) {
    case Kind::QuestionFile:
        return 16 * MB;
    case Kind::Import:
        return 8 * MB;
    case Kind::Picture:
    case Kind::Page:
    case Kind::Sound:
    case Kind::Font:
        return 32 * MB;
    case Kind::Description:
        return 64 * 1024;
    case Kind::Record:
        return 1 * MB;
    case Kind::Content:
    case Kind::ClassRecord:
        return 64 * MB;
    }
    return 0;
}

// Reads all of the regular file at `path`. Throws FileAccessError when it is missing, is not a
// regular file (a FIFO or device is never opened), or holds more than capOf(kind) bytes.
QByteArray read(const QString& path, Kind kind);
// The same for a path given as the bytes the system uses, which need not be UTF-8.
QByteArray readNative(const QByteArray& path, Kind kind);

// As read, but at most `bytes` from the start; for telling a file's format.
QByteArray readHead(const QString& path, qint64 bytes);

// Whether a regular file is at `path`, following links; false for anything else.
bool isRegularFile(const QString& path);

// Files in `folder` and below are never written through a symbolic link, whether the link is
// the file itself or one of the folders on the way to it.
void guardFolder(const QString& folder);
// Forgets every guarded folder; for tests.
void clearGuardedFolders();

// Throws FileAccessError unless `path` may be replaced: it is missing or a regular file, it is
// not reached through a link inside a guarded folder, and a link elsewhere leads to a regular
// file. Returns the path to write, with a link outside the guarded folders followed.
QString checkWritable(const QString& path);
QByteArray checkWritableNative(const QByteArray& path);

// The name of `path` as it can be shown in a message or printed to a terminal: control
// characters and bytes that are not UTF-8 are shown as '?'.
QString displayName(const QByteArray& path);

} // namespace FileAccess
