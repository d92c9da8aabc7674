// Times the catalogue operations at 10, 100 and 1000 names in a scratch folder.
// Each add and remove rewrites the file in one step (and syncs it) under the lock, so
// they measure the file system as much as the code.

#include "formats/Catalogue.h"
#include "formats/Errors.h"
#include "formats/SafeFile.h"

#include <QByteArray>
#include <QDir>
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

void report(int names, const char* operation, const Timing& t) {
    std::printf("%6d  %-7s %10.1f %10.1f %10.1f\n", names, operation, t.median, t.min, t.max);
}

// Reading a catalogue of `names`; adding the last of `names` to one name short and
// removing it again, so the size stays put between runs.
void measure(const QString& path, int names) {
    CatalogueState state;
    std::vector<double> reads, adds, removes;
    writeCatalogue(path, names);
    for (int run = 0; run < Runs; ++run)
        reads.push_back(microseconds([&] { ReadCatalogue(path, state); }));
    writeCatalogue(path, names - 1);
    state.SelectedWorksheet = QStringLiteral("Bench sheet");
    for (int run = 0; run < Runs; ++run) {
        adds.push_back(
            microseconds([&] { trackworksheets(path, state.SelectedWorksheet, state); }));
        removes.push_back(microseconds([&] { delworksheet(path, state); }));
    }
    report(names, "read", summarise(reads));
    report(names, "add", summarise(adds));
    report(names, "remove", summarise(removes));
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
    std::printf("%6s  %-7s %10s %10s %10s\n", "names", "op", "median", "min", "max");
    try {
        for (int names : {10, 100, 1000})
            measure(path, names);
    } catch (const FileError& error) {
        std::fprintf(stderr, "failed: %s\n", error.what());
        return 1;
    }
    return 0;
}
