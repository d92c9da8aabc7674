#include "TestWave.h"
#include "platform/QtSoundPlayer.h"
#include "platform/SoundStream.h"
#include "support/TempContent.h"

#include <QMediaDevices>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <csignal>
#include <cstdlib>
#include <functional>
#include <memory>

#include <sys/prctl.h>

// The real player against a real sound server: a private PulseAudio daemon with a null sink,
// whose monitor is recorded while the player plays, so the test hears what a pupil would.
namespace {

constexpr int Rate = 44100;
constexpr int ToneMs = 40;
constexpr int SpacingMs = 150;
constexpr const char* Sink = "orvelles_test";

// Helpers that must not outlive the test, even when it crashes.
void endWithParent(QProcess& process) {
    process.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
}

struct Burst {
    int startMs;
    int lengthMs;
};

// Runs of loud 5 ms windows in mono 16-bit audio; a quiet stretch of 20 ms or more ends a run.
QList<Burst> findBursts(const QByteArray& pcm) {
    constexpr int window = Rate / 200;
    constexpr int threshold = 32767 / 6;
    constexpr int quietToEnd = 4;
    const auto* samples = reinterpret_cast<const qint16*>(pcm.constData());
    const qsizetype count = pcm.size() / 2;
    QList<Burst> bursts;
    int quiet = quietToEnd;
    for (qsizetype start = 0, index = 0; start + window <= count; start += window, ++index) {
        int peak = 0;
        for (qsizetype i = start; i < start + window; ++i)
            peak = std::max(peak, std::abs(int(samples[i])));
        if (peak < threshold) {
            ++quiet;
            continue;
        }
        const int ms = int(index * 5);
        if (quiet >= quietToEnd)
            bursts.append({ms, 0});
        bursts.last().lengthMs = ms + 5 - bursts.last().startMs;
        quiet = 0;
    }
    return bursts;
}

QByteArray describe(const QList<Burst>& bursts) {
    QStringList parts;
    for (const Burst& burst : bursts)
        parts << QStringLiteral("%1 ms long at %2 ms").arg(burst.lengthMs).arg(burst.startMs);
    return parts.join(QStringLiteral(", ")).toUtf8();
}

// A PulseAudio daemon of the test's own, with everything it writes kept in a private folder, so
// it runs as root on a build machine as well as beside a desktop's own server.
class PulseServer {
public:
    ~PulseServer() { stop(); }

    QString address() const { return QStringLiteral("unix:") + socket(); }
    QString socket() const { return dir_.filePath(QStringLiteral("native")); }
    bool running() const { return daemon_.state() != QProcess::NotRunning; }
    QString errors() { return QString::fromLocal8Bit(daemon_.readAllStandardError()); }

    // Playback streams open on the server, whoever opened them.
    int streams() const {
        QProcess pactl;
        pactl.start(QStringLiteral("pactl"),
                    {"--server=" + address(), "list", "short", "sink-inputs"});
        if (!pactl.waitForFinished(5000) || pactl.exitCode() != 0)
            return -1;
        return int(pactl.readAllStandardOutput().count('\n'));
    }

    // Whether the server takes clients yet: its socket appears a little before it does.
    bool answers() const {
        QProcess pactl;
        pactl.start(QStringLiteral("pactl"), {"--server=" + address(), "info"});
        return pactl.waitForFinished(5000) && pactl.exitStatus() == QProcess::NormalExit &&
               pactl.exitCode() == 0;
    }

