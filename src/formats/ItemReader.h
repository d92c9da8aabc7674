#pragma once

#include "formats/FileAccess.h"

#include <QByteArray>
#include <QString>

// Reads the program's text files item by item, the way both of its formats are read.
// An item starts after any blanks (spaces, tabs) and ends at a comma, a line end or the
// end of the file; the comma or line end is consumed. An item that starts with a double
// quote is the text up to the next double quote, even across line ends, and whatever
// follows it up to the next comma or line end is dropped. A line of nothing but blanks
// is one empty item. Blanks at the end of an unquoted item are kept, so text read back
// is the text that was written. Lines end with CR LF or a bare LF; the bytes are
// Windows-1252. A file saved by another editor is read too: one without a single LF has its
// lines ended by bare CRs, and one beginning with a UTF-8 byte-order mark is UTF-8.
class ItemReader {
public:
    explicit ItemReader(QByteArray bytes);

    // The largest file open() reads. A question file is a few kilobytes and a full catalogue
    // some tens; anything this large is damaged and is refused rather than read into memory.
    static constexpr qint64 MaxFileBytes = FileAccess::capOf(FileAccess::Kind::QuestionFile);

    // Reads the whole file at once; throws FileAccessError when it cannot be read, is larger
    // than MaxFileBytes or is not a regular file (a FIFO or a device is refused without
    // waiting on it).
    static ItemReader open(const QString& path);

    // Throws ReadPastEndError when the end of the file comes before an item starts.
    QString readItem();
    // The rest of the current line, every character kept, without its line end.
    // Throws ReadPastEndError at the end of the file.
    QString readLine();
    bool atEnd() const { return pos_ >= bytes_.size(); }

private:
    bool isLineEndAt(qsizetype i) const;
    qsizetype findEnd(qsizetype from, bool commaEnds) const;
    void skipBlanks();
    void consumeTerminator();
    QString takeUpTo(qsizetype end);
    QString readQuoted();
    QString decode(qsizetype from, qsizetype to) const;

    QByteArray bytes_;
    qsizetype pos_ = 0;
    bool utf8_ = false;
    bool crLineEnds_ = false;
};
