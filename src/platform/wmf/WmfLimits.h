#pragma once

#include <QtGlobal>

// Hard caps for reading metafiles. A file that reaches one of them is drawn up to that point
// and no further, so a hostile or broken file costs bounded time and memory.
namespace WmfLimits {

// Largest file read at all (load refuses bigger files before reading them).
inline constexpr qint64 maxFileBytes = 32 * 1024 * 1024;
// Records read before playback stops.
inline constexpr int maxRecords = 500'000;
// Object table slots (indices are 16-bit in the format, so this is the format's own ceiling).
inline constexpr int maxObjects = 65'535;
// Nested SAVEDC levels kept; deeper saves are ignored.
inline constexpr int maxSaveDepth = 1024;
// Natural size of a picture, in screen pixels (15 twips each) per side.
inline constexpr int maxPicturePixels = 16'384;
// One bitmap: width and height each, and their product.
inline constexpr int maxBitmapSide = 16'384;
inline constexpr qint64 maxBitmapPixels = 16 * 1024 * 1024;
// All bitmaps and patterns of one picture together.
inline constexpr qint64 maxTotalBitmapPixels = 32 * 1024 * 1024;
// Polygon, polyline and region points of one picture together; every region filled and every
// clip sent to the painter counts eight points a rectangle.
inline constexpr qint64 maxTotalPoints = 4'000'000;
// Characters of text in one picture.
inline constexpr qint64 maxTotalTextChars = 200'000;
// Different font face names in one picture; text in further faces takes the default face
// (looking up a face is slow, and a file could name a new one for every string).
inline constexpr int maxFontFaces = 32;
// Rectangles in one region object (further ones are dropped) and in one clip (operations that
// would make more are ignored).
inline constexpr int maxRegionRects = 4096;
// Building regions, in rectangles visited band by band, for one picture together.
inline constexpr qint64 maxRegionWork = 8'000'000;
// Drawing work of one picture, in units of about one filled shape the size of the frame (see
// WmfParser::spend). A page over it is not shown: past it painting a page takes seconds.
inline constexpr double maxDrawingWork = 1200;
// Drawing work of one paint at the resolution it is painted at (see WmfWork): a page that would
// cost more is drawn at a lower resolution and stretched.
inline constexpr double maxPaintWork = 5000;

} // namespace WmfLimits
