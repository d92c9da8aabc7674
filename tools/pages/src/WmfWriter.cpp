#include "WmfWriter.h"

#include <QtEndian>

#include <algorithm>
#include <stdexcept>

namespace {

enum Function : quint16 {
    SetBkMode = 0x0102,
    SetMapMode = 0x0103,
    SelectObject = 0x012D,
    SetTextAlign = 0x012E,
    DeleteObject = 0x01F0,
    SetTextColor = 0x0209,
    SetWindowOrg = 0x020B,
    SetWindowExt = 0x020C,
    LineTo = 0x0213,
    MoveTo = 0x0214,
    CreatePenIndirect = 0x02FA,
    CreateFontIndirect = 0x02FB,
    CreateBrushIndirect = 0x02FC,
    Polygon = 0x0324,
    Ellipse = 0x0418,
    Rectangle = 0x041B,
    TextOut = 0x0521,
    RoundRect = 0x061C,
};

constexpr quint16 anisotropic = 8;
constexpr quint16 transparentMode = 1;
constexpr quint8 ansiCharset = 0;

void putWord(QByteArray& out, quint16 v) {
    char b[2];
    qToLittleEndian(v, b);
    out.append(b, 2);
}

void putDword(QByteArray& out, quint32 v) {
    char b[4];
    qToLittleEndian(v, b);
    out.append(b, 4);
}

void putColor(QByteArray& out, const QColor& c) {
    out.append(char(c.red()));
    out.append(char(c.green()));
    out.append(char(c.blue()));
    out.append('\0');
}

qint16 coord(int v) {
    if (v < -32768 || v > 32767)
        throw std::out_of_range("metafile coordinate out of range");
    return qint16(v);
}

} // namespace

WmfWriter::WmfWriter(int widthTwips, int heightTwips) : width(widthTwips), height(heightTwips) {
    record(SetMapMode, QList<qint16>{qint16(anisotropic)});
    // Window records take y before x.
    record(SetWindowOrg, QList<qint16>{0, 0});
    record(SetWindowExt, QList<qint16>{coord(height), coord(width)});
}

int WmfWriter::takeSlot() {
    const auto free = std::find(objectSlots.begin(), objectSlots.end(), false);
    if (free != objectSlots.end()) {
        *free = true;
        return int(free - objectSlots.begin());
    }
    objectSlots.append(true);
    return int(objectSlots.size() - 1);
}

int WmfWriter::createFont(const Font& font) {
    QByteArray p;
    putWord(p, quint16(coord(-font.heightTwips)));
    putWord(p, 0); // width: the font's own proportions
    putWord(p, 0); // escapement
    putWord(p, 0); // orientation
    putWord(p, quint16(font.weight));
    p.append(char(font.italic ? 1 : 0));
    p.append('\0'); // underline
    p.append('\0'); // strike-out
    p.append(char(ansiCharset));
    p.append('\0');   // output precision: default
    p.append('\0');   // clip precision: default
    p.append('\x02'); // quality: proof
    p.append('\0');   // pitch and family: default
    QByteArray face = toWindows1252(font.face).left(31);
    face.append('\0');
    if (face.size() % 2)
        face.append('\0');
    p.append(face);
    record(CreateFontIndirect, p);
    return takeSlot();
}

int WmfWriter::createPen(const QColor& color, int widthTwips, bool hollow) {
    QByteArray p;
    putWord(p, hollow ? 5 : 0); // PS_NULL or PS_SOLID
    putWord(p, quint16(coord(widthTwips)));
    putWord(p, 0);
    putColor(p, color);
    record(CreatePenIndirect, p);
    return takeSlot();
}

int WmfWriter::createBrush(const QColor& color, bool hollow) {
    QByteArray p;
    putWord(p, hollow ? 1 : 0); // BS_NULL or BS_SOLID
    putColor(p, color);
    putWord(p, 0);
    record(CreateBrushIndirect, p);
    return takeSlot();
}

void WmfWriter::select(int object) {
    if (object < 0 || object >= objectSlots.size() || !objectSlots[object])
        throw std::logic_error("selecting an object that does not exist");
    record(SelectObject, QList<qint16>{qint16(object)});
}

void WmfWriter::remove(int object) {
    if (object < 0 || object >= objectSlots.size() || !objectSlots[object])
        throw std::logic_error("deleting an object that does not exist");
    record(DeleteObject, QList<qint16>{qint16(object)});
    objectSlots[object] = false;
}

void WmfWriter::setTextColor(const QColor& color) {
    QByteArray p;
    putColor(p, color);
    record(SetTextColor, p);
}

void WmfWriter::setTransparentText() {
    record(SetBkMode, QList<qint16>{qint16(transparentMode)});
}

