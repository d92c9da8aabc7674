#include "formats/ItemReader.h"

#include "formats/Errors.h"
#include "formats/TextCodec.h"

#include <QFile>
#include <utility>

ItemReader::ItemReader(QByteArray bytes) : bytes_(std::move(bytes)) {}

ItemReader ItemReader::open(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw FileAccessError("cannot open " + path.toStdString());
    if (file.size() > MaxFileBytes)
        throw FileAccessError(path.toStdString() + " is too large to be a question file or catalogue");
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw FileAccessError("cannot read " + path.toStdString());
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
    return bytes_[i] == '\n' ||
           (bytes_[i] == '\r' && i + 1 < bytes_.size() && bytes_[i + 1] == '\n');
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
    if (bytes_[pos_] == '\r')
        ++pos_;
    ++pos_;
}

QString ItemReader::takeUpTo(qsizetype end) {
    const QString value = TextCodec::decode(QByteArrayView(bytes_).sliced(pos_, end - pos_));
    pos_ = end;
    consumeTerminator();
    return value;
}

QString ItemReader::readQuoted() {
    const qsizetype start = pos_ + 1;
    const qsizetype close = bytes_.indexOf('"', start);
    const qsizetype end = close < 0 ? bytes_.size() : close;
    const QString value = TextCodec::decode(QByteArrayView(bytes_).sliced(start, end - start));
    pos_ = findEnd(close < 0 ? end : close + 1, true);
    consumeTerminator();
    return value;
}
