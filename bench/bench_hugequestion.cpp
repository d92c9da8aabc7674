// A question file whose first question is one line of several megabytes, as a damaged or hostile
// file may hold: milliseconds from the click that opens the quiz to its first paint, then of one
// more full repaint, and the peak resident memory. Runs headless in a scratch copy of the content.
//
//   bench_hugequestion [megabytes]          default 10
#include "app/Screens.h"
#include "app/Services.h"
#include "platform/SoundPlayer.h"
#include "platform/controls/Label.h"
#include "screens/Startup.h"
#include "screens/activities/multiple.h"
#include "screens/navigation/TopicMenu.h"
#include "screens/navigation/intro0.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>

namespace {

class SilentSound : public SoundPlayer {
public:
    void PlaySound(const QString&) override {}
};

long peakKb() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    return 0;
}

// Notes the first paint of the quiz's question; the processEvents call that delivered it has
// finished the paint when it returns.
class QuestionPaint : public QObject {
public:
    bool seen = false;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            if (multiple* quiz = Screens::find<multiple>(); quiz && watched == quiz->Label2)
                seen = true;
        return false;
    }
};

void drain() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

// Question 1 of the Rich and Poor quiz becomes one line of words `megabytes` long.
void prepareContent(const QString& folder, int megabytes) {
    QProcess::execute(
        QStringLiteral("cp"),
        {QStringLiteral("-r"), QStringLiteral(ORVELLES_SOURCE_DIR "/content/."), folder});
    QDir::setCurrent(folder);
    QFile file(QStringLiteral("multiple/Rich and Poor.txt"));
    if (!file.open(QIODevice::ReadOnly))
        return;
    QList<QByteArray> lines = file.readAll().split('\n');
    file.close();
    const QByteArray words = "Who paid for the new church tower in the year ";
    QByteArray question;
    while (question.size() < qsizetype(megabytes) * 1024 * 1024)
        question += words;
    lines[2] = question + '\r';
    if (file.open(QIODevice::WriteOnly))
        file.write(lines.join('\n'));
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const int megabytes = argc > 1 ? qMax(1, atoi(argv[1])) : 10;
    QTemporaryDir scratch;
    QApplication app(argc, argv);
    prepareContent(scratch.path(), megabytes);
    startProgram();
    Services::setSound(std::make_unique<SilentSound>());
    drain();
    QTest::mouseClick(&Screens::find<intro0>()->Label2(7), Qt::LeftButton);
    drain();
    const long before = peakKb();

    QuestionPaint paints;
    app.installEventFilter(&paints);
    QElapsedTimer timer;
    timer.start();
    QTest::mouseClick(&Screens::find<TopicMenu>(QStringLiteral("rich"))->Label3(0), Qt::LeftButton);
    while (!paints.seen && timer.elapsed() < 600000)
        QCoreApplication::processEvents();
    const qint64 shown = timer.restart();
    multiple* quiz = Screens::find<multiple>();
    if (!paints.seen || !quiz) {
        std::fprintf(stderr, "the quiz did not open\n");
        return 1;
    }
    quiz->Label2->grab();
    const qint64 repainted = timer.elapsed();
    std::printf("question of %d MB\n", megabytes);
    std::printf("click to question painted: %lld ms; painting it again: %lld ms\n",
                qlonglong(shown), qlonglong(repainted));
    std::printf("peak resident memory: %ld kB before the click, %ld kB after\n", before, peakKb());
    stopProgram();
    return 0;
}
