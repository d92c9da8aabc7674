// Writes every page image twice: the screen copy into <content>/wmf and the print copy into
// <content>/wmf2. Run with QT_QPA_PLATFORM=offscreen where there is no display.
#include "PageTexts.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTextStream>

#include <exception>

namespace {

bool write(const QString& path, const QByteArray& data) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(data) == data.size();
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    QTextStream err(stderr);
    if (argc != 2) {
        err << "usage: makepages <content folder>\n";
        return 2;
    }
    const QDir content(QString::fromLocal8Bit(argv[1]));
    content.mkpath(QStringLiteral("wmf"));
    content.mkpath(QStringLiteral("wmf2"));
    try {
        for (const Pages::Page& page : Pages::allPages()) {
            const auto screen = Pages::render(page, Pages::Copy::Screen);
            const auto print = Pages::render(page, Pages::Copy::Print);
            if (!write(content.filePath("wmf/" + page.file), screen.wmf) ||
                !write(content.filePath("wmf2/" + page.file), print.wmf)) {
                err << "cannot write " << page.file << '\n';
                return 1;
            }
            err << page.file << ": body " << screen.bodyPoints << " pt on screen, "
                << print.bodyPoints << " pt on paper\n";
        }
    } catch (const std::exception& e) {
        err << e.what() << '\n';
        return 1;
    }
    return 0;
}
