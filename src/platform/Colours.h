#pragma once

#include <QColor>

// The program's fixed colours.
namespace Colours {
inline const QColor background{0, 78, 152};
inline const QColor pictureBox{49, 135, 214};
inline const QColor grey{48, 133, 214};
inline const QColor acknowledgements{49, 130, 212};
inline const QColor yellow{255, 255, 0};
inline const QColor black{0, 0, 0};
inline const QColor navy{0, 0, 128};
inline const QColor white{255, 255, 255};
inline const QColor buttonFace{192, 192, 192};
} // namespace Colours
