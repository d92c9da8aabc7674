#pragma once

#include "platform/wmf/WmfBytes.h"
#include "platform/wmf/WmfDeviceContext.h"
#include "platform/wmf/WmfDib.h"
#include "platform/wmf/WmfHeader.h"
#include "platform/wmf/WmfPainter.h"
#include "platform/wmf/WmfParseResult.h"

#include <QByteArray>
#include <QSet>

// Plays a metafile's records onto a painter. Every record is checked against its declared size
// and the file before it is read, and playback always moves on by the declared size; a size
// below three words, a record past the end of the file or a limit from WmfLimits stops it.
class WmfParser {
public:
    static WmfParseResult parse(const QByteArray& data, WmfPainter& painter);

private:
    WmfParser(WmfBytes file, WmfPainter& painter);
    void run();
    void chooseFrame(const WmfHeader& header);
    std::optional<QRectF> scanWindow(qsizetype offset) const;
    void stop(const QString& problem);
    void dispatch(quint16 function, WmfBytes params);
    bool dispatchState(quint16 function, WmfBytes params);
    bool dispatchObject(quint16 function, WmfBytes params);
    bool dispatchDrawing(quint16 function, WmfBytes params);

    // WmfParserState.cpp: device context records
    void setWindowOrg(WmfBytes p);
    void setWindowExt(WmfBytes p);
    void setViewportOrg(WmfBytes p);
    void setViewportExt(WmfBytes p);
    void scaleExt(WmfBytes p, QPointF& ext);
    void setMapMode(WmfBytes p);
    void saveDc();
    void restoreDc(WmfBytes p);
    QColor colorRef(quint32 value) const;

    // WmfParserClip.cpp
    QRect toClipUnits(const QRectF& frameRect) const;
    QRegion noClipArea() const;
    void changeClip(std::optional<QRegion> clip);
    void intersectClip(WmfBytes p);
    void excludeClip(WmfBytes p);
    void offsetClip(WmfBytes p);
    void selectClipRegion(WmfBytes p);
    std::optional<QRegion> unionOf(const QList<QRect>& rects);
    void syncClip();

    // WmfParserObjects.cpp: object table records
    void addObject(WmfObject object);
    void createPen(WmfBytes p);
    void createBrush(WmfBytes p);
    void createDibPatternBrush(WmfBytes p);
    void createPatternBrush(WmfBytes p);
    void createFont(WmfBytes p);
    void createPalette(WmfBytes p);
    void createRegion(WmfBytes p);
    bool readRegion(WmfBytes p, qsizetype headerBytes, QList<QRect>& rects);
    void selectObject(WmfBytes p);
    void selectPalette(WmfBytes p);
    void setPaletteEntries(WmfBytes p);

    // WmfParserShapes.cpp: lines and shapes
    void flushLine();
    WmfBrush frameBrush(const WmfLogBrush& brush) const;
    QPainterPath regionPath(const QRegion& region) const;
    void syncLineState();
    void syncFillState();
    void syncBackground();
    void syncRasterOp();
    WmfPen framePen() const;
    QPointF point(qreal x, qreal y) const;
    QRectF rect(WmfBytes p, int firstWord);
    QRectF shapeRect(WmfBytes p, int firstWord);
    bool readPoints(WmfBytes p, qsizetype offset, int count, QPolygonF& out);
    bool takePoints(qint64 count);
    qreal coverage(const QRectF& r) const;
    bool spend(double work);
    void chargeStroke(qreal length, double fill);
    bool spendArea(const QRectF& r, qreal perCoverage = 4, double perCall = 0);
    bool spendEdges(const QList<QPolygonF>& polygons, bool closed);
    double levelWork(const QList<QPolygonF>& polygons, const QRectF& frame, const QRectF& box);
    void noteBounds(const QRectF& r);
    void lineTo(WmfBytes p);
    void polyline(WmfBytes p);
    void polygon(WmfBytes p);
    void polyPolygon(WmfBytes p);
    void rectangle(WmfBytes p);
    void roundRect(WmfBytes p);
    void ellipse(WmfBytes p);
    void arc(WmfBytes p, WmfArcKind kind);
    void setPixel(WmfBytes p);
    void regionFill(WmfBytes p, quint16 function);

    // WmfParserText.cpp
    WmfFont frameFont();
    void textOut(WmfBytes p);
    void extTextOut(WmfBytes p);
    void drawTextRun(WmfBytes text, QPointF logicalReference, QList<QPointF> logicalAdvances,
                     std::optional<QRectF> opaque, std::optional<QRectF> clip);
    QPointF textExtent(const WmfTextRun& run) const;
    void moveCurrentPosition(const WmfTextRun& run, QPointF extent);
    void noteTextBounds(const WmfTextRun& run, qreal width);

    // WmfParserBitmaps.cpp
    void patBlt(WmfBytes p);
    void blitRecord(WmfBytes p, quint16 function);
    void stretchDib(WmfBytes p);
    void setDibToDev(WmfBytes p);
    void ropFill(const QRectF& target, quint32 rop);
    void blit(const QImage& image, QRectF source, const QRectF& target, quint32 rop);
    QRectF destination(qint16 x, qint16 y, qint16 w, qint16 h) const;

    WmfBytes file_;
    WmfPainter& painter_;
    WmfParseResult result_;
    WmfDcState dc_;
    std::vector<WmfDcState> saved_;
    WmfObjectTable objects_;
    WmfBitmapBudget bitmaps_;
    qint64 pointsLeft_;
    qint64 textLeft_;
    qint64 regionWorkLeft_;
    QSet<QString> faces_;
    bool stopped_ = false;
    bool frameFromBounds_ = false;
    QRectF bounds_;
    QRectF limitRect_; // mapped coordinates are kept inside this
    qreal unitsPerPixel_ = 1;
    qreal clipScale_ = 1; // clip units per frame unit

    std::optional<WmfPen> pen_;
    std::optional<WmfBrush> brush_;
    std::optional<std::pair<bool, QColor>> background_;
    std::optional<WmfRasterOp> rop_;
    bool clipSent_ = false;
    quint64 sentClipId_ = 0;
    quint64 clipCounter_ = 0;
    QPolygonF pendingLine_;        // LINETOs joined into one polyline, drawn before anything else
    std::vector<double> rowCells_; // levelWork's rows, kept between calls
};
