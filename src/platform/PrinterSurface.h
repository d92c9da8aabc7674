#pragma once

#include <QString>

class Picture;

// One printed page, drawn top to bottom and then ended, on the system's default printer.
// Positions and lengths are twips from the top-left corner of the printable area; font sizes
// are points; colours are numbers of the 16-colour palette. The surface keeps the font, the
// colour, the pen width and the print position between operations. Any operation may throw
// a PrintError (no printer, printer error).
class PrinterSurface {
public:
    virtual ~PrinterSurface() = default;

    virtual void setFontName(const QString& name) = 0;
    virtual void setFontSize(double points) = 0;
    virtual void setColour(int paletteNumber) = 0;
    virtual void setPenWidth(int width) = 0;
    virtual double pageWidth() = 0;
    virtual double pageHeight() = 0;
    virtual void setX(double x) = 0;
    // Moves the print position down the page, for layouts placed by measure rather than by line.
    virtual void setY(double y) = 0;
    virtual double textWidth(const QString& text) = 0;
    // Draws the text, if any, at the print position and goes to the start of the next line.
    virtual void printLine(const QString& text = QString()) = 0;
    // Draws the text at the print position and leaves the position just after it.
    virtual void printText(const QString& text) = 0;
    virtual void drawLine(double x1, double y1, double x2, double y2) = 0;
    virtual void drawPicture(const Picture& picture, double x, double y) = 0;
    // Draws the picture scaled into the rectangle.
    virtual void drawPictureIn(const Picture& picture, double x, double y, double width,
                               double height) = 0;
    // Fills the rectangle with the current colour.
    virtual void fillRect(double x, double y, double width, double height) = 0;
    // Closes the page and hands it to the printer.
    virtual void endDocument() = 0;
};
