#include "Drawings.h"

#include "WmfWriter.h"

#include <QColor>

namespace Pages {
namespace {

// Scales the drawing's own 100 by 100 grid into the box.
struct Grid {
    QRect box;
    QPoint at(int x, int y) const {
        return {box.x() + x * box.width() / 100, box.y() + y * box.height() / 100};
    }
    QRect rect(int x, int y, int w, int h) const { return {at(x, y), at(x + w, y + h)}; }
};

class Painter {
public:
    Painter(WmfWriter& out, bool colour) : out(out), colour(colour) {}

    // Sets the outline and fill for the shapes that follow. A selected object stays in use
    // until another replaces it, so the new pair is selected before the old pair goes; the last
    // pair is left to the page, which selects its own objects next.
    void use(const QColor& fill, const QColor& line = Qt::black, int lineWidth = 20) {
        const int newPen = out.createPen(colour ? line : QColor(Qt::black), lineWidth);
        const int newBrush = out.createBrush(ink(fill));
        out.select(newPen);
        out.select(newBrush);
        if (pen >= 0) {
            out.remove(pen);
            out.remove(brush);
        }
        pen = newPen;
        brush = newBrush;
    }

private:
    QColor ink(const QColor& c) const {
        if (colour)
            return c;
        const int grey = 255 - (255 - qGray(c.rgb())) / 3;
        return {grey, grey, grey};
    }

