// Every screen from the click that opens it to its first paint, against a bare window with the
// same number of widgets made, shown and painted from nothing; then resident memory after
// visiting every screen and after many open-and-close cycles of each, against a bare window.
//
//   bench_screens [runs] [cycles]          the timings and the memory figures
//   bench_screens --scale F [runs] [cycles]  the same with the layout F times its size, as on a
//                                          whiteboard in full screen, against bare windows
//                                          F times as large with fonts and pictures to match
//   bench_screens --bare-memory N          (child) peak resident memory of a bare window of N
//                                          widgets with the main menu's picture
//   bench_screens --program-memory         (child) peak resident memory of the program
//                                          visiting every screen once, with no bare window
//                                          of the timing runs in the same process
//
// Runs headless on the offscreen platform, in a scratch copy of the content folder with 30
// saved worksheets, with a silent sound player so that no audio device is involved.
#include "app/FullScreen.h"
#include "app/Screens.h"
#include "app/Services.h"
#include "formats/Catalogue.h"
#include "platform/SoundPlayer.h"
#include "platform/controls/ImageBox.h"
#include "platform/controls/Label.h"
#include "platform/wmf/WmfPicture.h"
#include "screens/Startup.h"
#include "screens/activities/Welldone.h"
#include "screens/activities/board/DragBoard.h"
#include "screens/activities/multiple.h"
#include "screens/authoring/wizard.h"
#include "screens/authoring/worksheets.h"
#include "screens/navigation/Titlefrm.h"
#include "screens/navigation/TopicMenu.h"
#include "screens/navigation/intro0.h"
#include "screens/reading/guide.h"
#include "screens/reading/teacher.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPicture>
#include <QPixmap>
#include <QPixmapCache>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <functional>
#include <malloc.h>
#include <map>
#include <optional>
#include <vector>

namespace {

// The layout factor of this run; the bare windows are made at the same scale.
double benchScale = 1.0;

QSize scaled(const QSize& size) {
    return QSize(qRound(size.width() * benchScale), qRound(size.height() * benchScale));
}

// The display a layout at this scale fills: a 16:9 whiteboard as tall as the layout, 1920 by 1080
// at 1.8 and 3840 by 2160 at 3.6, so the backdrop beside the screens is counted too.
QRect whiteboard() {
    const int height = scaled(QSize(800, 600)).height();
    return QRect(0, 0, height * 16 / 9, height);
}

struct Stats {
    double median = 0;
    double min = 0;
    double max = 0;
};

Stats summarise(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return {v[v.size() / 2], v.front(), v.back()};
}

class SilentSound : public SoundPlayer {
public:
    void PlaySound(const QString&) override {}
};

// Kilobytes of resident memory now and at the peak, from the kernel's own account.
struct Memory {
    long rssKb = 0;
    long peakKb = 0;
};

Memory memoryNow() {
    // Free memory the allocator still holds is given back first, so that what remains is
    // memory in use.
    malloc_trim(0);
    QFile status(QStringLiteral("/proc/self/status"));
    Memory m;
    if (!status.open(QIODevice::ReadOnly))
        return m;
    for (const QByteArray& line : status.readAll().split('\n')) {
        const QList<QByteArray> parts = line.simplified().split(' ');
        if (parts.size() < 2)
            continue;
        if (parts[0] == "VmRSS:")
            m.rssKb = parts[1].toLong();
        else if (parts[0] == "VmHWM:")
            m.peakKb = parts[1].toLong();
    }
    return m;
}

// Watches for the first paint of a window that `matches`; the paint has finished when the
// event dispatch that delivered it returns.
class PaintWatch : public QObject {
public:
    std::function<bool(QWidget*)> matches;
    bool painted = false;

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!painted && event->type() == QEvent::Paint && watched->isWidgetType()) {
            auto* widget = static_cast<QWidget*>(watched);
            if (widget->isWindow() && matches && matches(widget))
                painted = true;
        }
        return false;
    }
};

PaintWatch* watch = nullptr;

// With ORVELLES_BENCH_PROFILE set, the processor time each kind of widget spends painting,
// to find which part of a screen costs what.
class ProfilingApplication : public QApplication {
public:
    using QApplication::QApplication;
    std::map<QByteArray, double> paintMs;
    bool profiling = qEnvironmentVariableIsSet("ORVELLES_BENCH_PROFILE");

