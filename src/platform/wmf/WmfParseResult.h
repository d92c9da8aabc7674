#pragma once

#include "platform/wmf/WmfWork.h"

#include <QRectF>
#include <QString>

// How reading a metafile went.
struct WmfParseResult {
    bool valid = false;    // the bytes start with a metafile header
    bool complete = false; // playback reached the end record or the end of the data
    QString problem;       // why playback stopped early; empty when complete
    int records = 0;       // records read, the end record included
    QRectF frame;          // the picture's rectangle in frame units
    int unitsPerInch = 0;  // frame units per inch
    bool placeable = false;
    bool checksumMatches = true;
    bool tooCostly = false; // the drawing would cost more than WmfLimits::maxDrawingWork
    double work = 0;        // drawing work recorded at the viewer's size (WmfWork's scale 1)
    WmfWork cost;           // drawing work at any size, for painting larger than the viewer
};
