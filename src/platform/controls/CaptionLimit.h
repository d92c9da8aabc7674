#pragma once

#include <QString>

// The most of a caption a control measures and draws. No caption box holds more than a few
// hundred characters of the program's type; a longer caption comes from a damaged or hostile
// file, and laying all of it out on every paint would freeze the screen.
namespace CaptionLimit {

constexpr qsizetype MaxShown = 4096;

// `caption` cut to MaxShown characters, never between the two halves of a surrogate pair.
inline QString shown(const QString& caption) {
    if (caption.size() <= MaxShown)
        return caption;
    const qsizetype end = caption[MaxShown - 1].isHighSurrogate() ? MaxShown - 1 : MaxShown;
    return caption.left(end);
}

} // namespace CaptionLimit