    bool notify(QObject* receiver, QEvent* event) override {
        if (!profiling || event->type() != QEvent::Paint)
            return QApplication::notify(receiver, event);
        timespec start{};
        timespec end{};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &start);
        const bool done = QApplication::notify(receiver, event);
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &end);
        paintMs[receiver->metaObject()->className()] +=
            double(end.tv_sec - start.tv_sec) * 1e3 + double(end.tv_nsec - start.tv_nsec) / 1e6;
        return done;
    }
    void report(const char* name) {
        if (!profiling)
            return;
        for (const auto& [kind, ms] : paintMs)
            std::fprintf(stderr, "  %s: %s %.2f ms\n", name, kind.constData(), ms);
        paintMs.clear();
    }
};

void drain() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

// Lets every pending repaint and timer of the screens before run, so that the next timing
// holds only its own work.
void settle() {
    drain();
    QTest::qWait(40);
}

void click(QWidget& control) {
    QTest::mouseClick(&control, Qt::LeftButton);
}

// Milliseconds of this thread's processor time: what the work costs, without the time other
// programs on a busy machine took from it.
double threadMs() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

// Milliseconds from `go` to the first paint of a window that `matches`.
double timeToPaint(const std::function<void()>& go, std::function<bool(QWidget*)> matches) {
    watch->painted = false;
    watch->matches = std::move(matches);
    QElapsedTimer timer;
    timer.start();
    const double start = threadMs();
    go();
    while (!watch->painted) {
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        if (timer.elapsed() > 5000) {
            std::fprintf(stderr, "no paint within five seconds\n");
            break;
        }
    }
    const double ms = threadMs() - start;
    watch->matches = nullptr;
    return ms;
}

template <class T> std::function<bool(QWidget*)> isA() {
    return [](QWidget* w) { return dynamic_cast<T*>(w) != nullptr; };
}

std::function<bool(QWidget*)> isNamed(const QString& name) {
    return [name](QWidget* w) { return w->objectName() == name; };
}

struct Case {
    const char* name;
    std::function<void()> setup; // untimed: reach the screen the click starts from
    std::function<void()> go;    // timed: the click that opens the screen
    std::function<bool(QWidget*)> target;
    std::function<QWidget*()> find;
    std::function<void()> back; // untimed: close it again
    QString picture = {};       // the picture file the screen decodes as it loads, if any
    QString page = {};          // the metafile page it shows, if any
};

intro0& menu() {
    return *Screens::find<intro0>();
}
TopicMenu& richMenu() {
    return *Screens::find<TopicMenu>(QStringLiteral("rich"));
}
TopicMenu& orvellesMenu() {
    return *Screens::find<TopicMenu>(QStringLiteral("orvelles"));
}

void answerQuestions(int count) {
    multiple& quiz = *Screens::find<multiple>();
    for (int q = 0; q < count; ++q) {
        click(quiz.Option1(2));
        click(quiz.Label3(1));
    }
}

