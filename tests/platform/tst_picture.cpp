// Pictures are decoded once and kept; the kept copy must never outlive a change to its file.
#include "platform/Picture.h"
#include "support/TempContent.h"

#include <QFile>
#include <QImage>
#include <QTest>
#include <QDir>

class PictureTest : public QObject {
    Q_OBJECT

    static void writeImage(const TempContent& content, const QString& name, QSize size, QColor colour) {
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
};

QTEST_MAIN(PictureTest)
#include "tst_picture.moc"
