#pragma once

#include <QTest>
#include <QWidget>

// A double-click as the window system delivers it to a widget: press, release, then the second
// press as a double-click event, and its release.
inline void doubleClick(QWidget* widget, QPoint at = QPoint()) {
    QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, at);
    QTest::mouseDClick(widget, Qt::LeftButton, Qt::NoModifier, at);
    QTest::mouseRelease(widget, Qt::LeftButton, Qt::NoModifier, at);
}
