// Walks through the program's screens as a pupil and a teacher would, with real mouse events,
// and saves a picture of each screen. Runs headless: QT_QPA_PLATFORM=offscreen, in a copy of
// the content folder, with the output folder as its argument.
#include "app/Screens.h"
#include "app/Startup.h"
#include "screens/activities/Welldone.h"
#include "screens/activities/Wrong.h"
#include "screens/activities/multiple.h"
#include "screens/navigation/Titlefrm.h"
#include "screens/navigation/TopicMenus.h"
#include "screens/navigation/intro0.h"
#include "screens/reading/guide.h"
#include "screens/reading/teacher.h"

#include <QApplication>
#include <QDir>
#include <QTest>
#include <cstdio>

namespace {

QString outFolder;

void settle(int ms = 120) { QTest::qWait(ms); }

void save(QWidget& screen, const QString& name) {
    settle();
    const QString path = outFolder + QLatin1Char('/') + name + QStringLiteral(".png");
    if (!screen.grab().save(path))
        std::fprintf(stderr, "cannot save %s\n", qPrintable(path));
    else
        std::printf("%s\n", qPrintable(path));
}

void click(QWidget* control) {
    QTest::mouseMove(control);
    QTest::mouseClick(control, Qt::LeftButton);
    settle();
}

void background(QWidget& screen) { QTest::mouseMove(&screen, QPoint(600, 505)); }

void quizRoad(intro0& menu) {
    click(&menu.Label2(7));
    auto& topic = *Screens::find<rich>();
    background(topic);
    save(topic, QStringLiteral("topic-menu"));
    click(&topic.Label3(0));
    auto& quiz = *Screens::find<multiple>();
    for (int q = 1; q <= 10; ++q) {
        click(&quiz.Option1(q == 3 ? 1 : 2));
        if (q == 1)
            save(quiz, QStringLiteral("quiz"));
        click(&quiz.Label3(1));
    }
    auto& results = *Screens::find<Welldone>();
    settle(300);
    save(results, QStringLiteral("results"));
    click(&results.Label3(0));
    save(*Screens::find<Wrong>(), QStringLiteral("wrong-answers"));
    click(&Screens::find<Wrong>()->Label3(1));
    click(&topic.Label3(4));
    save(*Screens::find<teacher>(), QStringLiteral("key-facts"));
    click(&Screens::find<teacher>()->Label3(1));
    click(&topic.Label3(2));
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    outFolder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QDir().mkpath(outFolder);
    startProgram();
    settle(300);
    intro0& menu = *Screens::find<intro0>();
    background(menu);
    QTest::mouseMove(&menu.Label2(15));
    save(menu, QStringLiteral("main-menu"));
    quizRoad(menu);
    click(&menu.Label2(20));
    save(*Screens::find<guide>(), QStringLiteral("guide"));
    click(&Screens::find<guide>()->Label3(1));
    click(&menu.Label2(16));
    save(*Screens::find<Titlefrm>(), QStringLiteral("title"));
    Screens::unloadAll();
    return 0;
}
