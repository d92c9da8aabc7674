#include "platform/ContentPath.h"
#include "support/TempContent.h"

#include <QTest>

class TestContentPath : public QObject {
    Q_OBJECT
private slots:
    void resolve_data();
    void resolve();
};

void TestContentPath::resolve_data() {
    QTest::addColumn<QString>("programPath");
    QTest::addColumn<QString>("expected");
    QTest::newRow("backslash, folder case differs") << "Images\\globesm.jpg"
                                                    << "images/globesm.jpg";
    QTest::newRow("exact with slash") << "images/globesm.jpg"
                                      << "images/globesm.jpg";
    QTest::newRow("file case differs") << "multiple\\TRACK.TXT"
                                       << "multiple/track.txt";
    QTest::newRow("missing file keeps its name") << "Multiple/New One.txt"
                                                 << "multiple/New One.txt";
    QTest::newRow("missing folder kept as written") << "Wav\\click.wav"
                                                    << "Wav/click.wav";
    QTest::newRow("empty") << ""
                           << "";
}

void TestContentPath::resolve() {
    QFETCH(QString, programPath);
    QFETCH(QString, expected);
    TempContent content;
    content.write("images/globesm.jpg", "x");
    content.write("multiple/track.txt", " 0 \r\n");
    QCOMPARE(ContentPath::resolve(programPath), expected);
}

QTEST_GUILESS_MAIN(TestContentPath)
#include "tst_contentpath.moc"
