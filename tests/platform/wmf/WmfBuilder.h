#pragma once

#include "platform/wmf/WmfRecordType.h"

#include <QByteArray>
#include <QList>
#include <QPoint>
#include <QRect>
#include <QRgb>

#include <initializer_list>

// Assembles small metafiles record by record for tests. Parameters are given in the order the
// file stores them (most records store y before x and rectangles bottom-right first).
class WmfBuilder {
public:
    WmfBuilder& placeable(QRect box, quint16 unitsPerInch, bool rightChecksum = true) {
        placeable_ = true;
        box_ = box;
        inch_ = unitsPerInch;
        rightChecksum_ = rightChecksum;
        return *this;
    }
    WmfBuilder& objects(quint16 count) {
        objects_ = count;
        return *this;
    }
    WmfBuilder& record(quint16 function, std::initializer_list<int> words) {
        QByteArray params;
        for (int w : words)
            appendWord(params, w);
        return bytes(function, params);
    }
    WmfBuilder& bytes(quint16 function, const QByteArray& params) {
        QByteArray padded = params;
        if (padded.size() % 2)
            padded.append('\0');
        return raw(quint32(3 + padded.size() / 2), function, padded);
    }
    // A record with whatever size it claims, for broken files.
    WmfBuilder& raw(quint32 sizeWords, quint16 function, const QByteArray& params) {
        appendWord(records_, int(sizeWords & 0xFFFF));
        appendWord(records_, int(sizeWords >> 16));
        appendWord(records_, function);
        records_.append(params);
        return *this;
    }

    WmfBuilder& windowOrg(int x, int y) { return record(WmfRecordType::SetWindowOrg, {y, x}); }
    WmfBuilder& windowExt(int w, int h) { return record(WmfRecordType::SetWindowExt, {h, w}); }
    WmfBuilder& viewportOrg(int x, int y) { return record(WmfRecordType::SetViewportOrg, {y, x}); }
    WmfBuilder& viewportExt(int w, int h) { return record(WmfRecordType::SetViewportExt, {h, w}); }
    WmfBuilder& pen(int style, int width, QRgb color) {
        return record(WmfRecordType::CreatePenIndirect,
                      {style, width, 0, int(colorRef(color) & 0xFFFF), int(colorRef(color) >> 16)});
    }
    WmfBuilder& brush(int style, QRgb color, int hatch = 0) {
        return record(WmfRecordType::CreateBrushIndirect,
                      {style, int(colorRef(color) & 0xFFFF), int(colorRef(color) >> 16), hatch});
    }
    WmfBuilder& font(int height, const QByteArray& face, int charset = 0, int escapement = 0,
                     int weight = 400, bool italic = false) {
        QByteArray p;
        for (int w : {height, 0, escapement, escapement, weight})
            appendWord(p, w);
        p.append(char(italic));
        p.append(char(0)); // underline
        p.append(char(0)); // strike-out
        p.append(char(charset));
        p.append(QByteArray(4, '\0'));
        p.append(face.left(31));
        p.append('\0');
        return bytes(WmfRecordType::CreateFontIndirect, p);
    }
    WmfBuilder& select(int index) { return record(WmfRecordType::SelectObject, {index}); }
    WmfBuilder& remove(int index) { return record(WmfRecordType::DeleteObject, {index}); }
    WmfBuilder& rectangle(int l, int t, int r, int b) {
        return record(WmfRecordType::Rectangle, {b, r, t, l});
    }
    WmfBuilder& moveTo(int x, int y) { return record(WmfRecordType::MoveTo, {y, x}); }
    WmfBuilder& lineTo(int x, int y) { return record(WmfRecordType::LineTo, {y, x}); }
    WmfBuilder& textAlign(int flags) { return record(WmfRecordType::SetTextAlign, {flags}); }
    WmfBuilder& textOut(int x, int y, const QByteArray& text) {
        QByteArray p;
        appendWord(p, int(text.size()));
        p.append(text);
        if (text.size() % 2)
            p.append('\0');
        appendWord(p, y);
        appendWord(p, x);
        return bytes(WmfRecordType::TextOut, p);
    }
    WmfBuilder& extTextOut(int x, int y, int options, const QByteArray& text,
                           const QList<int>& dx = {}, QRect box = {}) {
        QByteArray p;
        for (int w : {y, x, int(text.size()), options})
            appendWord(p, w);
        if (options & 0x0006) {
            for (int w : {box.left(), box.top(), box.right() + 1, box.bottom() + 1})
                appendWord(p, w);
        }
        p.append(text);
        if (text.size() % 2)
            p.append('\0');
        for (int d : dx)
            appendWord(p, d);
        return bytes(WmfRecordType::ExtTextOut, p);
    }
    WmfBuilder& points(quint16 function, const QList<QPoint>& pts) {
        QByteArray p;
        appendWord(p, int(pts.size()));
        for (const QPoint& pt : pts) {
            appendWord(p, pt.x());
            appendWord(p, pt.y());
        }
        return bytes(function, p);
    }

