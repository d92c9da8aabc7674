#include "app/Module1.h"
#include "formats/QuestionFile.h"

#include <QTest>
#include <climits>

class TestState : public QObject {
    Q_OBJECT

private slots:
    void numbersKeepToTheirRange_data();
    void numbersKeepToTheirRange();
};

void TestState::numbersKeepToTheirRange_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<int>("written");
    QTest::addColumn<int>("step");
    QTest::addColumn<int>("kept");
    QTest::newRow("question before a quiz") << "CurrentQuestion" << -1 << 0 << 0;
    QTest::newRow("question once all are answered") << "CurrentQuestion" << 10 << 1 << 11;
    QTest::newRow("question past that") << "CurrentQuestion" << 12 << 0 << 11;
    QTest::newRow("question stepped past it") << "CurrentQuestion" << 11 << 1 << 11;
    QTest::newRow("question by the largest step") << "CurrentQuestion" << 5 << INT_MAX << 11;
    QTest::newRow("question back by the largest") << "CurrentQuestion" << 5 << INT_MIN << 0;
    QTest::newRow("no names") << "WorksheetCount" << -1 << 0 << 0;
    QTest::newRow("all the names there can be") << "WorksheetCount" << 999 << 1 << 1000;
    QTest::newRow("more names") << "WorksheetCount" << 1001 << 0 << 1000;
    QTest::newRow("logo past its last frame") << "LogoFrame" << 19 << 1 << 19;
}

void TestState::numbersKeepToTheirRange() {
    QFETCH(QString, field);
    QFETCH(int, written);
    QFETCH(int, step);
    QFETCH(int, kept);
    Module1::reset();
    QuestionNumber question;
    const auto check = [&](auto& number) {
        number = written;
        number += step;
        QCOMPARE(int(number), kept);
    };
    if (field == QLatin1String("CurrentQuestion"))
        check(question);
    else if (field == QLatin1String("WorksheetCount"))
        check(Module1::state.catalogue.Catalogue.WorksheetCount);
    else
        check(Module1::state.run.LogoFrame);
}

QTEST_APPLESS_MAIN(TestState)
#include "tst_state.moc"
