// Times the question loader and writer against their floors: loading is opening the file and
// reading its 72 items into the tables, against reading the same file whole and splitting it
// into lines with Qt; writing is the one-step replacement with its sync, against a plain
// QSaveFile of the same bytes (which also syncs and renames).
#include "formats/ItemReader.h"
#include "formats/QuestionFile.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

constexpr int Runs = 300;

struct Timing {
    double median = 0, min = 0, max = 0;
};

Timing timed(const std::function<void()>& operation) {
    std::vector<double> samples;
    for (int run = 0; run < Runs; ++run) {
        const auto start = std::chrono::steady_clock::now();
        operation();
        samples.push_back(
            std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start)
                .count());
    }
    std::sort(samples.begin(), samples.end());
    return {samples[samples.size() / 2], samples.front(), samples.back()};
}

WorksheetContent sampleWorksheet() {
    WorksheetContent sheet;
    sheet.title = QStringLiteral("Life in a Castle");
    for (int q = 0; q < 10; ++q) {
        QuestionEntry& entry = sheet.questions[size_t(q)];
        entry.text =
            QStringLiteral("Who lived in the great hall of the castle, question %1?").arg(q + 1);
        for (int a = 0; a < 4; ++a)
            entry.answers[size_t(a)] =
                QStringLiteral("The answer, number %1, of %2").arg(a + 1).arg(q + 1);
        entry.correct = 1 + q % 4;
    }
    return sheet;
}

void report(const char* what, const Timing& mine, const Timing& floor) {
    std::printf("%-8s %9.1f %9.1f %9.1f | %9.1f %9.1f %9.1f | %5.2f\n", what, mine.median, mine.min,
                mine.max, floor.median, floor.min, floor.max, mine.median / floor.median);
}

} // namespace

int main() {
    QTemporaryDir folder;
    if (!folder.isValid())
        return 1;
    const QString path = QDir(folder.path()).filePath(QStringLiteral("Life in a Castle.txt"));
    const WorksheetContent sheet = sampleWorksheet();
    const QByteArray bytes = questionFileBytes(sheet);
    writeQuestionFile(path, sheet);

    QuestionTables tables;
    const Timing load = timed([&] {
        ItemReader file1 = ItemReader::open(path);
        LoadQuestionFile(file1, tables);
    });
    const Timing loadFloor = timed([&] {
        QFile file(path);
        if (file.open(QIODevice::ReadOnly)) {
            const QList<QByteArray> lines = file.readAll().split('\n');
            QStringList texts;
            for (const QByteArray& line : lines)
                texts << QString::fromLatin1(line.trimmed());
        }
    });
    const Timing write = timed([&] { writeQuestionFile(path, sheet); });
    const Timing writeFloor = timed([&] {
        QSaveFile file(path);
        if (file.open(QIODevice::WriteOnly)) {
            file.write(bytes);
            file.commit();
        }
    });
    std::printf("a question file of %lld bytes, %d runs each, microseconds\n",
                static_cast<long long>(bytes.size()), Runs);
    std::printf("%-8s %9s %9s %9s | %9s %9s %9s | %5s\n", "", "median", "min", "max", "floor med",
                "min", "max", "ratio");
    report("load", load, loadFloor);
    report("write", write, writeFloor);
    return 0;
}
