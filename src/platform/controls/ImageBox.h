#pragma once

#include "platform/Picture.h"
#include "platform/controls/ControlWidget.h"

#include <QPixmap>

// An image box: shows its picture at the picture's own size, and takes that size, unless it
// is told to stretch the picture to the box.
class ImageBox : public ControlWidget {
    Q_OBJECT
public:
    explicit ImageBox(QWidget* parent);

    const Picture& picture() const { return picture_; }
    void setPicture(const Picture& picture);
    // Loads and shows a picture file; false (and an empty box) when it cannot be loaded.
    bool LoadPicture(const QString& programPath);
    void setStretch(bool stretch) { stretch_ = stretch; }
    // Size in device pixels of the page bitmap kept for painting; empty until a page is painted
    // a second time.
    QSize cacheSize() const { return cache_.size(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Picture picture_;
    QPixmap cache_;
    QRect cached_;    // the part of the box the cache shows
    QRect paintedAt_; // the part of the box last drawn straight onto the window
    qreal paintedRatio_ = 0;
    bool stretch_ = false;
};
