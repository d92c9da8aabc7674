#include "platform/wmf/WmfHeader.h"

namespace {

quint16 placeableChecksum(WmfBytes file) {
    quint16 sum = 0;
    for (int i = 0; i < 10; ++i)
        sum ^= file.uword(i);
    return sum;
}

bool readPlaceable(WmfBytes file, WmfHeader& header) {
    if (!file.has(0, WmfHeader::placeableBytes) || file.u32(0) != WmfHeader::placeableKey)
        return false;
    const QPoint a(file.word(3), file.word(4));
    const QPoint b(file.word(5), file.word(6));
    header.placeable = true;
    header.bounds =
        QRect(qMin(a.x(), b.x()), qMin(a.y(), b.y()), qAbs(b.x() - a.x()), qAbs(b.y() - a.y()));
    header.unitsPerInch = file.uword(7);
    // Writers often leave the checksum wrong; it is noted, never held against the file.
    header.checksumMatches = placeableChecksum(file) == file.uword(10);
    header.recordsOffset = WmfHeader::placeableBytes;
    return true;
}

} // namespace

std::optional<WmfHeader> WmfHeader::read(WmfBytes file) {
    WmfHeader header;
    readPlaceable(file, header);
    const WmfBytes standard = file.from(header.recordsOffset);
    if (!standard.has(0, standardBytes))
        return std::nullopt;
    const quint16 type = standard.uword(0);
    const quint16 headerWords = standard.uword(1);
    if ((type != 1 && type != 2) || headerWords != 9)
        return std::nullopt;
    header.objectCount = standard.uword(6);
    header.recordsOffset += standardBytes;
    return header;
}
