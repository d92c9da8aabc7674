#pragma once

#include "platform/wmf/WmfBytes.h"

#include <QRect>

#include <optional>

// The two headers at the start of a metafile: the optional placeable header, which gives the
// picture's bounding box and its units per inch, and the standard header that every file has.
struct WmfHeader {
    static constexpr quint32 placeableKey = 0x9AC6CDD7;
    static constexpr qsizetype placeableBytes = 22;
    static constexpr qsizetype standardBytes = 18;

    bool placeable = false;
    QRect bounds;         // placeable bounding box in the file's own units, normalised
    int unitsPerInch = 0; // from the placeable header
    bool checksumMatches = true;
    int objectCount = 0; // object table size the file asks for
    qsizetype recordsOffset = 0;

    // Nothing when the bytes do not start with a standard header (after a placeable one, if any).
    static std::optional<WmfHeader> read(WmfBytes file);
};
