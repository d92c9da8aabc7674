#pragma once

#include "platform/controls/ControlArray.h"
#include "platform/controls/Label.h"

#include <QColor>
#include <QRectF>

// How a label's text looks.
struct TextStyle {
    QString family;
    double points = 12;
    bool bold = false;
    QColor colour{255, 255, 0};
    Label::Align align = Label::Align::Left;
};

// A label with a transparent box, placed in twips and named as the program knows it.
Label* makeLabel(QWidget* parent, const QString& name, int index, const QString& caption,
                 const QRectF& twips, const TextStyle& style);

// A menu entry: yellow centred text on a black or navy box with a thin border, in Tahoma bold
// unless said otherwise. It starts opaque, so its box shows until the pointer first passes
// over the window's background. Added to `array` under `index`.
Label* makeMenuEntry(QWidget* parent, ControlArray<Label>& array, const QString& name, int index,
                     const QString& caption, const QRectF& twips, double points,
                     const QColor& box = QColor(0, 0, 0));

// Light-up: the entry under the pointer shows its box, if it is enabled.
void lightUp(const ControlArray<Label>& entries, int index);
// The pointer is over the window's background: every entry becomes transparent.
void clearLights(const ControlArray<Label>& entries);
