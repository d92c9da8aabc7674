#pragma once

#include <QtGlobal>

// A bounds-checked little-endian view of bytes inside a metafile. Every read outside the view
// gives zero, so a handler that checked the size first never sees garbage and one that forgot
// never reads outside the file.
class WmfBytes {
public:
    WmfBytes() = default;
    WmfBytes(const uchar* data, qsizetype size) : data_(data), size_(size > 0 ? size : 0) {}

    qsizetype size() const { return size_; }
    const uchar* data() const { return data_; }

    bool has(qsizetype offset, qsizetype count) const {
        return offset >= 0 && count >= 0 && offset <= size_ && count <= size_ - offset;
    }
    bool hasWords(qsizetype words) const { return words >= 0 && has(0, words * 2); }

    quint8 u8(qsizetype offset) const { return has(offset, 1) ? data_[offset] : 0; }
    quint16 u16(qsizetype offset) const {
        return has(offset, 2) ? quint16(data_[offset] | (data_[offset + 1] << 8)) : 0;
    }
    qint16 i16(qsizetype offset) const { return qint16(u16(offset)); }
    quint32 u32(qsizetype offset) const {
        return has(offset, 4) ? quint32(u16(offset)) | (quint32(u16(offset + 2)) << 16) : 0;
    }
    qint32 i32(qsizetype offset) const { return qint32(u32(offset)); }

    // The 16-bit parameter at a word index, as the record layouts number them.
    qint16 word(qsizetype index) const { return i16(index * 2); }
    quint16 uword(qsizetype index) const { return u16(index * 2); }

    // The bytes from offset to the end; empty when offset is outside.
    WmfBytes from(qsizetype offset) const {
        return has(offset, 0) ? WmfBytes(data_ + offset, size_ - offset) : WmfBytes();
    }
    WmfBytes slice(qsizetype offset, qsizetype count) const {
        return has(offset, count) ? WmfBytes(data_ + offset, count) : WmfBytes();
    }

private:
    const uchar* data_ = nullptr;
    qsizetype size_ = 0;
};
