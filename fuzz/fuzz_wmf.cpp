// Any bytes as a metafile: read it, then paint it as a page is shown, at its own size up to the
// page viewer's (704x528), and again at 600 dpi as it prints, with the fonts of a GUI
// application. A page that costs too much to draw shows as a time-out.
#include "platform/wmf/WmfPicture.h"

#include <QByteArray>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

const QSize viewer(704, 528);

QSize cappedSize(QSize natural) {
    natural = natural.expandedTo(QSize(1, 1));
    if (natural.width() > viewer.width() || natural.height() > viewer.height())
        natural.scale(viewer, Qt::KeepAspectRatio);
    return natural.expandedTo(QSize(1, 1));
}

void paintAt(const WmfPicture& picture, QSize size) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    picture.paint(&painter, QRectF(QPointF(0, 0), image.size()));
}

} // namespace

// The font caches that the GUI application fills stay until the process ends, and are let go
// of by system libraries in an order the leak check at exit takes for leaks. Inputs are still
// checked for leaks one by one while fuzzing.
extern "C" const char* __asan_default_options() {
    return "leak_check_at_exit=0";
}

// Qt's fontconfig engines keep the fallback patterns they look up per font and let them go
// with the engine, out of sight of the leak check; none of it is the reader's memory.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:QFontEngineMultiFontConfig\nleak:QFreetypeFace\nleak:libfontconfig.so\n";
}

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    // Text is measured and drawn with real fonts only when a GUI application exists.
    static QGuiApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const WmfPicture picture = WmfPicture::fromData(
        QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    if (picture.isNull())
        return 0;
    const QSize onScreen = cappedSize(picture.sizePixels());
    paintAt(picture, onScreen);
    paintAt(picture, onScreen * 600 / 96);
    return 0;
}
