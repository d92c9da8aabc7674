// The class record at a school's size: 10,000 entries from 30 computers' files (a year of a
// class's quizzes and boards). Milliseconds, best of five, for appending one entry, reading and
// merging every file, working out the teacher's view, and opening the view with its tables.
//
//   bench_classrecord [entries]

#include "formats/ClassRecord.h"
#include "screens/activities/ClassResultsView.h"
#include "screens/activities/ClassSummary.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>

namespace {

double bestOf(int runs, const std::function<void()>& work) {
    double best = 1e18;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        work();
        best = std::min(best, timer.nsecsElapsed() / 1e6);
    }
    return best;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const int count = argc > 1 ? std::atoi(argv[1]) : 10000;
    QTemporaryDir dir;
    QDir().mkpath(dir.filePath(QStringLiteral("record")));
    QDir::setCurrent(dir.path());
    const QString folder = dir.filePath(QStringLiteral("record"));
    const QStringList names{"Amy",  "Ben", "Cara", "Dev", "Eli", "Fay", "Gus", "Hana",
                            "Ivo",  "Jo",  "Kit",  "Lea", "Max", "Nia", "Oz",  "Pip",
                            "Quin", "Ria", "Sam",  "Tia", "Uma", "Vic", "Wes", "Xia",
                            "Yan",  "Zoe", "Abe",  "Bea", "Cal", "Dot"};
    QByteArray files[30];
    for (int i = 0; i < count; ++i) {
        ClassRecord::Entry e;
        e.machine = QStringLiteral("pc%1").arg(i % 30);
        e.id = e.machine + QLatin1Char('-') + QString::number(i);
        e.when = QDateTime(QDate(2026, 9, 1).addDays(i / 60), QTime(9, 0).addSecs(i % 60 * 60));
        e.pupil = names[(i * 7) % 30];
        e.topic = i % 3 == 0 ? QStringLiteral("Rich and Poor") : QStringLiteral("The Orvelles");
        e.activity = QStringLiteral("Multiple Choice");
        e.outOf = 10;
        for (int q = 1; q <= 10; ++q) {
            const QString right(QChar(u'A' + (q + i) % 4));
            const QString chosen = (i + q) % 5 == 0 ? QString(QChar(u'A' + q % 4)) : right;
            e.answers.append({q, chosen, right});
            e.score += chosen == right;
        }
        if (files[i % 30].isEmpty())
            files[i % 30] = ClassRecord::header().toUtf8() + '\n';
        files[i % 30] += ClassRecord::lineOf(e).toUtf8() + '\n';
    }
    for (int m = 0; m < 30; ++m) {
        QFile f(QDir(folder).filePath(QStringLiteral("pc%1.csv").arg(m)));
        f.open(QIODevice::WriteOnly);
        f.write(files[m]);
    }
    ClassRecord::Entry one;
    one.id = QStringLiteral("extra");
    one.when = QDateTime::currentDateTime();
    one.pupil = QStringLiteral("Amy");
    one.machine = QStringLiteral("pc0");
    one.topic = QStringLiteral("Kings");
    one.activity = QStringLiteral("Multiple Choice");
    one.outOf = 10;
    int appended = 0;
    const double append = bestOf(5, [&] {
        one.id = QStringLiteral("extra-%1").arg(++appended);
        ClassRecord::append(QDir(folder).filePath(QStringLiteral("pc0.csv")), one);
    });
    ClassRecord::Read read;
    const double merge = bestOf(5, [&] { read = ClassRecord::readFolder(folder); });
    const double summary = bestOf(5, [&] {
        (void)ClassSummary::byPupil(read.entries);
        (void)ClassSummary::hardestQuestions(read.entries);
    });
    const double view = bestOf(5, [&] { ClassResultsView v(nullptr); });
    std::printf("entries %lld in 30 files, %lld problems\n", (long long)read.entries.size(),
                (long long)read.problems.size());
    std::printf("append one entry (with fsync)  %8.2f ms\n", append);
    std::printf("read and merge every file      %8.2f ms\n", merge);
    std::printf("work out the view              %8.2f ms\n", summary);
    std::printf("open the teacher's view        %8.2f ms\n", view);
    return 0;
}