std::vector<Case> cases() {
    const auto none = [] {};
    const auto openRich = [] {
        if (!Screens::find<TopicMenu>(QStringLiteral("rich")))
            click(menu().Label2(7));
    };
    const auto openOrvelles = [] {
        if (!Screens::find<TopicMenu>(QStringLiteral("orvelles")))
            click(menu().Label2(15));
    };
    const auto fromTopicTo = [](std::function<void()> topic, auto menuOf, int entry) {
        return [topic, menuOf, entry] {
            topic();
            click(menuOf().Label3(entry));
        };
    };
    std::vector<Case> all;
    all.push_back({"topic menu (The Orvelles)", none, [] { click(menu().Label2(15)); },
                   isNamed(QStringLiteral("orvelles")),
                   [] { return (QWidget*)Screens::find<TopicMenu>(QStringLiteral("orvelles")); },
                   [] { click(orvellesMenu().Label3(2)); }, QStringLiteral("images/orvelles.jpg")});
    all.push_back({"topic menu (Rich and Poor)", none, [] { click(menu().Label2(7)); },
                   isNamed(QStringLiteral("rich")),
                   [] { return (QWidget*)Screens::find<TopicMenu>(QStringLiteral("rich")); },
                   [] { click(richMenu().Label3(2)); }, QStringLiteral("images/richpoor.jpg")});
    all.push_back({"quiz", openRich, [] { click(richMenu().Label3(0)); }, isA<multiple>(),
                   [] { return (QWidget*)Screens::find<multiple>(); },
                   [] { click(Screens::find<multiple>()->Label3(2)); },
                   QStringLiteral("images/richandpoorsm.jpg")});
    all.push_back({"results (after ten answers)",
                   [openRich] {
                       openRich();
                       click(richMenu().Label3(0));
                       answerQuestions(9);
                   },
                   [] { answerQuestions(1); }, isA<Welldone>(),
                   [] { return (QWidget*)Screens::find<Welldone>(); },
                   [] { click(Screens::find<Welldone>()->Label3(1)); },
                   QStringLiteral("images/globesm.jpg")});
    all.push_back(
        {"labelling board (orvelleslab)", openOrvelles, fromTopicTo(none, orvellesMenu, 1),
         isNamed(QStringLiteral("orvelleslab")),
         [] { return (QWidget*)Screens::find<DragBoard>(QStringLiteral("orvelleslab")); },
         [] { click(Screens::find<DragBoard>(QStringLiteral("orvelleslab"))->Label3(0)); },
         QStringLiteral("images/familymd.jpg")});
    all.push_back({"labelling board (richlab)", openRich, fromTopicTo(none, richMenu, 1),
                   isNamed(QStringLiteral("richlab")),
                   [] { return (QWidget*)Screens::find<DragBoard>(QStringLiteral("richlab")); },
                   [] { click(Screens::find<DragBoard>(QStringLiteral("richlab"))->Label3(0)); },
                   QStringLiteral("images/richpoor.jpg")});
    all.push_back(
        {"ordering board (orvellesord)", openOrvelles, fromTopicTo(none, orvellesMenu, 3),
         isNamed(QStringLiteral("orvellesord")),
         [] { return (QWidget*)Screens::find<DragBoard>(QStringLiteral("orvellesord")); },
         [] { click(Screens::find<DragBoard>(QStringLiteral("orvellesord"))->Label3(0)); }});
    all.push_back({"ordering board (richord)", openRich, fromTopicTo(none, richMenu, 3),
                   isNamed(QStringLiteral("richord")),
                   [] { return (QWidget*)Screens::find<DragBoard>(QStringLiteral("richord")); },
                   [] { click(Screens::find<DragBoard>(QStringLiteral("richord"))->Label3(0)); }});
    all.push_back({"page viewer (key facts)",
                   openRich,
                   fromTopicTo(none, richMenu, 4),
                   isA<teacher>(),
                   [] { return (QWidget*)Screens::find<teacher>(); },
                   [] { click(Screens::find<teacher>()->Label3(1)); },
                   {},
                   QStringLiteral("wmf/key richa.wmf")});
    all.push_back({"page viewer (acknowledgements)",
                   none,
                   [] { click(menu().Label2(19)); },
                   isA<teacher>(),
                   [] { return (QWidget*)Screens::find<teacher>(); },
                   [] { click(Screens::find<teacher>()->Label3(1)); },
                   {},
                   QStringLiteral("wmf/acknowledgments.wmf")});
    all.push_back({"teachers' guide",
                   none,
                   [] { click(menu().Label2(20)); },
                   isA<guide>(),
                   [] { return (QWidget*)Screens::find<guide>(); },
                   [] { click(Screens::find<guide>()->Label3(1)); },
                   {},
                   QStringLiteral("wmf/guide1.wmf")});
    all.push_back({"wizard", none, [] { click(menu().Label2(17)); }, isA<wizard>(),
                   [] { return (QWidget*)Screens::find<wizard>(); },
                   [] { click(Screens::find<wizard>()->Label3(0)); }});
    all.push_back({"worksheet catalogue (30 names)", none, [] { click(menu().Label2(18)); },
                   isA<worksheets>(), [] { return (QWidget*)Screens::find<worksheets>(); },
                   [] { click(Screens::find<worksheets>()->Label2(0)); }});
    all.push_back({"title screen", none, [] { click(menu().Label2(16)); }, isA<Titlefrm>(),
                   [] { return (QWidget*)Screens::find<Titlefrm>(); },
                   [] { click(*Screens::find<Titlefrm>()->Command1); },
                   QStringLiteral("images/globesm.jpg")});
    return all;
}

// Back to the main menu alone, as at start.
void home() {
    for (int i = 0; i < 3 && Screens::liveCount() > 1; ++i) {
        if (TopicMenu* r = Screens::find<TopicMenu>(QStringLiteral("rich")))
            click(r->Label3(2));
        if (TopicMenu* o = Screens::find<TopicMenu>(QStringLiteral("orvelles")))
            click(o->Label3(2));
        drain();
    }
}

