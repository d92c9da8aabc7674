// Runs every file of one corpus folder through a fuzz target once, without libFuzzer, so the
// seeds and the inputs that once found a fault are tried on every test run. A target fails an
// input by returning non-zero, throwing, trapping or aborting, or by a sanitizer's report; the
// file's name is printed either way.
#include <QByteArray>
#include <QDir>
#include <QFile>

#include <csignal>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <exception>
#include <unistd.h>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);
// Only some targets set anything up before their first input.
extern "C" __attribute__((weak)) int LLVMFuzzerInitialize(int* argc, char*** argv);
// Present only where the build has a sanitizer.
extern "C" __attribute__((weak)) void __sanitizer_set_death_callback(void (*callback)());

namespace {

char current[4096] = "";

// Only async-signal-safe calls here: it runs from a signal handler.
void sayWhich() {
    static const char prefix[] = "replay failed on ";
    if (write(STDERR_FILENO, prefix, sizeof prefix - 1) < 0 ||
        write(STDERR_FILENO, current, strlen(current)) < 0 || write(STDERR_FILENO, "\n", 1) < 0)
        return;
}

void onSignal(int signal) {
    sayWhich();
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s CORPUS-FOLDER\n", argv[0]);
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    const QStringList names = folder.entryList(QDir::Files, QDir::Name);
    // A wrong or empty folder must not pass as a corpus that holds no faults.
    if (names.isEmpty()) {
        std::fprintf(stderr, "no inputs in %s\n", argv[1]);
        return 2;
    }
    if (LLVMFuzzerInitialize)
        LLVMFuzzerInitialize(&argc, &argv);
    // A trap is SIGILL, abort() and an uncaught exception SIGABRT; the sanitizers report through
    // their own handlers and call back before they end the process.
    for (int signal : {SIGILL, SIGABRT, SIGFPE, SIGTRAP})
        std::signal(signal, onSignal);
    if (__sanitizer_set_death_callback)
        __sanitizer_set_death_callback(sayWhich);

    int failed = 0;
    for (const QString& name : names) {
        const QByteArray path = QFile::encodeName(folder.filePath(name));
        std::snprintf(current, sizeof current, "%s", path.constData());
        QFile file(folder.filePath(name));
        if (!file.open(QIODevice::ReadOnly)) {
            std::fprintf(stderr, "cannot read %s\n", current);
            ++failed;
            continue;
        }
        const QByteArray bytes = file.readAll();
        int result = 0;
        try {
            result = LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(bytes.constData()),
                                            static_cast<size_t>(bytes.size()));
        } catch (const std::exception& error) {
            std::fprintf(stderr, "replay failed on %s: %s\n", current, error.what());
            ++failed;
            continue;
        } catch (...) {
            std::fprintf(stderr, "replay failed on %s: an exception\n", current);
            ++failed;
            continue;
        }
        if (result != 0) {
            std::fprintf(stderr, "replay failed on %s: the target returned %d\n", current, result);
            ++failed;
        }
    }
    std::printf("%lld inputs from %s, %d failed\n", static_cast<long long>(names.size()), argv[1],
                failed);
    return failed == 0 ? 0 : 1;
}
