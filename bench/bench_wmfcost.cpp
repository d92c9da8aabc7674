// The costliest pages a hostile file can make, built here: for each, the milliseconds reading
// takes, then one paint at the viewer's size (704x528) and one at 600 dpi (the same page,
// 4400x3300 pixels), and whether the page was read to its end or stopped by a limit.
//
//   bench_wmfcost [case]
//
// With a case name only that case runs, so a tool such as /usr/bin/time -v can give its memory.
// With folders instead, it lists the drawing work the reader counts for each metafile in them,
// against its limit.

#include "../tests/platform/wmf/WmfBuilder.h"
#include "platform/wmf/WmfPicture.h"

#include "platform/wmf/WmfLimits.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <cmath>
#include <cstdio>
#include <ctime>
#include <functional>

namespace {

constexpr int width = 704;
constexpr int height = 528;
constexpr qreal dpi600 = 600.0 / 96;

WmfBuilder page() {
    WmfBuilder b;
    b.placeable(QRect(0, 0, width, height), 96);
    return b;
}

// Every edge crosses the page, so each scan line meets all of them.
QList<QPoint> zigzag(int count) {
    QList<QPoint> points;
    for (int i = 0; i < count; ++i)
        points.append(QPoint((i * 7919) % width, i % 2 ? 0 : height));
    return points;
}

QByteArray polygon(int count, int penWidth) {
    return page()
        .pen(0, penWidth, qRgb(0, 0, 0))
        .select(0)
        .brush(0, qRgb(200, 30, 30))
        .select(1)
        .record(WmfRecordType::SetPolyFillMode, {2})
        .points(WmfRecordType::Polygon, zigzag(count))
        .build();
}

QByteArray rectangles(int count, int side) {
    WmfBuilder b = page();
    b.brush(0, qRgb(30, 30, 200)).select(0);
    for (int i = 0; i < count; ++i) {
        const int x = side >= width ? 0 : (i * 13) % (width - side);
        const int y = side >= height ? 0 : (i * 7) % (height - side);
        b.rectangle(x, y, x + side, y + side);
    }
    return b.build();
}

// A region of one rectangle per scan: `count` thin columns and rows that cross each other.
QByteArray regionRecord(int count) {
    QByteArray p;
    for (int w : {0, 6, 0, 0, 0, count, 1, 0, 0, 4096, 4096})
        WmfBuilder::appendWord(p, w);
    for (int i = 0; i < count; ++i) {
        const bool column = i % 2;
        const int at = (i / 2) * 2;
        const QRect r = column ? QRect(at, 0, 1, 4096) : QRect(0, at, 4096, 1);
        for (int w : {2, r.top(), r.bottom() + 1, r.left(), r.right() + 1, 2})
            WmfBuilder::appendWord(p, w);
    }
    return p;
}

QByteArray regions(int objects) {
    WmfBuilder b = page();
    b.objects(quint16(objects + 2));
    for (int i = 0; i < objects; ++i)
        b.bytes(WmfRecordType::CreateRegion, regionRecord(4096));
    return b.build();
}

// A checkerboard region of 4,096 squares chosen as the clip again and again.
QByteArray clipSelects(int times) {
    QByteArray p;
    for (int w : {0, 6, 0, 0, 0, 64, 64, 0, 0, width, height})
        WmfBuilder::appendWord(p, w);
    for (int row = 0; row < 64; ++row) {
        WmfBuilder::appendWord(p, 128);
        WmfBuilder::appendWord(p, row * 8);
        WmfBuilder::appendWord(p, row * 8 + 4);
        for (int c = 0; c < 64; ++c) {
            WmfBuilder::appendWord(p, c * 11 + (row % 2) * 5);
            WmfBuilder::appendWord(p, c * 11 + (row % 2) * 5 + 4);
        }
        WmfBuilder::appendWord(p, 128);
    }
    WmfBuilder b = page();
    b.bytes(WmfRecordType::CreateRegion, p).brush(0, qRgb(0, 120, 0)).select(1);
    for (int i = 0; i < times; ++i)
        b.record(WmfRecordType::SelectClipRegion, {0}).rectangle(0, 0, width, height);
    return b.build();
}

QByteArray bigText(int runs) {
    WmfBuilder b = page();
    b.font(-height, "Sans").select(0);
    for (int i = 0; i < runs; ++i)
        b.textOut(0, 0, QByteArray(64, 'W'));
    return b.build();
}

// The costliest pages within the limits: as many of one costly shape as the viewer's limit lets
// through, with a pen that is a hairline on screen but stroked on paper.
QByteArray repeatedPolygon(int edges, int times) {
    WmfBuilder b = page();
    b.pen(0, 1, qRgb(0, 0, 0)).select(0).brush(0, qRgb(200, 30, 30)).select(1);
    b.record(WmfRecordType::SetPolyFillMode, {2});
    for (int i = 0; i < times; ++i)
        b.points(WmfRecordType::Polygon, zigzag(edges));
    return b.build();
}

QByteArray smallEllipses(int count, int side) {
    WmfBuilder b = page();
    b.pen(0, 1, qRgb(0, 0, 0)).select(0).brush(0, qRgb(30, 160, 30)).select(1);
    for (int i = 0; i < count; ++i) {
        const int x = (i * 37) % (width - side), y = (i * 53) % (height - side);
        b.record(WmfRecordType::Ellipse, {y + side, x + side, y, x});
    }
    return b.build();
}

QByteArray text(int runs, int em) {
    WmfBuilder b = page();
    b.font(-em, "Sans").select(0);
    for (int i = 0; i < runs; ++i)
        b.textOut((i * 31) % width, (i * 17) % height, QByteArray(16, 'W'));
    return b.build();
}

// One polygon of `count` points, its edges nearly level and the width of the page: zigzag runs
// kept within bands `band` pixels high, stacked down the page.
QByteArray levelZigzag(int count, int band, int penWidth = 0, int hatch = -1,
                       quint16 shape = WmfRecordType::Polygon) {
    QList<QPoint> points;
    for (int i = 0; i < count; ++i)
        points.append(QPoint(i % 2 ? width : 0,
                             band >= height ? (i * height) / count : 100 + (i * 7) % band));
    WmfBuilder b = page();
    if (penWidth > 0)
        b.pen(0, penWidth, qRgb(0, 0, 0));
    else
        b.pen(5, 0, qRgb(0, 0, 0));
    b.select(0);
    b.brush(hatch >= 0 ? 2 : 0, qRgb(200, 30, 30), qMax(hatch, 0));
    return b.select(1).record(WmfRecordType::SetPolyFillMode, {2}).points(shape, points).build();
}

// A star of `count` points on a circle, each edge jumping nearly across it.
QByteArray star(int count, int radius) {
    QList<QPoint> points;
    for (int i = 0; i < count; ++i) {
        const double a = 2 * M_PI * double((i * (count / 2 - 1)) % count) / count;
        points.append(
            QPoint(width / 2 + int(radius * std::cos(a)), height / 2 + int(radius * std::sin(a))));
    }
    return page()
        .pen(5, 0, qRgb(0, 0, 0))
        .select(0)
        .brush(0, qRgb(200, 30, 30))
        .select(1)
        .record(WmfRecordType::SetPolyFillMode, {2})
        .points(WmfRecordType::Polygon, points)
        .build();
}

struct Case {
    const char* name;
    std::function<QByteArray()> make;
};

double paintMs(const WmfPicture& picture, QSize size) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    // Processor time of this thread, so that other work on a shared machine does not count.
    const auto cpuMs = [] {
        timespec t{};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
        return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
    };
    const double start = cpuMs();
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    picture.paint(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    painter.end();
    return cpuMs() - start;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QList<Case> cases = {
        {"polygon-4", [] { return polygon(4, 1); }},
        {"polygon-16", [] { return polygon(16, 1); }},
        {"polygon-64", [] { return polygon(64, 1); }},
        {"polygon-256", [] { return polygon(256, 1); }},
        {"polygon-256-widepen", [] { return polygon(256, 400); }},
        {"polygon-1024", [] { return polygon(1024, 1); }},
        {"polygon-1024-widepen", [] { return polygon(1024, 400); }},
        {"polygon-65535", [] { return polygon(65535, 1); }},
        {"rects-100-full", [] { return rectangles(100, width); }},
        {"rects-499000-small", [] { return rectangles(499'000, 4); }},
        {"rects-499000-full", [] { return rectangles(499'000, width); }},
        {"regions-1", [] { return regions(1); }},
        {"regions-24", [] { return regions(24); }},
        {"clip-select-2000", [] { return clipSelects(2000); }},
        {"text-huge-3000", [] { return bigText(3000); }},
        {"limit-polygons-16x4", [] { return repeatedPolygon(16, 4); }},
        {"limit-polygon-32", [] { return repeatedPolygon(32, 1); }},
        {"limit-polygons-4x200", [] { return repeatedPolygon(4, 200); }},
        {"limit-rects-290-full", [] { return rectangles(290, width); }},
        {"limit-ellipses-29000", [] { return smallEllipses(29'000, 10); }},
        {"limit-ellipses-3000-big", [] { return smallEllipses(3000, 100); }},
        {"limit-text-2000-em40", [] { return text(2000, 40); }},
        {"limit-text-200-em120", [] { return text(200, 120); }},
        {"single-3000-band-15", [] { return levelZigzag(3000, 15); }},
        {"single-3000-band-3", [] { return levelZigzag(3000, 3); }},
        {"single-3000-page", [] { return levelZigzag(3000, height); }},
        {"single-3000-band-pen", [] { return levelZigzag(3000, 15, 1); }},
        {"single-3000-band-hatch", [] { return levelZigzag(3000, 15, 0, 2); }},
        {"single-3000-star", [] { return star(3000, 250); }},
        {"polyline-3000-band-pen3",
         [] { return levelZigzag(3000, 15, 3, -1, WmfRecordType::Polyline); }},
        {"polyline-3000-band-pen1",
         [] { return levelZigzag(3000, 15, 1, -1, WmfRecordType::Polyline); }},
        {"single-3000-star-huge", [] { return star(3000, 30000); }},
    };
    const QString only = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    if (QFileInfo(only).isDir()) {
        for (int i = 1; i < argc; ++i) {
            const QDir folder(QString::fromLocal8Bit(argv[i]));
            for (const QString& name : folder.entryList({QStringLiteral("*.wmf")}, QDir::Files)) {
                QFile file(folder.filePath(name));
                if (!file.open(QIODevice::ReadOnly))
                    continue;
                const WmfPicture picture = WmfPicture::fromData(file.readAll());
                const WmfWork& cost = picture.parseResult().cost;
                std::printf("%7.2f of %.0f, 600 dpi %8.1f of %.0f (drawn at %.2f)  %s",
                            picture.parseResult().work, WmfLimits::maxDrawingWork, cost.at(dpi600),
                            WmfLimits::maxPaintWork, picture.paintedScale(dpi600),
                            qPrintable(name));
                if (qEnvironmentVariableIsSet("PAINT"))
                    std::printf("  %.1f ms, %.1f ms", paintMs(picture, QSize(width, height)),
                                paintMs(picture, QSize(width, height) * 600 / 96));
                std::printf("\n");
            }
        }
        return 0;
    }
    std::printf("%-24s %9s %10s %10s %10s  %7s %5s  %s\n", "case", "bytes", "read ms", "704x528 ms",
                "600dpi ms", "work", "drawn at", "stopped by");
    for (const Case& c : cases) {
        if (!only.isEmpty() && only != QLatin1String(c.name))
            continue;
        const QByteArray bytes = c.make();
        QElapsedTimer timer;
        timer.start();
        const WmfPicture picture = WmfPicture::fromData(bytes);
        const double readMs = timer.nsecsElapsed() / 1e6;
        std::printf("%-24s %9lld %10.1f", c.name, static_cast<long long>(bytes.size()), readMs);
        std::fflush(stdout);
        std::printf(" %10.1f", paintMs(picture, QSize(width, height)));
        std::fflush(stdout);
        std::printf(" %10.1f  %7.1f %5.2f  %s\n", paintMs(picture, QSize(width, height) * 600 / 96),
                    picture.parseResult().work, picture.paintedScale(dpi600),
                    picture.parseResult().complete ? "-"
                                                   : qPrintable(picture.parseResult().problem));
        std::fflush(stdout);
    }
    return 0;
}