// What a bare window needs to stand in for a screen: each of its widgets as the nearest plain
// Qt widget, at the same place, with the same text.
struct Blueprint {
    enum Kind { Plain, Text, Edit, Check, Radio, Push };
    struct Part {
        Kind kind;
        QRect place;
        QString text;
        std::optional<QFont> font = {};
    };
    std::vector<Part> parts;
    // A metafile page is stood in for by the same drawing recorded as plain painter calls.
    QPicture page;
    QRect pagePlace;
};

Blueprint blueprintOf(QWidget& screen, const QString& page) {
    Blueprint print;
    if (!page.isEmpty()) {
        const WmfPicture metafile = WmfPicture::load(page);
        QPainter recorder(&print.page);
        metafile.paint(&recorder, QRectF(QPointF(0, 0), QSizeF(scaled(metafile.sizePixels()))));
    }
    for (QWidget* w : screen.findChildren<QWidget*>()) {
        if (!w->isVisibleTo(&screen))
            continue;
        Blueprint::Part part{
            Blueprint::Plain, QRect(w->mapTo(&screen, QPoint(0, 0)), w->size()), {}};
        if (qobject_cast<ImageBox*>(w) && !print.page.isNull()) {
            print.pagePlace = part.place;
            continue;
        }
        if (auto* edit = qobject_cast<QLineEdit*>(w))
            part = {Blueprint::Edit, part.place, edit->text()};
        else if (auto* check = qobject_cast<QCheckBox*>(w))
            part = {Blueprint::Check, part.place, check->text()};
        else if (auto* radio = qobject_cast<QRadioButton*>(w))
            part = {Blueprint::Radio, part.place, radio->text()};
        else if (auto* push = qobject_cast<QPushButton*>(w))
            part = {Blueprint::Push, part.place, push->text()};
        else if (const QVariant caption = w->property("Caption"); caption.isValid())
            part = {Blueprint::Text, part.place, caption.toString()};
        else if (auto* label = dynamic_cast<Label*>(w))
            part = {Blueprint::Text, part.place, label->Caption()};
        // The same face at the same size: a caption of 14 points costs more than one of 8.
        part.font = w->font();
        print.parts.push_back(part);
        if (qEnvironmentVariableIsSet("ORVELLES_BENCH_DUMP"))
            std::fprintf(stderr, "%s %d %d,%d %dx%d %s\n", w->metaObject()->className(), part.kind,
                         part.place.x(), part.place.y(), part.place.width(), part.place.height(),
                         qPrintable(part.text.left(30)));
    }
    return print;
}

QWidget* makePart(const Blueprint::Part& part, QWidget* window) {
    switch (part.kind) {
    case Blueprint::Edit:
        return new QLineEdit(part.text, window);
    case Blueprint::Check:
        return new QCheckBox(part.text, window);
    case Blueprint::Radio:
        return new QRadioButton(part.text, window);
    case Blueprint::Push:
        return new QPushButton(part.text, window);
    case Blueprint::Text:
        return new QLabel(part.text, window);
    case Blueprint::Plain:
        break;
    }
    return new QWidget(window);
}

// A bare window built from `print`, shown and painted from nothing, with the picture
// `pictureFile` decoded when one is named (Qt keeps decoded pixmaps by file name).
double bareWindow(const Blueprint& print, const QString& pictureFile) {
    std::unique_ptr<QWidget> window;
    const double ms = timeToPaint(
        [&] {
            window = std::make_unique<QWidget>();
            window->setFixedSize(scaled(QSize(800, 600)));
            if (benchScale != 1.0) {
                QFont font = window->font();
                font.setPointSizeF(font.pointSizeF() * benchScale);
                window->setFont(font);
            }
            auto* image = new QLabel(window.get());
            if (!pictureFile.isEmpty())
                image->setPixmap(QPixmap(pictureFile));
            image->setScaledContents(benchScale != 1.0);
            image->setGeometry(QRect(QPoint(0, 0), scaled(QSize(800, 600))));
            for (const Blueprint::Part& part : print.parts) {
                QWidget* made = makePart(part, window.get());
                made->setGeometry(part.place);
                if (part.font)
                    made->setFont(*part.font);
            }
            if (!print.page.isNull()) {
                auto* page = new QLabel(window.get());
                page->setPicture(print.page);
                page->setGeometry(print.pagePlace);
            }
            window->show();
        },
        [&](QWidget* w) { return w == window.get(); });
    window.reset();
    drain();
    return ms;
}

