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
    // Only a page that failed while it was being drawn at the end leaves the painter active.
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

QPagedPaintDevice& QtPrinterSurface::device() {
    if (ended_)
        throw PrintError("the document has already been ended");
    if (!device_) {
        device_ = makeDevice_ ? makeDevice_() : nullptr;
        if (!device_)
            throw PrintError("the printer cannot start the document");
    }
    return *device_;
}

void QtPrinterSurface::record(std::function<void(QPainter&)> drawing) {
    device();
    page_.push_back(std::move(drawing));
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
    return toTwips(device().width());
}

double QtPrinterSurface::pageHeight() {
    return toTwips(device().height());
}

void QtPrinterSurface::setX(double x) {
    x_ = x;
}

void QtPrinterSurface::setY(double y) {
    y_ = y;
}

double QtPrinterSurface::textWidth(const QString& text) {
    return toTwips(QFontMetricsF(deviceFont(), &device()).horizontalAdvance(text));
}

void QtPrinterSurface::draw(const QString& text) {
    device();
    const QFont font = deviceFont();
    const QFontMetricsF metrics(font, device_.get());
    if (!text.isEmpty()) {
        const QPointF at(toDevice(x_), toDevice(y_) + metrics.ascent());
        record([font, colour = colour_, at, text](QPainter& painter) {
            painter.setFont(font);
            painter.setPen(colour);
            painter.drawText(at, text);
        });
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
    device();
    // Pen widths count in screen pixels, 15 twips each.
    const QPen pen(colour_, toDevice(15.0 * penWidth_), Qt::SolidLine, Qt::SquareCap);
    const QLineF line(toDevice(x1), toDevice(y1), toDevice(x2), toDevice(y2));
    record([pen, line](QPainter& painter) {
        painter.setPen(pen);
        painter.drawLine(line);
    });
}

void QtPrinterSurface::drawPicture(const Picture& picture, double x, double y) {
    const QSizeF size = picture.sizeTwips();
    drawPictureIn(picture, x, y, size.width(), size.height());
}

void QtPrinterSurface::drawPictureIn(const Picture& picture, double x, double y, double width,
                                     double height) {
    device();
    if (picture.isNull())
        throw PrintError("there is no picture to print");
    const QRectF target(toDevice(x), toDevice(y), toDevice(width), toDevice(height));
    record([picture, target](QPainter& painter) { picture.paint(painter, target); });
}

void QtPrinterSurface::fillRect(double x, double y, double width, double height) {
    device();
    const QRectF area(toDevice(x), toDevice(y), toDevice(width), toDevice(height));
    record([area, colour = colour_](QPainter& painter) { painter.fillRect(area, colour); });
}

void QtPrinterSurface::endDocument() {
    QPagedPaintDevice& paper = device();
    ended_ = true;
    if (!painter_.begin(&paper))
        throw PrintError("the printer cannot start the document");
    painter_.setRenderHint(QPainter::Antialiasing);
    painter_.setRenderHint(QPainter::TextAntialiasing);
    for (const auto& drawing : page_)
        drawing(painter_);
    page_.clear();
    if (!painter_.end())
        throw PrintError("the printer did not take the document");
}
