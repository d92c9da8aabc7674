#include "app/Module1.h"
#include "app/Screens.h"
#include "app/Services.h"
#include "platform/controls/AccessibleControls.h"
#include "screens/activities/ScoreRules.h"
#include "screens/activities/Welldone.h"
#include "screens/activities/Wrong.h"
#include "support/AppFixture.h"

#include <QAccessible>
#include <QTest>

namespace {

Welldone& openResults(int score, int maxScore) {
    return Welldone::openWith(boardOutcome(score, maxScore));
}

// Waits for the after-load chain to have played its part.
void waitForChain(Welldone& results) {
    QTRY_VERIFY(!results.Timer1->Enabled() && !results.Timer2->Enabled() &&
                !results.Timer3->Enabled());
}

} // namespace

class TestResults : public QObject {
    Q_OBJECT
private slots:
    void messages_data();
    void messages();
    void whatThePupilSees_data();
    void whatThePupilSees();
    void scoreSound_data();
    void scoreSound();
    void afterLoadChain();
    void checkWrongAnswersAndExit();
    void exitOnTheReviewClosesBoth();
    void fullMarksByKeyboard();
};

void TestResults::messages_data() {
    QTest::addColumn<int>("score");
    QTest::addColumn<int>("maxScore");
    QTest::addColumn<QString>("message");
    QTest::newRow("10 of 10") << 10 << 10 << "Excellent work. You have scored 10 out of 10.";
    QTest::newRow("9 of 10") << 9 << 10 << "Good work. You have scored 9 out of 10.";
    QTest::newRow("8 of 10") << 8 << 10 << "Good work. You have scored 8 out of 10.";
    QTest::newRow("7 of 10") << 7 << 10 << "You have scored 7 out of 10.";
    QTest::newRow("0 of 10") << 0 << 10 << "You have scored 0 out of 10.";
    QTest::newRow("1 of 4") << 1 << 4 << "You have scored 1 out of 4.";
    QTest::newRow("9 of 9") << 9 << 9 << "Excellent work. You have scored 9 out of 9.";
}

void TestResults::messages() {
    QFETCH(int, score);
    QFETCH(int, maxScore);
    QFETCH(QString, message);
    QCOMPARE(ScoreRules::message(score, maxScore), message);
}

void TestResults::whatThePupilSees_data() {
    QTest::addColumn<int>("score");
    QTest::addColumn<int>("maxScore");
    QTest::addColumn<QString>("firstButton");
    QTest::addColumn<bool>("firstButtonShown");
    QTest::addColumn<bool>("advice");
    QTest::addColumn<bool>("nameBox");
    QTest::newRow("full marks") << 5 << 5 << "Print Certificate" << true << false << true;
    QTest::newRow("labelling 1 of 4") << 1 << 4 << "Check Wrong Answers" << false << true << false;
    QTest::newRow("ordering 7 of 9") << 7 << 9 << "Check Wrong Answers" << false << true << false;
}

void TestResults::whatThePupilSees() {
    QFETCH(int, score);
    QFETCH(int, maxScore);
    QFETCH(QString, firstButton);
    QFETCH(bool, firstButtonShown);
    QFETCH(bool, advice);
    QFETCH(bool, nameBox);
    AppFixture app;
    Welldone& results = openResults(score, maxScore);
    QCOMPARE(results.Label3(Welldone::Button::PrintOrReview).Caption(), firstButton);
    QCOMPARE(results.Label3(Welldone::Button::PrintOrReview).Visible(), firstButtonShown);
    QCOMPARE(results.Label6->Visible(), advice);
    QCOMPARE(results.Text1->Visible(), nameBox);
    QCOMPARE(results.Label2->Visible(), nameBox);
    QVERIFY(!results.Label5->Visible());
}

void TestResults::scoreSound_data() {
    QTest::addColumn<int>("score");
    QTest::addColumn<int>("draw");
    QTest::addColumn<QString>("sound");
    QTest::newRow("10, first") << 10 << 0 << "wav\\fanf2.wav";
    QTest::newRow("10, second") << 10 << 1 << "wav\\fanf3.wav";
    QTest::newRow("9, third") << 9 << 2 << "wav\\klaxon.wav";
    QTest::newRow("8, second") << 8 << 1 << "wav\\gong.wav";
    QTest::newRow("7, first") << 7 << 0 << "wav\\drumroll.wav";
    QTest::newRow("6, second") << 6 << 1 << "wav\\clown.wav";
    QTest::newRow("5 has none") << 5 << 0 << "";
}

