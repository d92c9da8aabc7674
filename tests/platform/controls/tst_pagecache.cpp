// The page and logo boxes keep painted metafiles small and paint each one once.
#include "../wmf/WmfBuilder.h"
#include "platform/controls/ImageBox.h"
#include "platform/controls/PictureBox.h"
#include "support/TempContent.h"

#include <QApplication>
#include <QTest>

class TestPageCache : public QObject {
    Q_OBJECT
private slots:
    void hugePageCachesOnlyTheWindow();
    void logoFramePaintedOnce();
};

// 82 bytes claiming 16,000 pixels each way once cached a gigabyte.
void TestPageCache::hugePageCachesOnlyTheWindow() {
    TempContent content;
    WmfBuilder b;
    content.write("wmf/huge.wmf",
                  b.placeable(QRect(0, 0, 16000, 16000), 96).rectangle(0, 0, 9, 9).build());
    QWidget window;
    window.resize(704, 528);
    auto* box = new ImageBox(&window);
    QVERIFY(box->LoadPicture(QStringLiteral("wmf\\huge.wmf")));
    QVERIFY(box->width() > 10000);
    window.show();
    // Drawn straight onto the window the first time; kept once it is painted again.
    box->grab(QRect(0, 0, 100, 100));
    QVERIFY(box->cacheSize().isEmpty());
    box->grab(QRect(0, 0, 100, 100));
    QVERIFY(!box->cacheSize().isEmpty());
    QVERIFY(box->cacheSize().width() <= 704 * box->devicePixelRatioF());
    QVERIFY(box->cacheSize().height() <= 528 * box->devicePixelRatioF());
}

void TestPageCache::logoFramePaintedOnce() {
    TempContent content;
    WmfBuilder b;
    content.write("logo/frame.gif",
                  b.placeable(QRect(0, 0, 100, 100), 96).rectangle(0, 0, 50, 50).build());
    QWidget window;
    window.resize(300, 300);
    auto* box = new PictureBox(&window);
    box->resize(120, 120);
    window.show();
    for (int tick = 0; tick < 5; ++tick) {
        QVERIFY(box->LoadPicture(QStringLiteral("logo\\frame.gif")));
        box->grab();
    }
    QCOMPARE(box->framesPainted(), 1);
}

QTEST_MAIN(TestPageCache)
#include "tst_pagecache.moc"
