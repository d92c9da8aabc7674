#include "formats/ItemReader.h"

#include "formats/Errors.h"
#include "formats/FileAccess.h"
#include "formats/TextCodec.h"

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
    return ItemReader(FileAccess::read(path, FileAccess::Kind::QuestionFile));
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
