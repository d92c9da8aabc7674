#include "platform/MessageBox.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

class TestMessageBox : public QObject {
    Q_OBJECT
private slots:
    void titleAsTheWindowSystemShowsIt_data();
    void titleAsTheWindowSystemShowsIt();
};

void TestMessageBox::titleAsTheWindowSystemShowsIt_data() {
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("shown");
    QTest::newRow("the program's title") << "The Orvelles"
                                         << "The Orvelles";
    QTest::newRow("empty, as the removal question has it") << ""
                                                           << "";
}

void TestMessageBox::titleAsTheWindowSystemShowsIt() {
    QFETCH(QString, caption);
    QFETCH(QString, shown);
    QApplication::setApplicationName(QStringLiteral("The Orvelles"));
    QString title;
    QTimer::singleShot(0, [&title] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(box);
        title = box->windowTitle();
        box->button(QMessageBox::Cancel)->click();
    });
    QtMessageBox real;
    const auto answer = real.show(QStringLiteral("Sure?"), MessageBox::Buttons::OkCancel, caption);
    QCOMPARE(answer, MessageBox::Answer::Cancel);
    // Window systems are given the application's name in place of an empty title.
    const QString onScreen = title.isEmpty() ? QApplication::applicationName() : title;
    QCOMPARE(onScreen.trimmed(), shown);
}

QTEST_MAIN(TestMessageBox)
#include "tst_messagebox.moc"
