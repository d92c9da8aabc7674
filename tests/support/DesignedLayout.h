#pragma once

#include <QColor>
#include <QMetaType>
#include <QRectF>
#include <QString>

class QWidget;

// One control as the screen was designed: its box in twips within its container, its font
// and its colours. An empty family or an invalid colour is not checked; a box of no size
// checks only the corner; `box` transparent means no box is drawn.
struct DesignedControl {
    QRectF twips;
    QString family;
    double points = 0;
    bool bold = false;
    QColor text;
    QColor box;
};
Q_DECLARE_METATYPE(DesignedControl)

// Compares the live control named `name` inside `screen` with its design, through the one
// twips mapping and the font mapping the screens use. Fails the running test on a difference.
void compareWithDesign(const QWidget& screen, const QString& name, const DesignedControl& design);
