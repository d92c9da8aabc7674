// Pictures are decoded once and kept; the kept copy must never outlive a change to its file.
#include "platform/Picture.h"
#include "support/TempContent.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLoggingCategory>
#include <QPainter>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTest>

class PictureTest : public QObject {
    Q_OBJECT

    static void writeImage(const TempContent& content, const QString& name, QSize size,
                           QColor colour) {
        QImage image(size, QImage::Format_RGB32);
        image.fill(colour);
        QVERIFY(image.save(content.path() + QLatin1Char('/') + name));
    }

private slots:
    void aChangedFileIsDecodedAfresh() {
        TempContent content;
        QDir().mkpath(content.path() + QStringLiteral("/images"));
        writeImage(content, QStringLiteral("images/a.bmp"), {40, 30}, Qt::red);
        const Picture first = Picture::load(QStringLiteral("images\\a.bmp"));
        QCOMPARE(first.sizeTwips(), QSizeF(600, 450));

        writeImage(content, QStringLiteral("images/a.bmp"), {20, 10}, Qt::blue);
        const Picture second = Picture::load(QStringLiteral("images\\a.bmp"));
        QCOMPARE(second.sizeTwips(), QSizeF(300, 150));
        // The picture handed out earlier keeps what it showed.
        QCOMPARE(first.sizeTwips(), QSizeF(600, 450));

        QVERIFY(QFile::remove(content.path() + QStringLiteral("/images/a.bmp")));
        QVERIFY(Picture::load(QStringLiteral("images\\a.bmp")).isNull());
    }

    void aChangedPageIsReadAfresh() {
        TempContent content;
        const QString source = QStringLiteral(ORVELLES_SOURCE_DIR "/content/");
        const QString target = content.path() + QStringLiteral("/page.wmf");
        QVERIFY(QFile::copy(source + QStringLiteral("wmf/guide1.wmf"), target));
        const QSizeF screenCopy = Picture::load(QStringLiteral("page.wmf")).sizeTwips();
        QVERIFY(QFile::remove(target));
        QVERIFY(QFile::copy(source + QStringLiteral("wmf2/guide1.wmf"), target));
        const Picture printCopy = Picture::load(QStringLiteral("page.wmf"));
        QVERIFY(printCopy.isMetafile());
        QVERIFY(printCopy.sizeTwips() != screenCopy);
    }

    void theSameFileInAnotherFolderIsAnotherPicture() {
        TempContent one;
        QDir().mkpath(one.path() + QStringLiteral("/images"));
        writeImage(one, QStringLiteral("images/b.bmp"), {8, 8}, Qt::red);
        QCOMPARE(Picture::load(QStringLiteral("images\\b.bmp")).sizeTwips(), QSizeF(120, 120));
        TempContent two;
        QDir().mkpath(two.path() + QStringLiteral("/images"));
        writeImage(two, QStringLiteral("images/b.bmp"), {16, 8}, Qt::red);
        QCOMPARE(Picture::load(QStringLiteral("images\\b.bmp")).sizeTwips(), QSizeF(240, 120));
    }

    void aPictureNoLongerShownIsLetGo_data() {
        QTest::addColumn<bool>("stillShown");
        QTest::addColumn<QColor>("seen");
        QTest::newRow("still shown: kept") << true << QColor(Qt::red);
        QTest::newRow("no longer shown: decoded afresh") << false << QColor(Qt::blue);
    }

    // Rewrites a large picture with the same size and time, which only a fresh decoding sees.
    void aPictureNoLongerShownIsLetGo() {
        QFETCH(bool, stillShown);
        QFETCH(QColor, seen);
        TempContent content;
        const QString file = content.path() + QStringLiteral("/big.bmp");
        writeImage(content, QStringLiteral("big.bmp"), {1200, 1000}, Qt::red);
        const QDateTime written = QFileInfo(file).lastModified();
        Picture shown = Picture::load(QStringLiteral("big.bmp"));
        if (!stillShown)
            shown = Picture();
        Picture::dropUnused();
        writeImage(content, QStringLiteral("big.bmp"), {1200, 1000}, Qt::blue);
        QFile stamp(file);
        QVERIFY(stamp.open(QIODevice::ReadWrite));
        QVERIFY(stamp.setFileTime(written, QFileDevice::FileModificationTime));
        stamp.close();
        QImage drawn(4, 4, QImage::Format_RGB32);
        QPainter painter(&drawn);
        Picture::load(QStringLiteral("big.bmp")).paint(painter, QRectF(0, 0, 4, 4));
        painter.end();
        QCOMPARE(drawn.pixelColor(2, 2), seen);
    }

    void unshownPictureLoggedWhenAsked_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes"); // null: no file
        QTest::newRow("missing") << QStringLiteral("images\\gone.jpg") << QByteArray();
        QTest::newRow("noise") << QStringLiteral("images\\noise.jpg") << QByteArray("no picture");
        // A metafile header and no records: no window, so no size.
        QTest::newRow("page of no size")
            << QStringLiteral("wmf\\flat.wmf")
            << QByteArray::fromHex("010009000003090000000000000000000000");
    }

    // Quiet by default; with the program's categories on, the log names the file.
    void unshownPictureLoggedWhenAsked() {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        TempContent content;
        if (!bytes.isNull())
            content.write(QString(name).replace(QLatin1Char('\\'), QLatin1Char('/')), bytes);
        QTest::failOnWarning(QRegularExpression(QStringLiteral(".")));
        QVERIFY(Picture::load(name).isNull());
        QLoggingCategory::setFilterRules(QStringLiteral("orvelles.*=true"));
        const auto rulesBack = qScopeGuard([] { QLoggingCategory::setFilterRules({}); });
        QTest::ignoreMessage(QtWarningMsg,
                             QRegularExpression(QRegularExpression::escape(name) + " not"));
        QVERIFY(Picture::load(name).isNull());
    }
};

QTEST_MAIN(PictureTest)
#include "tst_picture.moc"