    void start() {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "DBUS_SESSION_BUS_ADDRESS", "PULSE_SERVER"})
            env.remove(QString::fromLatin1(name));
        const QString runtime = dir_.filePath(QStringLiteral("run"));
        QDir().mkpath(runtime);
        QFile::setPermissions(runtime, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                           QFileDevice::ExeOwner);
        env.insert(QStringLiteral("HOME"), dir_.path());
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime);
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), dir_.filePath(QStringLiteral("config")));
        env.insert(QStringLiteral("PULSE_RUNTIME_PATH"), runtime + QStringLiteral("/pulse"));
        env.insert(QStringLiteral("PULSE_STATE_PATH"), dir_.filePath(QStringLiteral("state")));
        daemon_.setProcessEnvironment(env);
        endWithParent(daemon_);
        daemon_.start(QStringLiteral("pulseaudio"),
                      {"-n", "--daemonize=no", "--exit-idle-time=-1", "--use-pid-file=no",
                       "--disable-shm=yes", "--log-level=error", "--log-target=stderr",
                       "--load=module-native-protocol-unix auth-anonymous=1 socket=" + socket(),
                       QStringLiteral("--load=module-null-sink sink_name=%1").arg(Sink)});
    }

    void stop() {
        if (!running())
            return;
        daemon_.terminate();
        if (!daemon_.waitForFinished(5000))
            daemon_.kill();
        daemon_.waitForFinished(5000);
    }

private:
    QTemporaryDir dir_;
    QProcess daemon_;
};

// Records the null sink's monitor as mono 16-bit samples, from start to end of the test: the
// monitor can take a couple of seconds to deliver its first samples.
class MonitorRecorder {
public:
    explicit MonitorRecorder(const QString& server) {
        QObject::connect(&parec_, &QProcess::readyReadStandardOutput,
                         [this] { pcm_ += parec_.readAllStandardOutput(); });
        endWithParent(parec_);
        parec_.start(QStringLiteral("parec"),
                     {"--server=" + server, QStringLiteral("--device=%1.monitor").arg(Sink),
                      "--format=s16le", QStringLiteral("--rate=%1").arg(Rate), "--channels=1",
                      "--raw", "--latency-msec=10"});
    }
    ~MonitorRecorder() {
        parec_.terminate();
        if (!parec_.waitForFinished(5000))
            parec_.kill();
        parec_.waitForFinished(5000);
    }

    bool running() const { return parec_.state() != QProcess::NotRunning; }
    // Whole samples recorded so far, as a position in bytes.
    qsizetype position() const { return pcm_.size() & ~qsizetype(1); }
    QByteArray since(qsizetype position) const { return pcm_.mid(position); }

private:
    QProcess parec_;
    QByteArray pcm_;
};

} // namespace

class TestSoundPlayerPulse : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void eachPlayIsHeard_data();
    void eachPlayIsHeard();
    void streamsAreBounded();
    void destroyedWhilePlaying();

private:
    void record(const QString& fileName, int plays, QList<Burst>* bursts);

    std::unique_ptr<PulseServer> server_;
    std::unique_ptr<MonitorRecorder> recorder_;
    std::unique_ptr<TempContent> content_;
    std::unique_ptr<QtSoundPlayer> player_;
};

void TestSoundPlayerPulse::initTestCase() {
    for (const char* tool : {"pulseaudio", "pactl", "parec"}) {
        if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty())
            QSKIP(qPrintable(QStringLiteral("%1 is not installed, so there is no sound server to "
                                            "listen to (Debian: pulseaudio, pulseaudio-utils)")
                                 .arg(QString::fromLatin1(tool))));
    }
    server_ = std::make_unique<PulseServer>();
    server_->start();
    QTRY_VERIFY_WITH_TIMEOUT(server_->answers() || !server_->running(), 20000);
    QVERIFY2(server_->running(), qPrintable("pulseaudio did not start: " + server_->errors()));

    // Before anything touches Qt Multimedia, whose sound server connection is made only once.
    qputenv("PULSE_SERVER", server_->address().toLocal8Bit());
    QCOMPARE(QMediaDevices::defaultAudioOutput().id(), QByteArray(Sink));

    recorder_ = std::make_unique<MonitorRecorder>(server_->address());
    QTRY_VERIFY_WITH_TIMEOUT(recorder_->position() > 0 || !recorder_->running(), 20000);
    QVERIFY2(recorder_->running(), "parec could not record the sink's monitor");

    content_ = std::make_unique<TempContent>();
    content_->write("wav/click.wav", TestWave::toneFile(ToneMs));
    content_->write("wav/first.wav", TestWave::toneFile(ToneMs));
    content_->write("wav/long.wav", TestWave::toneFile(1500));
    player_ = std::make_unique<QtSoundPlayer>();
}