void WmfWriter::setTextAlign(quint16 align) {
    record(SetTextAlign, QList<qint16>{qint16(align)});
}

void WmfWriter::textOut(QPoint at, const QString& text) {
    QByteArray s = toWindows1252(text);
    QByteArray p;
    putWord(p, quint16(s.size()));
    if (s.size() % 2)
        s.append('\0');
    p.append(s);
    putWord(p, quint16(coord(at.y())));
    putWord(p, quint16(coord(at.x())));
    record(TextOut, p);
}

void WmfWriter::rectangle(const QRect& r) {
    // Rectangles are given bottom, right, top, left, the right and bottom edges excluded.
    record(Rectangle, QList<qint16>{coord(r.y() + r.height()), coord(r.x() + r.width()),
                                    coord(r.y()), coord(r.x())});
}

void WmfWriter::roundRect(const QRect& r, int cornerWidth, int cornerHeight) {
    record(RoundRect,
           QList<qint16>{coord(cornerHeight), coord(cornerWidth), coord(r.y() + r.height()),
                         coord(r.x() + r.width()), coord(r.y()), coord(r.x())});
}

void WmfWriter::ellipse(const QRect& r) {
    record(Ellipse, QList<qint16>{coord(r.y() + r.height()), coord(r.x() + r.width()), coord(r.y()),
                                  coord(r.x())});
}

void WmfWriter::polygon(const QList<QPoint>& points) {
    QList<qint16> p{coord(int(points.size()))};
    for (const QPoint& pt : points) {
        p.append(coord(pt.x()));
        p.append(coord(pt.y()));
    }
    record(Polygon, p);
}

void WmfWriter::moveTo(QPoint pt) {
    record(MoveTo, QList<qint16>{coord(pt.y()), coord(pt.x())});
}

void WmfWriter::lineTo(QPoint pt) {
    record(LineTo, QList<qint16>{coord(pt.y()), coord(pt.x())});
}

void WmfWriter::record(quint16 function, const QList<qint16>& params) {
    QByteArray p;
    for (qint16 v : params)
        putWord(p, quint16(v));
    record(function, p);
}

void WmfWriter::record(quint16 function, const QByteArray& params) {
    if (params.size() % 2)
        throw std::logic_error("record parameters must fill whole words");
    const quint32 words = 3 + quint32(params.size() / 2);
    putDword(records, words);
    putWord(records, function);
    records.append(params);
    largestRecordWords = std::max(largestRecordWords, words);
}

QByteArray WmfWriter::finish() const {
    constexpr quint32 eofWords = 3;
    constexpr quint32 headerWords = 9;
    QByteArray placeable;
    putDword(placeable, 0x9AC6CDD7);
    putWord(placeable, 0); // handle, always zero in a file
    putWord(placeable, 0);
    putWord(placeable, 0);
    putWord(placeable, quint16(coord(width)));
    putWord(placeable, quint16(coord(height)));
    putWord(placeable, 1440);
    putDword(placeable, 0);
    quint16 checksum = 0;
    for (int i = 0; i < placeable.size(); i += 2)
        checksum ^= qFromLittleEndian<quint16>(placeable.constData() + i);
    putWord(placeable, checksum);

    QByteArray out = placeable;
    putWord(out, 1); // in a file, not in memory
    putWord(out, quint16(headerWords));
    putWord(out, 0x0300);
    putDword(out, headerWords + quint32(records.size() / 2) + eofWords);
    putWord(out, quint16(objectSlots.size()));
    putDword(out, std::max(largestRecordWords, eofWords));
    putWord(out, 0);
    out.append(records);
    putDword(out, eofWords);
    putWord(out, 0);
    return out;
}

QByteArray WmfWriter::toWindows1252(const QString& text) {
    // The few characters of Windows-1252 outside Latin-1 that page texts use.
    static const QList<QPair<char16_t, char>> extra{
        {u'\u2018', char(0x91)}, {u'\u2019', char(0x92)}, {u'\u201C', char(0x93)},
        {u'\u201D', char(0x94)}, {u'\u2022', char(0x95)}, {u'\u2013', char(0x96)},
        {u'\u2014', char(0x97)}, {u'\u2026', char(0x85)}, {u'\u20AC', char(0x80)}};
    QByteArray out;
    out.reserve(text.size());
    for (QChar c : text) {
        const char16_t u = c.unicode();
        if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) {
            out.append(char(u));
            continue;
        }
        const auto it = std::find_if(extra.begin(), extra.end(),
                                     [u](const auto& pair) { return pair.first == u; });
        out.append(it != extra.end() ? it->second : '?');
    }
    return out;
}
