#pragma once

#include "platform/wmf/WmfPicture.h"

#include <QImage>
#include <QSizeF>
#include <QString>

class QPainter;
class QRectF;

// A picture as image and picture boxes hold it: a raster image (JPEG, GIF, BMP, PNG) or a
// Windows Metafile. A picture that could not be loaded is null and paints nothing. Copies share
// the picture's data.
class Picture {
public:
    Picture() = default;

    // Loads the picture named by a program path ("Images\globesm.jpg"); null when the file is
    // missing or cannot be read.
    static Picture load(const QString& programPath);

    bool isNull() const { return image_.isNull() && metafile_.isNull(); }
    bool isMetafile() const { return !metafile_.isNull(); }
    // The program path the picture was loaded from.
    QString source() const { return source_; }
    // Names the file's contents as loaded (path, time and size): equal for pictures that show
    // the same thing, empty for a null picture.
    QString contentKey() const { return key_; }
    // The picture's own size in twips: 15 twips to each pixel of a raster image; a metafile's
    // from its header.
    QSizeF sizeTwips() const;
    void paint(QPainter& painter, const QRectF& target) const;
    // What the picture shows, for a screen reader: a page's text in the order it is written,
    // or a picture's line in "descriptions.txt" beside it ("name.jpg: what it shows").
    // Empty when there is none.
    QString description() const;

    // Lets go of decoded pictures that no live copy shows, beyond a few recently used ones; for
    // when a screen has gone.
    static void dropUnused();

private:
    bool sharedElsewhere() const;

    QImage image_;
    WmfPicture metafile_;
    QString source_;
    QString key_;
};
