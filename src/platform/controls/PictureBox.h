#pragma once

#include "platform/Picture.h"
#include "platform/controls/ControlWidget.h"
#include <QColor>
#include <QPixmap>

// A picture box: a bordered box with its own background that draws its picture from its
// top-left corner, clipped to the box, and may hold other controls.
class PictureBox : public ControlWidget {
    Q_OBJECT
public:
    explicit PictureBox(QWidget* parent);

    QColor BackColor() const { return backColor_; }
    void setBackColor(const QColor& colour);
    const Picture& picture() const { return picture_; }
    void setPicture(const Picture& picture);
    bool LoadPicture(const QString& programPath);
    void setBorder(bool border);

    // Metafile frames this box has played (the rest came from the cache of painted frames).
    int framesPainted() const { return framesPainted_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap paintedFrame(const QSizeF& natural) const;

    Picture picture_;
    QColor backColor_{192, 192, 192};
    bool border_ = true;
    mutable int framesPainted_ = 0;
};