    QByteArray build(bool endRecord = true) const {
        QByteArray records = records_;
        if (endRecord)
            records.append(QByteArray::fromHex("030000000000"));
        QByteArray out;
        if (placeable_) {
            QByteArray head;
            appendWord(head, int(0xCDD7));
            appendWord(head, int(0x9AC6));
            for (int w : {0, box_.left(), box_.top(), box_.left() + box_.width(),
                          box_.top() + box_.height(), int(inch_), 0, 0})
                appendWord(head, w);
            quint16 sum = 0;
            for (int i = 0; i < 10; ++i)
                sum ^= quint16(quint8(head[2 * i]) | (quint8(head[2 * i + 1]) << 8));
            appendWord(head, rightChecksum_ ? sum : sum ^ 0x5555);
            out.append(head);
        }
        const qsizetype words = (18 + records.size()) / 2;
        for (int w : {1, 9, 0x0300, int(words & 0xFFFF), int(words >> 16), int(objects_), 0, 0, 0})
            appendWord(out, w);
        out.append(records);
        return out;
    }

    static void appendWord(QByteArray& out, int value) {
        out.append(char(value & 0xFF));
        out.append(char((value >> 8) & 0xFF));
    }
    static void appendDword(QByteArray& out, quint32 value) {
        appendWord(out, int(value & 0xFFFF));
        appendWord(out, int(value >> 16));
    }
    static quint32 colorRef(QRgb c) {
        return quint32(qRed(c)) | (quint32(qGreen(c)) << 8) | (quint32(qBlue(c)) << 16);
    }

    // A bitmap with a BITMAPINFOHEADER: `rows` are the stored rows in file order, unpadded.
    static QByteArray dib(int width, int height, int bpp, const QList<QRgb>& palette,
                          const QList<QByteArray>& rows, quint32 compression = 0) {
        QByteArray out;
        appendDword(out, 40);
        appendDword(out, quint32(width));
        appendDword(out, quint32(height));
        appendWord(out, 1);
        appendWord(out, bpp);
        appendDword(out, compression);
        appendDword(out, 0);
        appendDword(out, 0);
        appendDword(out, 0);
        appendDword(out, quint32(palette.size()));
        appendDword(out, 0);
        for (QRgb c : palette) {
            out.append(char(qBlue(c)));
            out.append(char(qGreen(c)));
            out.append(char(qRed(c)));
            out.append('\0');
        }
        for (QByteArray row : rows) {
            if (compression == 0)
                row.append(QByteArray((4 - row.size() % 4) % 4, '\0'));
            out.append(row);
        }
        return out;
    }

private:
    QByteArray records_;
    bool placeable_ = false;
    QRect box_;
    quint16 inch_ = 1440;
    bool rightChecksum_ = true;
    quint16 objects_ = 16;
};