void cycle(const Case& c) {
    c.setup();
    c.go();
    drain();
    c.back();
    drain();
    home();
}

int runBareMemory(int argc, char** argv, int widgets) {
    Blueprint print;
    for (int i = 1; i < widgets; ++i)
        print.parts.push_back({Blueprint::Text,
                               QRect(8 + (i % 4) * 190, 20 + (i / 4) * 24 % 560, 180, 22),
                               QStringLiteral("Entry %1").arg(i)});
    QApplication app(argc, argv);
    PaintWatch paints;
    watch = &paints;
    app.installEventFilter(&paints);
    for (int i = 0; i < 5; ++i)
        bareWindow(print, QStringLiteral("images/orvelles.jpg"));
    std::printf("%ld\n", memoryNow().peakKb);
    return 0;
}

void prepareContent(const QString& folder);

int runProgramMemory(int argc, char** argv) {
    QTemporaryDir scratch;
    QApplication app(argc, argv);
    prepareContent(scratch.path());
    if (benchScale != 1.0)
        FullScreen::enter(whiteboard());
    startProgram();
    Services::setSound(std::make_unique<SilentSound>());
    drain();
    for (const Case& c : cases()) {
        cycle(c);
        if (qEnvironmentVariableIsSet("ORVELLES_BENCH_DUMP"))
            std::fprintf(stderr, "%s: %ld kB, peak %ld kB\n", c.name, memoryNow().rssKb,
                         memoryNow().peakKb);
    }
    std::printf("%ld\n", memoryNow().peakKb);
    Screens::setEndAction([] {});
    stopProgram();
    return 0;
}

