#include "formats/TextCodec.h"

#include <QTest>

class TestTextCodec : public QObject {
    Q_OBJECT
private slots:
    void everyByteReadsBackAsWritten();
    void decode_data();
    void decode();
    void canEncode_data();
    void canEncode();
    void unstorableBecomesQuestionMark();
    void canStoreInLine_data();
    void canStoreInLine();
};

void TestTextCodec::everyByteReadsBackAsWritten() {
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all += char(b);
    const QString text = TextCodec::decode(all);
    QCOMPARE(text.size(), 256);
    QVERIFY(TextCodec::canEncode(text));
    QCOMPARE(TextCodec::encode(text), all);
}

void TestTextCodec::decode_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("expected");
    QTest::newRow("ascii") << QByteArray("Rich, Poor") << u"Rich, Poor"_qs;
    QTest::newRow("latin letters") << QByteArray("caf\xE9 \xFC\xDF") << u"café üß"_qs;
    QTest::newRow("euro") << QByteArray("\x80") << u"\u20AC"_qs;
    QTest::newRow("curly quotes") << QByteArray("\x93hi\x94") << u"\u201Chi\u201D"_qs;
    QTest::newRow("dashes and trademark") << QByteArray("\x96\x97\x99") << u"\u2013\u2014\u2122"_qs;
    QTest::newRow("y diaeresis at 0x9F") << QByteArray("\x9F") << u"\u0178"_qs;
    QTest::newRow("undefined bytes keep their number")
        << QByteArray("\x81\x8D\x8F\x90\x9D") << u"\u0081\u008D\u008F\u0090\u009D"_qs;
    QTest::newRow("no-break space") << QByteArray("\xA0") << u"\u00A0"_qs;
}

void TestTextCodec::decode() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, expected);
    QCOMPARE(TextCodec::decode(bytes), expected);
    QCOMPARE(TextCodec::encode(expected), bytes);
}

void TestTextCodec::canEncode_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("storable");
    QTest::newRow("plain") << u"Queen Anne"_qs << true;
    QTest::newRow("accents") << u"Gérard Müller"_qs << true;
    QTest::newRow("euro and quotes") << u"\u20AC \u2018a\u2019"_qs << true;
    QTest::newRow("control 0x81 stands for itself") << u"\u0081"_qs << true;
    QTest::newRow("control 0x80 has no byte") << u"\u0080"_qs << false;
    QTest::newRow("control 0x9F has no byte") << u"\u009F"_qs << false;
    QTest::newRow("a with macron") << u"\u0101"_qs << false;
    QTest::newRow("chinese") << u"\u4E2D"_qs << false;
    QTest::newRow("emoji (surrogate pair)") << u"ok \U0001F600"_qs << false;
    QTest::newRow("empty") << QString() << true;
}

void TestTextCodec::canEncode() {
    QFETCH(QString, text);
    QFETCH(bool, storable);
    QCOMPARE(TextCodec::canEncode(text), storable);
    if (text.size() == 1)
        QCOMPARE(TextCodec::canEncode(text[0]), storable);
}

void TestTextCodec::unstorableBecomesQuestionMark() {
    QCOMPARE(TextCodec::encode(u"a\u0101b\u4E2D"_qs), QByteArray("a?b?"));
}

void TestTextCodec::canStoreInLine_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("storable");
    QTest::newRow("commas and quotes") << u"\"A\", B"_qs << true;
    QTest::newRow("tab") << u"a\tb"_qs << true;
    QTest::newRow("line feed") << u"a\nb"_qs << false;
    QTest::newRow("carriage return") << u"a\rb"_qs << false;
    QTest::newRow("not in the code page") << u"\u0101"_qs << false;
}

void TestTextCodec::canStoreInLine() {
    QFETCH(QString, text);
    QFETCH(bool, storable);
    QCOMPARE(TextCodec::canStoreInLine(text), storable);
}

QTEST_GUILESS_MAIN(TestTextCodec)
#include "tst_textcodec.moc"
