#pragma once

class QStyle;

// The style of the option buttons and tick boxes: the application's own, with the dot and the box
// as many times their size as the layout is scaled, and the ring of KeyboardFocus around the one
// reached by keyboard. At the ordinary scale, and by mouse, they look as the style draws them.
namespace ScaledStyle {

QStyle* instance();

} // namespace ScaledStyle
