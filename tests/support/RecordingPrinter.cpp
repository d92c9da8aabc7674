#include "support/RecordingPrinter.h"

#include "platform/Picture.h"
#include "platform/PrintError.h"

namespace {
QString number(double value) {
    return QString::number(value, 'g', 10);
}
} // namespace

RecordingPrinter::RecordingPrinter(std::unique_ptr<PrinterSurface> inner)
    : inner_(std::move(inner)) {}

void RecordingPrinter::record(const QString& operation) {
    if (failAt > 0 && operations.size() + 1 == failAt)
        throw PrintError("injected printer failure");
    operations.append(operation);
}

void RecordingPrinter::setFontName(const QString& name) {
    record("setFontName " + name);
    if (inner_)
        inner_->setFontName(name);
}

void RecordingPrinter::setFontSize(double points) {
    record("setFontSize " + number(points));
    points_ = points;
    if (inner_)
        inner_->setFontSize(points);
}

void RecordingPrinter::setColour(int paletteNumber) {
    record("setColour " + QString::number(paletteNumber));
    if (inner_)
        inner_->setColour(paletteNumber);
}

void RecordingPrinter::setPenWidth(int penWidth) {
    record("setPenWidth " + QString::number(penWidth));
    if (inner_)
        inner_->setPenWidth(penWidth);
}

double RecordingPrinter::pageWidth() {
    record("pageWidth");
    lastPageWidth = inner_ ? inner_->pageWidth() : width;
    return lastPageWidth;
}

double RecordingPrinter::pageHeight() {
    record("pageHeight");
    lastPageHeight = inner_ ? inner_->pageHeight() : height;
    return lastPageHeight;
}

void RecordingPrinter::setX(double x) {
    record("setX " + number(x));
    if (inner_)
        inner_->setX(x);
}

void RecordingPrinter::setY(double y) {
    record("setY " + number(y));
    if (inner_)
        inner_->setY(y);
}

double RecordingPrinter::textWidth(const QString& text) {
    record("textWidth |" + text + "|");
    return inner_ ? inner_->textWidth(text) : text.size() * 100.0 * points_ / 12;
}

void RecordingPrinter::printLine(const QString& text) {
    record("printLine |" + text + "|");
    if (inner_)
        inner_->printLine(text);
}

void RecordingPrinter::printText(const QString& text) {
    record("printText |" + text + "|");
    if (inner_)
        inner_->printText(text);
}

void RecordingPrinter::drawLine(double x1, double y1, double x2, double y2) {
    record(
        QStringLiteral("drawLine %1 %2 %3 %4").arg(number(x1), number(y1), number(x2), number(y2)));
    if (inner_)
        inner_->drawLine(x1, y1, x2, y2);
}

void RecordingPrinter::drawPicture(const Picture& picture, double x, double y) {
    record("drawPicture " + picture.source() + " " + number(x) + " " + number(y));
    if (inner_)
        inner_->drawPicture(picture, x, y);
}

void RecordingPrinter::drawPictureIn(const Picture& picture, double x, double y, double width,
                                     double height) {
    record(QStringLiteral("drawPictureIn %1 %2 %3 %4 %5")
               .arg(picture.source(), number(x), number(y), number(width), number(height)));
    if (inner_)
        inner_->drawPictureIn(picture, x, y, width, height);
}

void RecordingPrinter::fillRect(double x, double y, double width, double height) {
    record(QStringLiteral("fillRect %1 %2 %3 %4")
               .arg(number(x), number(y), number(width), number(height)));
    if (inner_)
        inner_->fillRect(x, y, width, height);
}

void RecordingPrinter::endDocument() {
    record("endDocument");
    if (inner_)
        inner_->endDocument();
}