    WmfWriter& out;
    bool colour;
    int pen = -1;
    int brush = -1;
};

const QColor gold(230, 180, 30);
const QColor red(180, 30, 40);
const QColor brown(120, 80, 40);
const QColor green(60, 140, 60);
const QColor straw(215, 185, 100);
const QColor blue(60, 110, 190);

void shield(WmfWriter& out, Painter& p, const Grid& g) {
    p.use(red);
    out.polygon({g.at(15, 5), g.at(85, 5), g.at(85, 50), g.at(50, 95), g.at(15, 50)});
    p.use(gold, gold.darker(150));
    out.rectangle(g.rect(45, 50, 10, 28));
    out.ellipse(g.rect(25, 15, 50, 40));
}

void crown(WmfWriter& out, Painter& p, const Grid& g) {
    p.use(gold, brown);
    out.polygon({g.at(10, 80), g.at(10, 30), g.at(30, 55), g.at(50, 20), g.at(70, 55), g.at(90, 30),
                 g.at(90, 80)});
    p.use(red, brown);
    out.ellipse(g.rect(44, 58, 12, 12));
    p.use(blue, brown);
    out.ellipse(g.rect(20, 62, 10, 10));
    out.ellipse(g.rect(70, 62, 10, 10));
}

void cottage(WmfWriter& out, Painter& p, const Grid& g) {
    p.use(QColor(235, 225, 200), brown);
    out.rectangle(g.rect(18, 50, 64, 40));
    p.use(straw, brown);
    out.polygon({g.at(5, 52), g.at(50, 12), g.at(95, 52)});
    p.use(brown, brown);
    out.rectangle(g.rect(42, 64, 16, 26));
}

void house(WmfWriter& out, Painter& p, const Grid& g) {
    p.use(QColor(250, 245, 235), brown);
    out.rectangle(g.rect(10, 35, 80, 58));
    p.use(QColor(170, 60, 40), brown);
    out.polygon({g.at(5, 37), g.at(20, 10), g.at(80, 10), g.at(95, 37)});
    p.use(QColor(170, 210, 240), brown, 15);
    for (int x : {18, 42, 66}) {
        out.rectangle(g.rect(x, 44, 16, 16));
    }
    out.rectangle(g.rect(18, 68, 16, 16));
    out.rectangle(g.rect(66, 68, 16, 16));
    p.use(brown, brown);
    out.rectangle(g.rect(44, 68, 12, 25));
}

void screen(WmfWriter& out, Painter& p, const Grid& g) {
    p.use(QColor(90, 90, 100));
    out.roundRect(g.rect(8, 10, 84, 62), g.box.width() / 10, g.box.height() / 10);
    p.use(QColor(0, 78, 152));
    out.rectangle(g.rect(15, 17, 70, 48));
    p.use(QColor(90, 90, 100));
    out.polygon({g.at(40, 72), g.at(60, 72), g.at(66, 90), g.at(34, 90)});
    p.use(gold, Qt::black, 10);
    out.rectangle(g.rect(22, 25, 30, 8));
    out.rectangle(g.rect(22, 40, 30, 8));
    out.rectangle(g.rect(58, 52, 20, 8));
}

void printer(WmfWriter& out, Painter& p, const Grid& g) {
    p.use(Qt::white);
    out.rectangle(g.rect(28, 8, 44, 40));
    p.use(QColor(120, 120, 130));
    out.roundRect(g.rect(8, 38, 84, 36), g.box.width() / 12, g.box.height() / 12);
    p.use(Qt::white);
    out.rectangle(g.rect(28, 64, 44, 30));
    out.moveTo(g.at(34, 74));
    out.lineTo(g.at(66, 74));
    out.moveTo(g.at(34, 84));
    out.lineTo(g.at(60, 84));
}

void star(WmfWriter& out, Painter& p, const Grid& g) {
    p.use(gold, brown);
    out.polygon({g.at(50, 5), g.at(61, 38), g.at(96, 38), g.at(68, 59), g.at(79, 93), g.at(50, 72),
                 g.at(21, 93), g.at(32, 59), g.at(4, 38), g.at(39, 38)});
}

void book(WmfWriter& out, Painter& p, const Grid& g) {
    p.use(QColor(250, 245, 225), brown);
    out.polygon({g.at(50, 25), g.at(90, 15), g.at(90, 80), g.at(50, 90)});
    out.polygon({g.at(50, 25), g.at(10, 15), g.at(10, 80), g.at(50, 90)});
    for (int y : {32, 44, 56}) {
        out.moveTo(g.at(18, y));
        out.lineTo(g.at(42, y + 6));
        out.moveTo(g.at(58, y + 6));
        out.lineTo(g.at(82, y));
    }
}

void ship(WmfWriter& out, Painter& p, const Grid& g) {
    p.use(brown, brown);
    out.rectangle(g.rect(47, 8, 6, 62));
    p.use(QColor(250, 245, 225), brown);
    out.polygon({g.at(24, 16), g.at(76, 16), g.at(80, 56), g.at(20, 56)});
    p.use(red, brown);
    out.polygon({g.at(53, 4), g.at(70, 8), g.at(53, 12)});
    p.use(QColor(170, 110, 60), brown);
    out.polygon({g.at(4, 58), g.at(96, 62), g.at(82, 84), g.at(16, 84)});
    p.use(blue, blue);
    out.rectangle(g.rect(0, 86, 100, 8));
}

void compass(WmfWriter& out, Painter& p, const Grid& g) {
    p.use(gold, brown);
    out.ellipse(g.rect(6, 6, 88, 88));
    p.use(QColor(250, 245, 225), brown);
    out.ellipse(g.rect(16, 16, 68, 68));
    p.use(red, brown);
    out.polygon({g.at(50, 18), g.at(58, 50), g.at(42, 50)});
    p.use(QColor(90, 90, 100), brown);
    out.polygon({g.at(50, 82), g.at(42, 50), g.at(58, 50)});
}

} // namespace

void drawPicture(WmfWriter& out, Drawing drawing, const QRect& box, bool colour) {
    Painter p(out, colour);
    const Grid g{box};
    switch (drawing) {
    case Drawing::Shield:
        return shield(out, p, g);
    case Drawing::Crown:
        return crown(out, p, g);
    case Drawing::Cottage:
        return cottage(out, p, g);
    case Drawing::House:
        return house(out, p, g);
    case Drawing::Screen:
        return screen(out, p, g);
    case Drawing::Printer:
        return printer(out, p, g);
    case Drawing::Star:
        return star(out, p, g);
    case Drawing::Book:
        return book(out, p, g);
    case Drawing::Ship:
        return ship(out, p, g);
    case Drawing::Compass:
        return compass(out, p, g);
    }
}

} // namespace Pages
