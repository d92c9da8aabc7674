#pragma once

#include "platform/PrinterSurface.h"

#include <QStringList>
#include <memory>

// Records every printer operation as one line of text ("setFontSize 16", "printLine |A. x|"),
// in order. Measures text as 100 twips a character at 12 points, in proportion to the size.
// Can fail at a chosen operation, and can pass everything on to a real surface behind it.
class RecordingPrinter : public PrinterSurface {
public:
    explicit RecordingPrinter(std::unique_ptr<PrinterSurface> inner = nullptr);

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

    QStringList operations;
    double width = 11000;
    double height = 15500;
    // The operation (counting from 1) that throws a PrintError; 0 for none.
    int failAt = 0;
    // What the page width and height operations last answered.
    double lastPageWidth = 0;
    double lastPageHeight = 0;

private:
    void record(const QString& operation);
    std::unique_ptr<PrinterSurface> inner_;
    double points_ = 12;
};
