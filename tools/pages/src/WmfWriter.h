#pragma once

#include <QByteArray>
#include <QColor>
#include <QList>
#include <QPoint>
#include <QRect>
#include <QString>

// Writes a placeable Windows Metafile whose logical units are twips: the window is the page,
// origin at its top-left corner, and the placeable header gives 1440 units to the inch, so a
// player shows the picture at its own size.
class WmfWriter {
public:
    struct Font {
        QString face;
        int heightTwips = 240; // character height, written negative
        int weight = 400;
        bool italic = false;
    };

    enum Align : quint16 { AlignLeft = 0, AlignRight = 2, AlignCenter = 6 };

    WmfWriter(int widthTwips, int heightTwips);

    // Objects take the lowest free slot of the metafile's object table, as a player does; the
    // returned number is that slot.
    int createFont(const Font& font);
    int createPen(const QColor& color, int widthTwips, bool hollow = false);
    int createBrush(const QColor& color, bool hollow = false);
    void select(int object);
    void remove(int object);

    void setTextColor(const QColor& color);
    void setTransparentText();
    void setTextAlign(quint16 align);
    // `at` is the top-left corner of the character cell; the text is written in Windows-1252.
    void textOut(QPoint at, const QString& text);

    void rectangle(const QRect& r);
    void roundRect(const QRect& r, int cornerWidth, int cornerHeight);
    void ellipse(const QRect& r);
    void polygon(const QList<QPoint>& points);
    void moveTo(QPoint p);
    void lineTo(QPoint p);

    // The whole file, ending with the end-of-file record.
    QByteArray finish() const;

    static QByteArray toWindows1252(const QString& text);

private:
    void record(quint16 function, const QList<qint16>& params);
    void record(quint16 function, const QByteArray& params);
    int takeSlot();

    int width;
    int height;
    QByteArray records;
    quint32 largestRecordWords = 0;
    QList<bool> objectSlots;
};
