#include "TestWave.h"
#include "platform/QtSoundPlayer.h"
#include "platform/SoundStream.h"
#include "support/TempContent.h"

#include <QRegularExpression>
#include <QTest>

using SoundState = QtSoundPlayer::SoundState;

// The real player on a machine with no sound server: every request must come back at once, play
// nothing, print nothing and leave the player usable.
class TestSoundPlayer : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void silentRequest_data();
    void silentRequest();
    void changedFileIsReadAgain();
    void cacheDropsLeastRecentlyPlayed();
    void destroyedWhileLoading();
};

void TestSoundPlayer::initTestCase() {
    // Point the audio backend at a server that does not exist, even on a machine that has one.
    qputenv("PULSE_SERVER", "unix:/nonexistent/orvelles-sound-test/native");
}

void TestSoundPlayer::init() {
    QTest::failOnWarning(QRegularExpression(QStringLiteral(".")));
}

void TestSoundPlayer::silentRequest_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("request");
    QTest::addColumn<SoundState>("expected");

    const QByteArray tone = TestWave::toneFile();
    QByteArray pastTheEnd = tone;
    pastTheEnd.replace(40, 4, "\xf0\xff\xff\x7f");
    QByteArray hugeFormatChunk("RIFF\x24\x00\x00\x00WAVEfmt \xf0\xff\xff\xff", 20);
    hugeFormatChunk.append(QByteArray(16, '\x01'));
    QByteArray garbage;
    for (int i = 0; i < 4000; ++i)
        garbage.append(char((i * 7919) % 251));

    QTest::newRow("missing file") << "" << QByteArray() << "wav\\click.wav" << SoundState::Unknown;
    QTest::newRow("empty name") << "" << QByteArray() << "" << SoundState::Unknown;
    QTest::newRow("folder, not a file") << "wav/click.wav" << tone << "wav" << SoundState::Unknown;
    QTest::newRow("garbage") << "wav/click.wav" << garbage << "wav\\click.wav"
                             << SoundState::Unplayable;
    QTest::newRow("empty file") << "wav/click.wav" << QByteArray() << "wav\\click.wav"
                                << SoundState::Unplayable;
    QTest::newRow("header cut short")
        << "wav/click.wav" << tone.left(30) << "wav\\click.wav" << SoundState::Unplayable;
    QTest::newRow("no samples") << "wav/click.wav" << TestWave::file(44100, 1, 16, {})
                                << "wav\\click.wav" << SoundState::Unplayable;
    QTest::newRow("format chunk past the end")
        << "wav/click.wav" << hugeFormatChunk << "wav\\click.wav" << SoundState::Unplayable;
    QTest::newRow("float samples")
        << "wav/click.wav" << TestWave::file(44100, 1, 32, QByteArray(400, '\0'), 3)
        << "wav\\click.wav" << SoundState::Unplayable;
    QTest::newRow("16-bit mono") << "wav/click.wav" << tone << "wav\\click.wav"
                                 << SoundState::Ready;
    QTest::newRow("8-bit stereo") << "wav/gong.wav"
                                  << TestWave::file(22050, 2, 8, QByteArray(2000, '\x80'))
                                  << "wav\\gong.wav" << SoundState::Ready;
    QTest::newRow("data size past the end")
        << "wav/click.wav" << pastTheEnd << "wav\\click.wav" << SoundState::Ready;
    QTest::newRow("odd byte at the end")
        << "wav/click.wav" << tone + '\x01' << "wav\\click.wav" << SoundState::Ready;
    QTest::newRow("name case differs")
        << "wav/click.wav" << tone << "WAV\\Click.WAV" << SoundState::Ready;
}

void TestSoundPlayer::silentRequest() {
    QFETCH(QString, path);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, request);
    QFETCH(SoundState, expected);
    TempContent content;
    if (!path.isEmpty())
        content.write(path, bytes);

    QtSoundPlayer player;
    for (int i = 0; i < 3; ++i)
        player.PlaySound(request);
    QTRY_COMPARE(player.soundState(request), expected);
    for (int i = 0; i < 50; ++i)
        player.PlaySound(request);

    QCOMPARE(player.soundState(request), expected);
    QCOMPARE(player.liveOutputs(), 0);
    QVERIFY(player.findChildren<SoundStream*>().isEmpty());
}

void TestSoundPlayer::changedFileIsReadAgain() {
    TempContent content;
    QtSoundPlayer player;
    content.write("wav/click.wav", "not a sound");
    player.PlaySound("wav\\click.wav");
    QTRY_COMPARE(player.soundState("wav\\click.wav"), SoundState::Unplayable);

    content.write("wav/click.wav", TestWave::toneFile());
    player.PlaySound("wav\\click.wav");
    QTRY_COMPARE(player.soundState("wav\\click.wav"), SoundState::Ready);

    content.write("wav/click.wav", "broken again");
    player.PlaySound("wav\\click.wav");
    QTRY_COMPARE(player.soundState("wav\\click.wav"), SoundState::Unplayable);
    QCOMPARE(player.cachedSounds(), 1);
}

void TestSoundPlayer::cacheDropsLeastRecentlyPlayed() {
    TempContent content;
    QtSoundPlayer player;
    const int count = QtSoundPlayer::MaxCachedSounds + 5;
    for (int i = 0; i < count; ++i)
        content.write(QStringLiteral("wav/s%1.wav").arg(i), TestWave::toneFile(10 + i));
    for (int i = 0; i < count; ++i) {
        player.PlaySound(QStringLiteral("wav\\s%1.wav").arg(i));
        // The first file is played again and again, so it is never the one to go.
        player.PlaySound("wav\\s0.wav");
        QVERIFY(player.cachedSounds() <= QtSoundPlayer::MaxCachedSounds);
    }
    QTRY_COMPARE(player.soundState("wav\\s0.wav"), SoundState::Ready);
    QTRY_COMPARE(player.soundState(QStringLiteral("wav\\s%1.wav").arg(count - 1)),
                 SoundState::Ready);
    QCOMPARE(player.soundState("wav\\s1.wav"), SoundState::Unknown);
}

void TestSoundPlayer::destroyedWhileLoading() {
    TempContent content;
    auto player = std::make_unique<QtSoundPlayer>();
    for (int i = 0; i < 20; ++i) {
        content.write(QStringLiteral("wav/s%1.wav").arg(i), TestWave::toneFile(200));
        player->PlaySound(QStringLiteral("wav\\s%1.wav").arg(i));
    }
    QCOMPARE(player->soundState("wav\\s19.wav"), SoundState::Loading);
    player.reset();
    // Results of loads that were under way must not reach the dead player.
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    QtSoundPlayer next;
    next.PlaySound("wav\\s19.wav");
    QTRY_COMPARE(next.soundState("wav\\s19.wav"), SoundState::Ready);
}

QTEST_GUILESS_MAIN(TestSoundPlayer)
#include "tst_soundplayer.moc"