void TestResults::scoreSound() {
    QFETCH(int, score);
    QFETCH(int, draw);
    QFETCH(QString, sound);
    AppFixture app;
    Module1::state.settings.SoundOn = 1;
    int asked = 0;
    Services::setRandom([&](int n) {
        asked = n;
        return draw;
    });
    Welldone& results = openResults(score, 10);
    waitForChain(results);
    QCOMPARE(app.sound->played, sound.isEmpty() ? QStringList() : QStringList{sound});
    if (!sound.isEmpty())
        QCOMPARE(asked, static_cast<int>(ScoreRules::sounds(score).size()));

    // With sound off, nothing at all.
    Screens::unload(results);
    app.sound->played.clear();
    Module1::state.settings.SoundOn = 0;
    waitForChain(openResults(score, 10));
    QVERIFY(app.sound->played.isEmpty());
}

void TestResults::afterLoadChain() {
    AppFixture app;
    Module1::state.settings.SoundOn = 1;
    QStringList order;
    Welldone& results = openResults(10, 10);
    QVERIFY(QTest::qWaitForWindowExposed(&results));
    results.Label3(Welldone::Button::PrintOrReview).setOpaque(false);
    results.Label3(Welldone::Button::Exit).setOpaque(false);
    QVERIFY(results.Picture1->picture().isNull());
    waitForChain(results);
    QVERIFY(results.Label3(Welldone::Button::PrintOrReview).Opaque());
    QVERIFY(results.Label3(Welldone::Button::Exit).Opaque());
    QCOMPARE(QApplication::focusWidget(), results.Text1);
    QCOMPARE(app.sound->played.size(), 1);
    // Once per opening: nothing more plays however long it stays.
    QTest::qWait(50);
    QCOMPARE(app.sound->played.size(), 1);
}

void TestResults::checkWrongAnswersAndExit() {
    AppFixture app;
    Module1::state.settings.SoundOn = 1;
    Screens::touch<Wrong>();
    Welldone& results = openResults(7, 10);
    results.Label3(Welldone::Button::PrintOrReview).show();
    waitForChain(results);
    app.sound->played.clear();
    QTest::mouseClick(&results.Label3(Welldone::Button::PrintOrReview), Qt::LeftButton);
    QVERIFY(Screens::find<Wrong>()->isVisible());
    QCOMPARE(app.sound->played, QStringList{"wav\\click.wav"});
    QTest::mouseClick(&results.Label3(Welldone::Button::Exit), Qt::LeftButton);
    QCOMPARE(Screens::find<Wrong>(), nullptr);
    QCOMPARE(Screens::find<Welldone>(), nullptr);
    QCOMPARE(app.sound->played.size(), 2);
}

void TestResults::exitOnTheReviewClosesBoth() {
    AppFixture app;
    Module1::state.settings.SoundOn = 1;
    Wrong& review = Screens::touch<Wrong>();
    openResults(3, 10);
    Screens::open(review);
    app.sound->played.clear();
    QTest::mouseClick(&review.Label3(Wrong::Button::Exit), Qt::LeftButton);
    QCOMPARE(Screens::find<Wrong>(), nullptr);
    QCOMPARE(Screens::find<Welldone>(), nullptr);
    QVERIFY(app.sound->played.isEmpty());
}

// The score is read out, and the pupil in the name box, which says what it is for, is one Enter
// from the certificate.
void TestResults::fullMarksByKeyboard() {
    AppFixture app;
    QStringList printed;
    AppFixture::recordPrintsInto(printed);
    Welldone& results = openResults(10, 10);
    waitForChain(results);
    QCOMPARE(AccessibleControls::announced(&results), ScoreRules::message(10, 10));
    QCOMPARE(QAccessible::queryAccessibleInterface(results.Text1)->text(QAccessible::Name),
             QStringLiteral("Your name for the certificate"));
    QTest::keyClicks(results.Text1, QStringLiteral("Ann"));
    QTest::keyClick(results.Text1, Qt::Key_Return);
    QCOMPARE(app.messages->texts, QStringList{"Your certificate is now printing."});
    QVERIFY(printed.join('|').contains("Ann"));
}

QTEST_MAIN(TestResults)
#include "tst_results.moc"
