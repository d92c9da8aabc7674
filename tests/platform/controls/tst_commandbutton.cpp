// The command button's own drawing: the raised face in its back colour, sunk while pressed,
// and its caption on it.
#include "platform/controls/Buttons.h"

#include <QImage>
#include <QTest>

class CommandButtonTest : public QObject {
    Q_OBJECT

    static QImage face(CommandButton& button) {
        return button.grab().toImage().convertToFormat(QImage::Format_RGB32);
    }

    static int pixelsNot(const QImage& image, QRect area, QColor colour) {
        int count = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                count += image.pixelColor(x, y) != colour ? 1 : 0;
        return count;
    }

private slots:
    void raisedThenSunk() {
        QWidget window;
        CommandButton button(&window);
        const QColor back(212, 208, 200);
        button.setBackColor(back);
        button.setCaption(QStringLiteral("OK"));
        button.setGeometry(0, 0, 89, 25);
        window.show();

        QCOMPARE(button.size(), QSize(89, 25));
        QImage up = face(button);
        QCOMPARE(up.pixelColor(0, 0), QColor(Qt::white));
        QCOMPARE(up.pixelColor(88, 24), QColor(Qt::black));
        QCOMPARE(up.pixelColor(10, 12), back);
        // The caption is drawn in the middle.
        QVERIFY(pixelsNot(up, QRect(34, 6, 21, 13), back) > 10);

        button.setDown(true);
        QImage down = face(button);
        QCOMPARE(down.pixelColor(0, 0), QColor(Qt::black));
        QCOMPARE(down.pixelColor(1, 1), QColor(128, 128, 128));
        QCOMPARE(down.pixelColor(10, 12), back);
    }
};

QTEST_MAIN(CommandButtonTest)
#include "tst_commandbutton.moc"
