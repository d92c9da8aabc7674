// A caption from a damaged file may be megabytes long: what a label or option lays out is cut
// to a bound no real caption reaches, while the caption itself is kept whole.
#include "platform/controls/Buttons.h"
#include "platform/controls/CaptionLimit.h"
#include "platform/controls/Label.h"

#include <QTest>

class CaptionsTest : public QObject {
    Q_OBJECT
private slots:
    void laidOutTextIsBounded_data();
    void laidOutTextIsBounded();
};

void CaptionsTest::laidOutTextIsBounded_data() {
    QTest::addColumn<bool>("option");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("shown");
    const qsizetype bound = CaptionLimit::MaxShown;
    QString words;
    while (words.size() < 200000)
        words += QStringLiteral("Who paid for the tower? ");
    // A letter outside the basic plane straddling the bound is not cut in half.
    const QString straddling =
        QString(bound - 1, QLatin1Char('a')) + QString::fromUcs4(U"\U0001F3F0");
    for (bool option : {false, true}) {
        const char* kind = option ? "option" : "label";
        QTest::addRow("%s, 300 characters", kind) << option << words.left(300) << 300;
        QTest::addRow("%s, 200 000 characters", kind) << option << words << int(bound);
        QTest::addRow("%s, surrogate pair at the bound", kind)
            << option << straddling << int(bound - 1);
    }
}

void CaptionsTest::laidOutTextIsBounded() {
    QFETCH(bool, option);
    QFETCH(QString, caption);
    QFETCH(int, shown);
    QWidget window;
    QString laidOut;
    if (option) {
        auto* button = new OptionButton(&window);
        button->setCaption(caption);
        QCOMPARE(button->Caption(), caption);
        laidOut = button->text();
    } else {
        auto* label = new Label(&window);
        label->setCaption(caption);
        QCOMPARE(label->Caption(), caption);
        laidOut = label->shownText();
    }
    QCOMPARE(laidOut, caption.left(shown));
}

QTEST_MAIN(CaptionsTest)
#include "tst_captions.moc"
