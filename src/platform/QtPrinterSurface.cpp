#include "platform/QtPrinterSurface.h"

#include "formats/Errors.h"
#include "formats/FileAccess.h"
#include "platform/Fonts.h"
#include "platform/Picture.h"
#include "platform/PrintError.h"

#include <QFontMetricsF>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <array>

QtPrinterSurface::QtPrinterSurface(std::function<std::unique_ptr<QPagedPaintDevice>()> device)
    : makeDevice_(std::move(device)) {}

QtPrinterSurface::~QtPrinterSurface() {
    // A document that was never ended is dropped rather than printed half-way.
    if (!painter_.isActive())
        return;
    if (auto* printer = dynamic_cast<QPrinter*>(device_.get()))
        printer->abort();
    painter_.end();
}

std::unique_ptr<PrinterSurface> QtPrinterSurface::defaultPrinter() {
    return std::make_unique<QtPrinterSurface>([]() -> std::unique_ptr<QPagedPaintDevice> {
        const QPrinterInfo info = QPrinterInfo::defaultPrinter();
        if (info.isNull())
            throw PrintError("there is no default printer");
        auto printer = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
        printer->setDocName(QStringLiteral("The Orvelles"));
        printer->setFullPage(false);
        return printer;
    });
}

std::unique_ptr<PrinterSurface> QtPrinterSurface::pdf(const QString& path) {
    return std::make_unique<QtPrinterSurface>([path]() -> std::unique_ptr<QPagedPaintDevice> {
        try {
            FileAccess::checkWritable(path);
        } catch (const FileAccessError& e) {
            throw PrintError(e.what());
        }
        auto writer = std::make_unique<QPdfWriter>(path);
        writer->setResolution(600);
        writer->setPageSize(QPageSize(QPageSize::A4));
        writer->setPageMargins(QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter);
        writer->setTitle(QStringLiteral("The Orvelles"));
        return writer;
    });
}

QColor QtPrinterSurface::paletteColour(int number) {
    static const std::array<QColor, 16> palette = {
        QColor(0, 0, 0),       QColor(0, 0, 128),   QColor(0, 128, 0),   QColor(0, 128, 128),
        QColor(128, 0, 0),     QColor(128, 0, 128), QColor(128, 128, 0), QColor(192, 192, 192),
        QColor(128, 128, 128), QColor(0, 0, 255),   QColor(0, 255, 0),   QColor(0, 255, 255),
        QColor(255, 0, 0),     QColor(255, 0, 255), QColor(255, 255, 0), QColor(255, 255, 255)};
    if (number < 0 || number > 15)
        throw PrintError("no such palette colour");
    return palette[static_cast<size_t>(number)];
}

void QtPrinterSurface::begin() {
    if (ended_)
        throw PrintError("the document has already been ended");
    if (painter_.isActive())
        return;
    device_ = makeDevice_ ? makeDevice_() : nullptr;
    if (!device_ || !painter_.begin(device_.get()))
        throw PrintError("the printer cannot start the document");
    painter_.setRenderHint(QPainter::Antialiasing);
    painter_.setRenderHint(QPainter::TextAntialiasing);
}

double QtPrinterSurface::toDevice(double twips) const {
    return twips * device_->logicalDpiX() / 1440.0;
}

double QtPrinterSurface::toTwips(double device) const {
    return device * 1440.0 / device_->logicalDpiX();
}

QFont QtPrinterSurface::deviceFont() const {
    QFont font = Fonts::make(fontName_, fontPoints_);
    font.setPixelSize(qMax(1, qRound(fontPoints_ * device_->logicalDpiY() / 72.0)));
    return font;
}

void QtPrinterSurface::setFontName(const QString& name) {
    fontName_ = name;
}

void QtPrinterSurface::setFontSize(double points) {
    if (points <= 0)
        throw PrintError("a font size must be positive");
    fontPoints_ = points;
}

void QtPrinterSurface::setColour(int paletteNumber) {
    colour_ = paletteColour(paletteNumber);
}

void QtPrinterSurface::setPenWidth(int width) {
    penWidth_ = qMax(1, width);
}

double QtPrinterSurface::pageWidth() {
    begin();
    return toTwips(device_->width());
}

double QtPrinterSurface::pageHeight() {
    begin();
    return toTwips(device_->height());
}

void QtPrinterSurface::setX(double x) {
    x_ = x;
}

void QtPrinterSurface::setY(double y) {
    y_ = y;
}

double QtPrinterSurface::textWidth(const QString& text) {
    begin();
    return toTwips(QFontMetricsF(deviceFont(), device_.get()).horizontalAdvance(text));
}

void QtPrinterSurface::draw(const QString& text) {
    begin();
    const QFont font = deviceFont();
    const QFontMetricsF metrics(font, device_.get());
    if (!text.isEmpty()) {
        painter_.setFont(font);
        painter_.setPen(colour_);
        painter_.drawText(QPointF(toDevice(x_), toDevice(y_) + metrics.ascent()), text);
    }
    x_ += toTwips(metrics.horizontalAdvance(text));
}

void QtPrinterSurface::printLine(const QString& text) {
    draw(text);
    x_ = 0;
    y_ += toTwips(QFontMetricsF(deviceFont(), device_.get()).height());
}

void QtPrinterSurface::printText(const QString& text) {
    draw(text);
}

void QtPrinterSurface::drawLine(double x1, double y1, double x2, double y2) {
    begin();
    // Pen widths count in screen pixels, 15 twips each.
    painter_.setPen(QPen(colour_, toDevice(15.0 * penWidth_), Qt::SolidLine, Qt::SquareCap));
    painter_.drawLine(QPointF(toDevice(x1), toDevice(y1)), QPointF(toDevice(x2), toDevice(y2)));
}

void QtPrinterSurface::drawPicture(const Picture& picture, double x, double y) {
    begin();
    if (picture.isNull())
        throw PrintError("there is no picture to print");
    const QSizeF size = picture.sizeTwips();
    picture.paint(painter_, QRectF(toDevice(x), toDevice(y), toDevice(size.width()),
                                   toDevice(size.height())));
}

void QtPrinterSurface::drawPictureIn(const Picture& picture, double x, double y, double width,
                                     double height) {
    begin();
    if (picture.isNull())
        throw PrintError("there is no picture to print");
    picture.paint(painter_, QRectF(toDevice(x), toDevice(y), toDevice(width), toDevice(height)));
}

void QtPrinterSurface::fillRect(double x, double y, double width, double height) {
    begin();
    painter_.fillRect(QRectF(toDevice(x), toDevice(y), toDevice(width), toDevice(height)), colour_);
}

void QtPrinterSurface::endDocument() {
    begin();
    ended_ = true;
    if (!painter_.end())
        throw PrintError("the printer did not take the document");
}
