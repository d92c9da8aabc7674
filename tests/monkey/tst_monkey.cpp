// Thousands of random clicks, moves, drags and keys on whatever screens are showing, with the
// whole content folder, with none, and with damaged files. The program must not crash, hang
// or be left with no window; the title screen's Exit starts it again.
// ORVELLES_MONKEY_SEED and ORVELLES_MONKEY_EVENTS (per content folder) change the run.
#include "app/Dispatch.h"
#include "app/Module1.h"
#include "app/Screen.h"
#include "app/Screens.h"
#include "app/Services.h"
#include "platform/Fonts.h"
#include "screens/navigation/intro0.h"
#include "support/AppFixture.h"
#include "support/DamagedContent.h"
#include "support/Monkey.h"
#include "support/RecordingPrinter.h"

#include <QApplication>
#include <QSet>
#include <QTest>
#include <atomic>
#include <mutex>
#include <thread>

namespace {

std::atomic<int> progress{0};
std::atomic<bool> running{false};
QSet<QString> warnings;
std::mutex warningsLock;

void collect(QtMsgType type, const QMessageLogContext&, const QString& text) {
    if (type == QtFatalMsg)
        abort();
    const std::lock_guard hold(warningsLock);
    if (warnings.size() < 200)
        warnings.insert(text);
}

// A run that stops making progress is reported with what it was doing, instead of waiting
// for the test's time limit to kill it silently.
void watch() {
    int seen = -1;
    int still = 0;
    while (running) {
        std::this_thread::sleep_for(std::chrono::seconds(1));
        const int now = progress;
        still = now == seen ? still + 1 : 0;
        seen = now;
        if (still >= 120) {
            fprintf(stderr, "monkey: no progress for 120 s at event %d\n", now);
            abort();
        }
    }
}

quint64 seedFromEnvironment() {
    bool ok = false;
    const quint64 seed = qEnvironmentVariable("ORVELLES_MONKEY_SEED").toULongLong(&ok);
    return ok ? seed : quint64(QDateTime::currentMSecsSinceEpoch());
}

int eventsFromEnvironment() {
    bool ok = false;
    const int events = qEnvironmentVariableIntValue("ORVELLES_MONKEY_EVENTS", &ok);
    return ok && events > 0 ? events : 2000;
}

// A screen of the program's own on show, not a tooltip or a window on its way out.
bool anyWindowShowing() {
    for (QWidget* w : QApplication::topLevelWidgets()) {
        const auto* screen = dynamic_cast<const Screen*>(w);
        if (screen && screen->isVisible() && !screen->isUnloaded())
            return true;
    }
    return false;
}

} // namespace

class TestMonkey : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void randomUse_data();
    void randomUse();
};

void TestMonkey::initTestCase() {
    Fonts::registerDesignFaces();
}

void TestMonkey::randomUse_data() {
    QTest::addColumn<QString>("content");
    for (const char* content : {"full", "empty", "damaged"})
        QTest::newRow(content) << content;
}

void TestMonkey::randomUse() {
    QFETCH(QString, content);
    static const quint64 seed = seedFromEnvironment();
    const int events = eventsFromEnvironment();
    qInfo("monkey: seed %llu, %d events, %s content folder", seed, events, qPrintable(content));
    AppFixture app;
    Monkey monkey(seed);
    if (content != "empty")
        app.content.copyProjectContent();
    if (content == "damaged")
        damageContent(app.content, seed);
    // One print in three fails somewhere in its course, as a printer that jams or goes away.
    Services::setPrinterFactory([&monkey] {
        auto printer = std::make_unique<RecordingPrinter>();
        if (monkey.below(3) == 0)
            printer->failAt = 1 + monkey.below(60);
        return printer;
    });
    Services::setRandom([&monkey](int n) { return monkey.below(n); });
    app.messages->onShow = [&] {
        app.messages->answers << (monkey.below(2) ? MessageBox::Answer::Ok
                                                  : MessageBox::Answer::Cancel);
    };
    int ends = 0;
    Screens::setEndAction([&ends] {
        ++ends;
        Screens::unloadAll();
    });
    const int failuresBefore = Dispatch::caughtFailures();
    Screens::open<intro0>();

    warnings.clear();
    const QtMessageHandler previous = qInstallMessageHandler(collect);
    running = true;
    std::thread watchdog(watch);
    int restarts = 0;
    for (int i = 0; i < events; ++i) {
        progress = i;
        monkey.act();
        AppFixture::settle();
        if (i % 64 == 63)
            QTest::qWait(monkey.below(40));
        if (anyWindowShowing())
            continue;
        if (ends == restarts) {
            running = false;
            watchdog.join();
            qInstallMessageHandler(previous);
            QFAIL(qPrintable(QStringLiteral("no window left after event %1: %2 (seed %3)")
                                 .arg(i)
                                 .arg(monkey.lastAction())
                                 .arg(seed)));
        }
        // The program was ended from the title screen: start it as anew.
        restarts = ends;
        AppFixture::settle();
        Module1::reset();
        Screens::open<intro0>();
    }
    running = false;
    watchdog.join();
    qInstallMessageHandler(previous);
    qInfo("monkey: %d events, %d restarts, %lld messages shown, %d handler failures caught, "
          "%lld distinct warnings",
          events, restarts, qlonglong(app.messages->texts.size()),
          Dispatch::caughtFailures() - failuresBefore, qlonglong(warnings.size()));
    QStringList visited = monkey.windowsVisited().values();
    visited.sort();
    qInfo("  windows: %s", qPrintable(visited.join(QLatin1Char(' '))));
    QStringList shown = app.messages->texts;
    shown.removeDuplicates();
    for (const QString& text : shown)
        qInfo("  shown: %s", qPrintable(text));
    for (const QString& text : std::as_const(warnings))
        qInfo("  warning: %s", qPrintable(text.left(200)));
    // The guard names each failed handler among the warnings above.
    const int failures = Dispatch::caughtFailures() - failuresBefore;
    QVERIFY2(
        failures == 0,
        qPrintable(QStringLiteral("%1 handler failures caught (seed %2)").arg(failures).arg(seed)));
}

QTEST_MAIN(TestMonkey)
#include "tst_monkey.moc"
