#include "PageTexts.h"
#include "WmfWriter.h"

#include <QTest>
#include <QtEndian>

namespace {

quint16 word(const QByteArray& d, int at) {
    return qFromLittleEndian<quint16>(d.constData() + at);
}
quint32 dword(const QByteArray& d, int at) {
    return qFromLittleEndian<quint32>(d.constData() + at);
}

constexpr int placeableBytes = 22;
constexpr int headerBytes = 18;

// Walks the records after the headers; returns the function numbers in order, failing when a
// record's size would run past the end.
QList<quint16> functions(const QByteArray& d, quint32* largest) {
    QList<quint16> out;
    int at = placeableBytes + headerBytes;
    *largest = 0;
    while (at + 6 <= d.size()) {
        const quint32 words = dword(d, at);
        if (words < 3 || at + int(words) * 2 > d.size())
            return {};
        *largest = std::max(*largest, words);
        out.append(word(d, at + 4));
        at += int(words) * 2;
    }
    return at == d.size() ? out : QList<quint16>{};
}

} // namespace

class TstWmfWriter : public QObject {
    Q_OBJECT

private slots:
    void headers() {
        WmfWriter w(10400, 7800);
        const int font = w.createFont({"Arial", 240, 700});
        w.select(font);
        w.textOut({100, 200}, "Odd");
        const QByteArray d = w.finish();

        QCOMPARE(dword(d, 0), 0x9AC6CDD7u);
        QCOMPARE(qint16(word(d, 10)), qint16(10400));
        QCOMPARE(qint16(word(d, 12)), qint16(7800));
        QCOMPARE(word(d, 14), quint16(1440));
        quint16 sum = 0;
        for (int i = 0; i < 20; i += 2)
            sum ^= word(d, i);
        QCOMPARE(word(d, 20), sum);

        QCOMPARE(word(d, placeableBytes), quint16(1));
        QCOMPARE(word(d, placeableBytes + 2), quint16(9));
        QCOMPARE(word(d, placeableBytes + 4), quint16(0x0300));
        QCOMPARE(dword(d, placeableBytes + 6) * 2, quint32(d.size() - placeableBytes));
        QCOMPARE(word(d, placeableBytes + 10), quint16(1));

        quint32 largest = 0;
        const QList<quint16> f = functions(d, &largest);
        QVERIFY(!f.isEmpty());
        QCOMPARE(f.last(), quint16(0));
        QCOMPARE(dword(d, placeableBytes + 12), largest);
    }

    void objectSlotsReused() {
        WmfWriter w(100, 100);
        const int a = w.createPen(Qt::black, 1);
        const int b = w.createBrush(Qt::white);
        w.select(a);
        w.select(b);
        w.remove(a);
        QCOMPARE(w.createFont({"Tahoma", 200, 400}), a);
        QCOMPARE(w.createBrush(Qt::red), 2);
        QVERIFY_THROWS_EXCEPTION(std::logic_error, w.select(7));
        const QByteArray d = w.finish();
        QCOMPARE(word(d, placeableBytes + 10), quint16(3));
    }

    void windows1252_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("ascii") << "Page 1" << QByteArray("Page 1");
        QTest::newRow("latin-1") << QString::fromUtf8("\u00A9 caf\u00E9")
                                 << QByteArray("\xA9 caf\xE9");
        QTest::newRow("quotes") << QString::fromUtf8("\u2018a\u2019 \u201Cb\u201D")
                                << QByteArray("\x91"
                                              "a\x92 \x93"
                                              "b\x94");
        QTest::newRow("outside") << QString::fromUtf8("\u0394") << QByteArray("?");
    }
    void windows1252() {
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        QCOMPARE(WmfWriter::toWindows1252(text), bytes);
    }

    // Every page is written in whole records and fits its sheet at a readable size.
    void everyPageRenders() {
        for (const Pages::Page& page : Pages::allPages()) {
            for (auto copy : {Pages::Copy::Screen, Pages::Copy::Print}) {
                const auto r = Pages::render(page, copy);
                quint32 largest = 0;
                QVERIFY2(!functions(r.wmf, &largest).isEmpty(), qPrintable(page.file));
                QVERIFY(r.bodyPoints >= 12);
            }
        }
    }

    void tooMuchTextIsRefused() {
        Pages::Page page{"x.wmf", "Too long", Pages::Drawing::Book, {}};
        for (int i = 0; i < 60; ++i)
            page.blocks.append(Pages::para("A line of text that goes on and on."));
        QVERIFY_THROWS_EXCEPTION(std::runtime_error, Pages::render(page, Pages::Copy::Screen));
    }
};

QTEST_MAIN(TstWmfWriter)
#include "tst_wmfwriter.moc"
