// Parse and paint times of the sample metafiles: for each file, the microseconds one parse
// (WmfPicture::fromData) and one paint at the picture's natural size take, as median, minimum
// and maximum over repeated runs; and the paint against its floor, the same primitives played
// straight onto a QPainter (the paint recorded once into a QPicture and replayed), both onto a
// screen-sized image and onto a 600 dpi PDF page.
//
//   bench_wmf [runs] [folder...]
//
// With no folder it times the program's own pages (content/wmf and content/wmf2) and the
// sample metafiles made by other programs.

#include "platform/wmf/WmfPicture.h"

#include <QBuffer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QPicture>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

namespace {

struct Stats {
    double median = 0;
    double min = 0;
    double max = 0;
};

template <class Work> Stats measure(int runs, const Work& work) {
    std::vector<double> micros;
    micros.reserve(size_t(runs));
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        work();
        micros.push_back(double(timer.nsecsElapsed()) / 1000.0);
    }
    std::sort(micros.begin(), micros.end());
    return {micros[micros.size() / 2], micros.front(), micros.back()};
}

QSize paintSize(const WmfPicture& picture) {
    const QSize natural = picture.sizePixels();
    return natural.width() > 1600 || natural.height() > 1600
               ? natural.scaled(1600, 1600, Qt::KeepAspectRatio)
               : natural;
}

// The paint of `picture` onto `target` against replaying the same QPainter calls.
struct Ratio {
    double paint = 0;
    double floor = 0;
};

Ratio againstFloor(int runs, const WmfPicture& picture,
                   const std::function<QPaintDevice*()>& device, const QRectF& target) {
    QPicture primitives;
    {
        QPainter recorder(&primitives);
        picture.paint(&recorder, target);
    }
    const Stats paint = measure(runs, [&] {
        QPaintDevice* d = device();
        QPainter painter(d);
        picture.paint(&painter, target);
    });
    const Stats floor = measure(runs, [&] {
        QPaintDevice* d = device();
        QPainter painter(d);
        painter.drawPicture(0, 0, primitives);
    });
    return {paint.median, floor.median};
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const int runs = argc > 1 ? qMax(3, atoi(argv[1])) : 30;
    QStringList folders;
    for (int i = 2; i < argc; ++i)
        folders << QString::fromLocal8Bit(argv[i]);
    if (folders.isEmpty())
        folders << QStringLiteral(ORVELLES_SOURCE_DIR "/content/wmf")
                << QStringLiteral(ORVELLES_SOURCE_DIR "/content/wmf2")
                << QStringLiteral(ORVELLES_WMF_CORPUS);

    std::printf("%-58s %7s %6s | %27s | %27s | %15s | %15s\n", "file", "bytes", "records",
                "parse us: median min max", "paint us: median min max", "screen / floor",
                "600dpi / floor");
    std::vector<double> screenRatios;
    std::vector<double> pageRatios;
    QStringList paths;
    for (const QString& folder : folders)
        for (const QString& name : QDir(folder).entryList({QStringLiteral("*.wmf")}, QDir::Files))
            paths << folder + QLatin1Char('/') + name;
    double slowestParse = 0;
    QString slowestName;
    for (const QString& path : paths) {
        const QFileInfo info(path);
        const QString name = info.dir().dirName() + QLatin1Char('/') + info.fileName();
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            continue;
        const QByteArray data = file.readAll();
        // Fonts are measured on first use; one untimed parse keeps that out of the figures.
        const WmfPicture picture = WmfPicture::fromData(data);
        const Stats parse = measure(runs, [&] { (void)WmfPicture::fromData(data); });
        if (path.contains(QLatin1String("/content/")) && parse.median > slowestParse) {
            slowestParse = parse.median;
            slowestName = name;
        }
        Stats paint;
        Ratio screen;
        Ratio page;
        if (!picture.isNull()) {
            QImage image(paintSize(picture), QImage::Format_ARGB32_Premultiplied);
            const QRectF target(QPointF(0, 0), QSizeF(image.size()));
            paint = measure(runs, [&] {
                QPainter painter(&image);
                picture.paint(&painter, target);
            });
            screen = againstFloor(
                runs, picture, [&] { return &image; }, target);
            QByteArray pdf;
            QBuffer sink(&pdf);
            sink.open(QIODevice::WriteOnly);
            std::unique_ptr<QPdfWriter> writer;
            const QSizeF inches = QSizeF(picture.sizeTwips()) / 1440.0;
            const QRectF pageTarget(0, 0, inches.width() * 600, inches.height() * 600);
            page = againstFloor(
                runs, picture,
                [&]() -> QPaintDevice* {
                    sink.seek(0);
                    writer = std::make_unique<QPdfWriter>(&sink);
                    writer->setResolution(600);
                    writer->setPageSize(QPageSize(QPageSize::A4));
                    return writer.get();
                },
                pageTarget);
            screenRatios.push_back(screen.paint / qMax(1.0, screen.floor));
            pageRatios.push_back(page.paint / qMax(1.0, page.floor));
        }
        std::printf("%-58s %7lld %6d | %9.0f %8.0f %8.0f | %9.0f %8.0f %8.0f | %6.0f/%-6.0f %.2f | "
                    "%6.0f/%-6.0f %.2f\n",
                    qPrintable(name.left(58)), static_cast<long long>(data.size()),
                    picture.parseResult().records, parse.median, parse.min, parse.max, paint.median,
                    paint.min, paint.max, screen.paint, screen.floor,
                    screen.paint / qMax(1.0, screen.floor), page.paint, page.floor,
                    page.paint / qMax(1.0, page.floor));
    }
    const auto median = [](std::vector<double> v) {
        std::sort(v.begin(), v.end());
        return v.empty() ? 0.0 : v[v.size() / 2];
    };
    std::printf("median ratio to the floor: screen %.2f, 600 dpi page %.2f (goal at most 1.5)\n",
                median(screenRatios), median(pageRatios));
    const auto worst = [](const std::vector<double>& v) {
        return v.empty() ? 0.0 : *std::max_element(v.begin(), v.end());
    };
    std::printf("worst ratio to the floor: screen %.2f, 600 dpi page %.2f\n", worst(screenRatios),
                worst(pageRatios));
    std::printf("slowest parse of a content page: %s, %.0f us (goal well under 1000 us)\n",
                qPrintable(slowestName), slowestParse);
    return 0;
}