void TestSoundPlayerPulse::cleanupTestCase() {
    player_.reset();
    recorder_.reset();
    content_.reset();
    server_.reset();
}

// Plays `fileName` `plays` times, a fixed spacing apart, and finds the bursts heard on the sink.
void TestSoundPlayerPulse::record(const QString& fileName, int plays, QList<Burst>* bursts) {
    const qsizetype start = recorder_->position();
    // Each play is timed from the one before, so a busy moment cannot bunch them together.
    int remaining = plays;
    std::function<void()> playNext = [&] {
        player_->PlaySound(fileName);
        if (--remaining > 0)
            QTimer::singleShot(SpacingMs, player_.get(), playNext);
    };
    playNext();
    QTRY_COMPARE_WITH_TIMEOUT(remaining, 0, plays * SpacingMs * 10);
    QTest::qWait(1200);
    QVERIFY2(recorder_->running(), "parec stopped recording");
    *bursts = findBursts(recorder_->since(start));
}

void TestSoundPlayerPulse::eachPlayIsHeard_data() {
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<int>("plays");

    QTest::newRow("first request, file not yet loaded") << "wav\\first.wav" << 1;
    QTest::newRow("one play") << "wav\\click.wav" << 1;
    QTest::newRow("two plays") << "wav\\click.wav" << 2;
    QTest::newRow("two plays again") << "wav\\click.wav" << 2;
    QTest::newRow("two plays a third time") << "wav\\click.wav" << 2;
    QTest::newRow("five plays") << "wav\\click.wav" << 5;
}

void TestSoundPlayerPulse::eachPlayIsHeard() {
    QFETCH(QString, fileName);
    QFETCH(int, plays);

    QList<Burst> bursts;
    record(fileName, plays, &bursts);
    if (QTest::currentTestFailed())
        return;
    QVERIFY2(bursts.size() == plays, describe(bursts).constData());
    // A stream closed too early loses the end of the sound it was given.
    for (const Burst& burst : bursts)
        QVERIFY2(burst.lengthMs >= ToneMs - 15, describe(bursts).constData());
    QTRY_COMPARE(player_->liveOutputs(), 0);
}

void TestSoundPlayerPulse::streamsAreBounded() {
    player_->PlaySound("wav\\long.wav");
    QTRY_COMPARE(player_->soundState("wav\\long.wav"), QtSoundPlayer::SoundState::Ready);
    for (int i = 0; i < 3 * QtSoundPlayer::MaxLiveOutputs; ++i) {
        player_->PlaySound("wav\\long.wav");
        QCoreApplication::processEvents();
        QVERIFY(player_->liveOutputs() <= QtSoundPlayer::MaxLiveOutputs);
    }
    // The sounds outlast the flood, so the newest ones are all still playing.
    QCOMPARE(player_->liveOutputs(), QtSoundPlayer::MaxLiveOutputs);
    QTRY_VERIFY(player_->findChildren<SoundStream*>().size() <= QtSoundPlayer::MaxLiveOutputs);

    QTRY_COMPARE_WITH_TIMEOUT(player_->liveOutputs(), 0, 10000);
    QTRY_VERIFY(player_->findChildren<SoundStream*>().isEmpty());
    // Every stream is closed on the server too, those given up early included.
    QTRY_COMPARE_WITH_TIMEOUT(server_->streams(), 0, 10000);
}

void TestSoundPlayerPulse::destroyedWhilePlaying() {
    auto doomed = std::make_unique<QtSoundPlayer>();
    doomed->PlaySound("wav\\long.wav");
    doomed->PlaySound("wav\\long.wav");
    QTRY_COMPARE(server_->streams(), 2);
    doomed.reset();
    // What was already handed to the server plays out, and the streams close.
    QTRY_COMPARE_WITH_TIMEOUT(server_->streams(), 0, 10000);

    // The sound server connection the player shares with the rest of the program still works.
    QList<Burst> bursts;
    record("wav\\click.wav", 1, &bursts);
    if (QTest::currentTestFailed())
        return;
    QVERIFY2(bursts.size() == 1, describe(bursts).constData());
}

QTEST_GUILESS_MAIN(TestSoundPlayerPulse)
#include "tst_soundplayer_pulse.moc"
