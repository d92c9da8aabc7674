#pragma once

#include "platform/PrinterSurface.h"

#include <QColor>
#include <QFont>
#include <QPainter>
#include <functional>
#include <memory>
#include <vector>

class QPagedPaintDevice;

// The printer surface on a Qt paint device: the system's default printer, or a PDF file.
// The device is made at the first operation, but the page is drawn on it only when the
// document ends: a print job cannot be taken back once started (a CUPS printer ignores
// QPrinter::abort()), so a document that fails before its end sends nothing. Twips are mapped
// to the device's own resolution; the origin is the top-left corner of the printable area.
// Lines that run past the page's edges are cut there.
class QtPrinterSurface : public PrinterSurface {
public:
    // `device` is made when the document starts; a null device or one that cannot be painted
    // on fails with a PrintError.
    explicit QtPrinterSurface(std::function<std::unique_ptr<QPagedPaintDevice>()> device);
    ~QtPrinterSurface() override;

    // A surface on the system's default printer; fails at the first operation when there is none.
    static std::unique_ptr<PrinterSurface> defaultPrinter();
    // A surface writing a PDF file of A4 pages.
    static std::unique_ptr<PrinterSurface> pdf(const QString& path);

    void setFontName(const QString& name) override;
    void setFontSize(double points) override;
    void setColour(int paletteNumber) override;
    void setPenWidth(int width) override;
    double pageWidth() override;
    double pageHeight() override;
    void setX(double x) override;
    void setY(double y) override;
    double textWidth(const QString& text) override;
    void printLine(const QString& text = QString()) override;
    void printText(const QString& text) override;
    void drawLine(double x1, double y1, double x2, double y2) override;
    void drawPicture(const Picture& picture, double x, double y) override;
    void drawPictureIn(const Picture& picture, double x, double y, double width,
                       double height) override;
    void fillRect(double x, double y, double width, double height) override;
    void endDocument() override;

    // The 16 colours of the palette.
    static QColor paletteColour(int number);

private:
    // The device, made at the first call; fails once the document has ended.
    QPagedPaintDevice& device();
    void record(std::function<void(QPainter&)> drawing);
    QFont deviceFont() const;
    double toDevice(double twips) const;
    double toTwips(double device) const;
    void draw(const QString& text);

    std::function<std::unique_ptr<QPagedPaintDevice>()> makeDevice_;
    std::unique_ptr<QPagedPaintDevice> device_;
    // The page's drawing, done on the device when the document ends.
    std::vector<std::function<void(QPainter&)>> page_;
    QPainter painter_;
    QString fontName_ = QStringLiteral("Times New Roman");
    double fontPoints_ = 12;
    QColor colour_{0, 0, 0};
    int penWidth_ = 1;
    double x_ = 0;
    double y_ = 0;
    bool ended_ = false;
};
