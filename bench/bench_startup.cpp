// Start-up time: from process start to the first paint of the main menu, against a bare Qt
// window with the same number of labels and one picture. Both run as child processes of this
// driver, alternately, so they meet the same machine; each child prints the monotonic clock
// at its first paint and exits.
#include "screens/Startup.h"

#include <QApplication>
#include <QFileInfo>
#include <QLabel>
#include <QPixmap>
#include <QProcess>
#include <QRadioButton>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

namespace {

long long monotonicNs() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec * 1000000000LL + now.tv_nsec;
}

// Reports the first paint of the window called `name`, then ends the child.
class FirstPaint : public QObject {
public:
    explicit FirstPaint(QString name) : name_(std::move(name)) {}
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!done_ && event->type() == QEvent::Paint && watched->objectName() == name_) {
            done_ = true;
            // After this paint has finished.
            QTimer::singleShot(0, [] {
                timespec cpu{};
                clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &cpu);
                std::printf("%lld %lld\n", monotonicNs(), cpu.tv_sec * 1000000000LL + cpu.tv_nsec);
                std::fflush(stdout);
                std::_Exit(0);
            });
        }
        return false;
    }

private:
    QString name_;
    bool done_ = false;
};

int runBare(int argc, char** argv) {
    QApplication app(argc, argv);
    FirstPaint watch(QStringLiteral("bare"));
    app.installEventFilter(&watch);
    QWidget window;
    window.setObjectName(QStringLiteral("bare"));
    window.setFixedSize(800, 600);
    for (int i = 0; i < 19; ++i) {
        auto* label = new QLabel(QStringLiteral("Entry %1").arg(i), &window);
        label->setGeometry(8 + (i % 3) * 230, 80 + (i / 3) * 48, 205, 25);
        label->setStyleSheet(QStringLiteral("background: black; color: yellow;"));
    }
    new QRadioButton(QStringLiteral("Sound On"), &window);
    new QRadioButton(QStringLiteral("Sound Off"), &window);
    auto* picture = new QLabel(&window);
    picture->setPixmap(QPixmap(QStringLiteral("images/globesm.jpg")));
    picture->setGeometry(482, 104, 270, 230);
    window.show();
    return QApplication::exec();
}

int runProgram(int argc, char** argv) {
    QApplication app(argc, argv);
    FirstPaint watch(QStringLiteral("intro0"));
    app.installEventFilter(&watch);
    startProgram();
    return QApplication::exec();
}

// Wall-clock and processor milliseconds from starting the child to its first paint. The
// processor time is what the start costs, whatever else the machine is doing meanwhile.
struct Start {
    double wallMs = -1;
    double cpuMs = -1;
};

Start runChild(const QString& self, const QString& mode) {
    QProcess child;
    child.setWorkingDirectory(QStringLiteral(ORVELLES_SOURCE_DIR "/content"));
    const long long start = monotonicNs();
    child.start(self, {mode});
    if (!child.waitForFinished(30000))
        return {};
    const QStringList out =
        QString::fromLatin1(child.readAllStandardOutput()).simplified().split(QLatin1Char(' '));
    if (out.size() != 2)
        return {};
    const long long painted = out[0].toLongLong();
    return {painted > start ? double(painted - start) / 1e6 : -1, out[1].toDouble() / 1e6};
}

struct Figures {
    double median, min, max;
};

Figures figures(std::vector<double> ms) {
    std::sort(ms.begin(), ms.end());
    return {ms[ms.size() / 2], ms.front(), ms.back()};
}

} // namespace

int main(int argc, char** argv) {
    // Headless unless told otherwise; the children inherit the choice.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const QString mode = argc > 1 ? QString::fromLatin1(argv[1]) : QString();
    if (mode == QLatin1String("--bare"))
        return runBare(argc, argv);
    if (mode == QLatin1String("--program"))
        return runProgram(argc, argv);

    const QString self = QFileInfo(QString::fromLocal8Bit(argv[0])).absoluteFilePath();
    const int runs = argc > 1 ? std::max(3, mode.toInt()) : 21;
    std::vector<double> program, programCpu, bare, bareCpu;
    runChild(self, QStringLiteral("--program")); // warm the file cache
    runChild(self, QStringLiteral("--bare"));
    for (int i = 0; i < runs; ++i) {
        const Start p = runChild(self, QStringLiteral("--program"));
        const Start b = runChild(self, QStringLiteral("--bare"));
        program.push_back(p.wallMs);
        programCpu.push_back(p.cpuMs);
        bare.push_back(b.wallMs);
        bareCpu.push_back(b.cpuMs);
    }
    std::printf("start-up to first paint, %d runs each (ms)\n", runs);
    const auto report = [](const char* what, const std::vector<double>& mine,
                           const std::vector<double>& floor) {
        const Figures p = figures(mine);
        const Figures b = figures(floor);
        std::printf("%s\n", what);
        std::printf("  main menu   median %7.2f  min %7.2f  max %7.2f\n", p.median, p.min, p.max);
        std::printf("  bare window median %7.2f  min %7.2f  max %7.2f\n", b.median, b.min, b.max);
        std::printf("  ratio of medians %.2f (goal at most 1.3)\n", p.median / b.median);
    };
    report("wall clock", program, bare);
    report("processor time of the process", programCpu, bareCpu);
    return 0;
}
