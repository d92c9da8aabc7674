// Any bytes as a metafile: read it, then paint it onto a small image.
#include "platform/wmf/WmfPicture.h"

#include <QByteArray>
#include <QImage>
#include <QPainter>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const WmfPicture picture =
        WmfPicture::fromData(QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    if (picture.isNull())
        return 0;
    QImage image(64, 64, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    picture.paint(&painter, QRectF(0, 0, 64, 64));
    return 0;
}
