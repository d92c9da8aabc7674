// Parse and paint times of the sample metafiles: for each file, the microseconds one parse
// (WmfPicture::fromData) and one paint at the picture's natural size take, as median, minimum
// and maximum over repeated runs.
//
//   bench_wmf [runs] [folder]

#include "platform/wmf/WmfPicture.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <cstdio>
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

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const int runs = argc > 1 ? qMax(3, atoi(argv[1])) : 30;
    const QString folder = argc > 2 ? QString::fromLocal8Bit(argv[2])
                                    : QStringLiteral(ORVELLES_WMF_CORPUS);

    std::printf("%-58s %7s %6s | %27s | %27s\n", "file", "bytes", "records",
                "parse us: median min max", "paint us: median min max");
    for (const QString& name : QDir(folder).entryList({QStringLiteral("*.wmf")}, QDir::Files)) {
        QFile file(folder + QLatin1Char('/') + name);
        if (!file.open(QIODevice::ReadOnly))
            continue;
        const QByteArray data = file.readAll();
        // Fonts are measured on first use; one untimed parse keeps that out of the figures.
        const WmfPicture picture = WmfPicture::fromData(data);
        const Stats parse = measure(runs, [&] { (void)WmfPicture::fromData(data); });
        Stats paint;
        if (!picture.isNull()) {
            QImage image(paintSize(picture), QImage::Format_ARGB32_Premultiplied);
            const QRectF target(QPointF(0, 0), QSizeF(image.size()));
            paint = measure(runs, [&] {
                QPainter painter(&image);
                picture.paint(&painter, target);
            });
        }
        std::printf("%-58s %7lld %6d | %9.0f %8.0f %8.0f | %9.0f %8.0f %8.0f\n",
                    qPrintable(name.left(58)), static_cast<long long>(data.size()),
                    picture.parseResult().records, parse.median, parse.min, parse.max, paint.median,
                    paint.min, paint.max);
    }
    return 0;
}
