// Times the catalogue operations at 10, 100 and 1000 names in a scratch folder, against their
// floors: reading the file whole and splitting it into lines with Qt, and a plain QSaveFile of
// the same bytes (which also syncs and renames). Each add and remove rewrites the file in one
// step (and syncs it) under the lock, so they measure the file system as much as the code: the
// minimum is the fairest figure on a machine doing other work.

#include "formats/Catalogue.h"
#include "formats/Errors.h"
#include "formats/SafeFile.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStringList>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

constexpr int Runs = 200;

struct Timing {
    double median = 0, min = 0, max = 0;
};

Timing summarise(std::vector<double> samples) {
    std::sort(samples.begin(), samples.end());
    return {samples[samples.size() / 2], samples.front(), samples.back()};
}

double microseconds(const std::function<void()>& operation) {
    const auto start = std::chrono::steady_clock::now();
    operation();
    const auto end = std::chrono::steady_clock::now();
    return std::chrono::duration<double, std::micro>(end - start).count();
}

void writeCatalogue(const QString& path, int names) {
    QByteArray bytes = " " + QByteArray::number(names) + " \r\n";
    for (int k = 1; k <= names; ++k)
        bytes += "Worksheet number " + QByteArray::number(k) + "\r\n";
    replaceFile(path, bytes);
}

void report(int names, const char* operation, const Timing& t, const Timing& floor) {
    std::printf("%6d  %-7s %10.1f %10.1f %10.1f | %10.1f %10.1f | %5.2f %5.2f\n", names, operation,
                t.median, t.min, t.max, floor.median, floor.min, t.median / floor.median,
                t.min / floor.min);
}

Timing readFloor(const QString& path) {
    std::vector<double> samples;
    for (int run = 0; run < Runs; ++run)
        samples.push_back(microseconds([&] {
            QFile file(path);
            if (file.open(QIODevice::ReadOnly)) {
                QStringList names;
                for (const QByteArray& line : file.readAll().split('\n'))
                    names << QString::fromLatin1(line.trimmed());
            }
        }));
    return summarise(samples);
}

Timing writeFloor(const QString& path) {
    QFile current(path);
    current.open(QIODevice::ReadOnly);
    const QByteArray bytes = current.readAll();
    current.close();
    std::vector<double> samples;
    for (int run = 0; run < Runs; ++run)
        samples.push_back(microseconds([&] {
            QSaveFile file(path);
            if (file.open(QIODevice::WriteOnly)) {
                file.write(bytes);
                file.commit();
            }
        }));
    return summarise(samples);
}

// Reading a catalogue of `names`; adding the last of `names` to one name short and
// removing it again, so the size stays put between runs.
void measure(const QString& path, int names) {
    CatalogueState state;
    std::vector<double> reads, adds, removes;
    writeCatalogue(path, names);
    for (int run = 0; run < Runs; ++run)
        reads.push_back(microseconds([&] { ReadCatalogue(path, state); }));
    const Timing readBare = readFloor(path);
    const Timing writeBare = writeFloor(path);
    writeCatalogue(path, names - 1);
    state.SelectedWorksheet = QStringLiteral("Bench sheet");
    for (int run = 0; run < Runs; ++run) {
        adds.push_back(
            microseconds([&] { trackworksheets(path, state.SelectedWorksheet, state); }));
        removes.push_back(microseconds([&] { delworksheet(path, state); }));
    }
    report(names, "read", summarise(reads), readBare);
    report(names, "add", summarise(adds), writeBare);
    report(names, "remove", summarise(removes), writeBare);
}

} // namespace

int main() {
    QTemporaryDir folder;
    if (!folder.isValid()) {
        std::fprintf(stderr, "no scratch folder\n");
        return 1;
    }
    const QString path = QDir(folder.path()).filePath(QStringLiteral("track.txt"));
    std::printf("%d runs each, microseconds\n", Runs);
    std::printf("%6s  %-7s %10s %10s %10s | %10s %10s | %5s %5s\n", "names", "op", "median", "min",
                "max", "floor med", "floor min", "ratio", "min");
    try {
        for (int names : {10, 100, 1000})
            measure(path, names);
    } catch (const FileError& error) {
        std::fprintf(stderr, "failed: %s\n", error.what());
        return 1;
    }
    return 0;
}