void prepareContent(const QString& folder) {
    QDir source(QStringLiteral(ORVELLES_SOURCE_DIR "/content"));
    QProcess::execute(QStringLiteral("cp"), {QStringLiteral("-r"), source.path() + "/.", folder});
    QDir::setCurrent(folder);
    CatalogueState state;
    QFile::remove(QStringLiteral("multiple/track.txt"));
    QFile track(QStringLiteral("multiple/track.txt"));
    if (track.open(QIODevice::WriteOnly))
        track.write(" 0 \r\n");
    track.close();
    for (int i = 1; i <= 30; ++i) {
        const QString title = QStringLiteral("Class sheet %1").arg(i, 2, 10, QLatin1Char('0'));
        QFile::copy(QStringLiteral("multiple/Introduction.txt"),
                    QStringLiteral("multiple/") + title + QStringLiteral(".txt"));
        ReadCatalogue(QStringLiteral("multiple/track.txt"), state);
        trackworksheets(QStringLiteral("multiple/track.txt"), title, state);
    }
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsSet("ORVELLES_BENCH_SCALE"))
        benchScale = qMax(0.5, qEnvironmentVariable("ORVELLES_BENCH_SCALE").toDouble());
    if (argc > 2 && qstrcmp(argv[1], "--scale") == 0) {
        benchScale = qMax(0.5, atof(argv[2]));
        // The bare window's child process is made at the same scale.
        qputenv("ORVELLES_BENCH_SCALE", QByteArray::number(benchScale));
        argv[2] = argv[0];
        argv += 2;
        argc -= 2;
    }
    if (argc > 2 && qstrcmp(argv[1], "--bare-memory") == 0) {
        QDir::setCurrent(QStringLiteral(ORVELLES_SOURCE_DIR "/content"));
        return runBareMemory(argc, argv, atoi(argv[2]));
    }
    if (argc > 1 && qstrcmp(argv[1], "--program-memory") == 0)
        return runProgramMemory(argc, argv);
    const int runs = argc > 1 ? qMax(3, atoi(argv[1])) : 30;
    const int cycles = argc > 2 ? qMax(0, atoi(argv[2])) : 500;

    QTemporaryDir scratch;
    ProfilingApplication app(argc, argv);
    prepareContent(scratch.path());
    PaintWatch paints;
    watch = &paints;
    app.installEventFilter(&paints);
    if (benchScale != 1.0)
        FullScreen::enter(whiteboard());
    startProgram();
    Services::setSound(std::make_unique<SilentSound>());
    drain();

    std::printf(
        "%d runs each, milliseconds (processor time of the interface thread) from the click to "
        "the first paint, layout at %.2fx\n",
        runs, benchScale);
    std::printf("%-32s %7s | %7s %7s %7s | %7s %7s | %5s\n", "screen", "widgets", "median", "min",
                "max", "bare", "ratio", "frame");
    // ORVELLES_BENCH_ONLY=text times only the screens whose names hold that text.
    const QString only = qEnvironmentVariable("ORVELLES_BENCH_ONLY");
    std::vector<Case> all = cases();
    std::erase_if(all, [&](const Case& c) { return !QString::fromLatin1(c.name).contains(only); });
    int mostWidgets = 0;
    for (const Case& c : all) {
        std::vector<double> times;
        std::vector<double> bare;
        int widgets = 0;
        Blueprint print;
        for (int r = 0; r < runs + 1; ++r) {
            c.setup();
            settle();
            const double ms = timeToPaint(c.go, c.target);
            if (QWidget* screen = c.find()) {
                widgets = int(screen->findChildren<QWidget*>().size()) + 1;
                print = blueprintOf(*screen, c.page);
            }
            drain();
            c.back();
            drain();
            home();
            settle();
            const double floor = bareWindow(print, c.picture);
            if (r == 0)
                continue; // the first opening loads fonts and pictures for the first time
            times.push_back(ms);
            bare.push_back(floor);
        }
        app.report(c.name);
        mostWidgets = std::max(mostWidgets, widgets);
        const Stats t = summarise(times);
        const Stats b = summarise(bare);
        std::printf("%-32s %7d | %7.2f %7.2f %7.2f | %7.2f %7.2f | %5s\n", c.name, widgets,
                    t.median, t.min, t.max, b.median, t.median / b.median,
                    t.median <= 1000.0 / 60 ? "yes" : "NO");
        std::fflush(stdout);
    }

    const Memory visited = memoryNow();
    std::printf("\nresident memory after visiting every screen: %ld kB (peak %ld kB)\n",
                visited.rssKb, visited.peakKb);
    if (cycles > 0) {
        std::printf("%-32s %10s %10s %10s %8s %8s\n", "after open-and-close cycles of", "before kB",
                    "after kB", "growth kB", "widgets", "after");
        for (const Case& c : all) {
            for (int i = 0; i < 10; ++i)
                cycle(c);
            const long before = memoryNow().rssKb;
            const qsizetype widgetsBefore = QApplication::allWidgets().size();
            for (int i = 0; i < cycles; ++i)
                cycle(c);
            const long after = memoryNow().rssKb;
            const qsizetype widgetsAfter = QApplication::allWidgets().size();
            std::printf("%-32s %10ld %10ld %10ld %8lld %8lld\n", c.name, before, after,
                        after - before, static_cast<long long>(widgetsBefore),
                        static_cast<long long>(widgetsAfter));
            std::fflush(stdout);
        }
        const Memory end = memoryNow();
        std::printf("after %d cycles of every screen: %ld kB (peak %ld kB)\n", cycles, end.rssKb,
                    end.peakKb);
        // The style keeps drawn button faces in Qt's pixmap cache (10 MB at most) under a key
        // that changes with each new button's palette; clearing it shows what else remains.
        QPixmapCache::clear();
        std::printf("and with Qt's pixmap cache cleared: %ld kB\n", memoryNow().rssKb);
    }

    // The peaks are each taken in a process of their own: the timing runs above build their
    // bare windows in this process, which would count against the program.
    const auto childPeak = [](const QStringList& arguments) {
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(), arguments);
        child.waitForFinished(120000);
        return child.readAllStandardOutput().trimmed().toLong();
    };
    const long programKb = childPeak({QStringLiteral("--program-memory")});
    const long bareKb = childPeak({QStringLiteral("--bare-memory"), QString::number(mostWidgets)});
    if (bareKb > 0 && programKb > 0)
        std::printf("peak of the program visiting every screen once: %ld kB; of a bare window of "
                    "%d widgets with the picture: %ld kB; ratio %.2f (goal at most 1.5), on the "
                    "%s platform\n",
                    programKb, mostWidgets, bareKb, double(programKb) / double(bareKb),
                    qPrintable(QGuiApplication::platformName()));
    Screens::setEndAction([] {});
    stopProgram();
    return 0;
}
