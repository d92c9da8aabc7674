#pragma once

#include "platform/wmf/WmfBytes.h"
#include "platform/wmf/WmfTypes.h"

#include <QFont>

// Text as metafiles store it: 8-bit strings in the character set of the selected font, and
// fonts described by size, weight and face name.
namespace WmfText {

bool isSymbolFace(const QString& face);

// Windows-1252 for the ANSI and default character sets, the Symbol font's own encoding for the
// Symbol face, a matching code page for other sets, and Windows-1252 when none is known.
QString decode(WmfBytes bytes, quint8 charset, const QString& face);

// A face name field: up to the first NUL, surrounding spaces dropped.
QString faceName(WmfBytes raw);

// The Qt font that draws `font` with an em height of `pixels` device pixels on a device of
// `dpi` dots per inch.
QFont qtFont(const WmfFont& font, qreal pixels, int dpi);

// The em height in frame units: a cell height is turned into an em height by the font's own
// ascent and descent.
qreal emHeight(const WmfFont& font);

// Width of text in frame units, when drawn without a spacing array.
qreal advance(const WmfFont& font, const QString& text);

} // namespace WmfText
