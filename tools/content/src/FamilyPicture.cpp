#include "Figure.h"
#include "Pictures.h"
#include "Scenery.h"

#include <QLinearGradient>

#include <cmath>

namespace pictures {
namespace {

constexpr double pictureLeftTwips = 0;
constexpr double feetY = 431;
constexpr double wallBottom = 338;
constexpr double horizonY = 190;

void ceiling(Sketch& s) {
    s.flat(rectPath(0, 0, 800, 50),
           Sketch::vertical(QColor(40, 26, 22), QColor(74, 48, 34), 0, 50));
    s.shape(rectPath(-5, 38, 810, 13), QColor(104, 68, 44));
    for (double x = 40; x < 800; x += 180) {
        QPainterPath corbel;
        corbel.moveTo(x - 12, 51);
        corbel.lineTo(x + 12, 51);
        corbel.quadTo(x + 10, 64, x, 70);
        corbel.quadTo(x - 10, 64, x - 12, 51);
        corbel.closeSubpath();
        s.shape(corbel, QColor(96, 62, 40));
    }
}

void stoneWall(Sketch& s) {
    s.flat(rectPath(0, 50, 800, wallBottom - 50),
           Sketch::vertical(QColor(112, 92, 96), QColor(176, 150, 126), 50, 260));
    QColor mortar(236, 220, 200, 55);
    QColor crease(60, 40, 40, 45);
    int row = 0;
    for (double y = 58; y < 250; y += 24, ++row) {
        s.line(QPointF(0, y), QPointF(800, y), 1.2, mortar);
        s.line(QPointF(0, y + 1.3), QPointF(800, y + 1.3), 0.8, crease);
        for (double x = (row % 2) * 34.0; x < 800; x += 68)
            s.line(QPointF(x, y), QPointF(x, y + 24), 1.2, mortar);
    }
}

void panelling(Sketch& s) {
    const double top = 250;
    s.shape(rectPath(-5, top, 810, wallBottom - top + 5), QColor(120, 78, 46));
    const QColor groove(86, 54, 32);
    for (double x = 8; x < 800; x += 66) {
        s.shape(rectPath(x, top + 14, 54, wallBottom - top - 24, 2), QColor(134, 88, 54));
        for (double fold : {0.25, 0.5, 0.75}) {
            QPainterPath wave(QPointF(x + 54 * fold, top + 20));
            for (double y = top + 20; y < wallBottom - 16; y += 12)
                wave.quadTo(x + 54 * fold + 3, y + 6, x + 54 * fold, y + 12);
            s.line(wave, 1.0, groove);
        }
    }
    s.shape(rectPath(-5, top - 4, 810, 9), QColor(150, 102, 62));
}

void canopy(Sketch& s) {
    const QRectF cloth(350, 64, 250, 250);
    s.shape(rectPath(cloth.x(), cloth.y(), cloth.width(), cloth.height()), QColor(32, 52, 112));
    QColor pattern(236, 190, 60, 150);
    for (double y = cloth.top() + 34; y < cloth.bottom() - 6; y += 26)
        for (double x = cloth.left() + 14 + (int((y - cloth.top()) / 26) % 2) * 13;
             x < cloth.right() - 6; x += 26)
            s.dot(QPointF(x, y), 2.0, pattern, false);
    s.shape(rectPath(cloth.left() - 8, cloth.top() - 4, cloth.width() + 16, 22),
            QColor(176, 30, 42));
    for (double x = cloth.left() - 8; x < cloth.right() + 8; x += 12) {
        QPainterPath scallop(QPointF(x, cloth.top() + 18));
        scallop.quadTo(x + 6, cloth.top() + 30, x + 12, cloth.top() + 18);
        scallop.closeSubpath();
        s.shape(scallop, QColor(236, 190, 60));
    }
    scenery::oakBadge(s, QPointF(476, 136), 68);
}

// Tiles in perspective: rows close in towards the horizon, columns run to one vanishing point.
void floor(Sketch& s) {
    const QColor light(226, 210, 178);
    const QColor dark(164, 88, 60);
    const double vx = 400;
    std::vector<double> rows;
    for (int k = 0;; ++k) {
        const double z = 1.0 + k * 0.45;
        const double y = horizonY + (500 + 40 - horizonY) / z;
        if (y < wallBottom) {
            rows.push_back(wallBottom);
            break;
        }
        rows.push_back(y);
    }
    auto xAt = [&](double bottomX, double y) {
        return vx + (bottomX - vx) * (y - horizonY) / (540 - horizonY);
    };
    for (size_t i = 0; i + 1 < rows.size(); ++i) {
        const double y0 = rows[i];
        const double y1 = rows[i + 1];
        int j = 0;
        for (double bx = -1400; bx < 2200; bx += 90, ++j) {
            const QPainterPath tile = polygonPath({{xAt(bx, y0), y0},
                                                   {xAt(bx + 90, y0), y0},
                                                   {xAt(bx + 90, y1), y1},
                                                   {xAt(bx, y1), y1}});
            s.flat(tile, QBrush((i + size_t(j)) % 2 ? dark : light));
        }
    }
    s.flat(rectPath(0, wallBottom, 800, 500 - wallBottom),
           Sketch::vertical(QColor(30, 16, 10, 120), QColor(30, 16, 10, 0), wallBottom, 420));
    s.line(QPointF(0, wallBottom), QPointF(800, wallBottom), 2.0, QColor(70, 44, 28));
}

Person isobel() {
    Person p;
    p.role = Role::Princess;
    p.hat = Hat::Circlet;
    p.holds = Holds::Book;
    p.stature = 262;
    p.longHair = true;
    p.hair = QColor(92, 52, 32);
    p.main = QColor(36, 122, 90);
    p.second = QColor(248, 232, 200);
    return p;
}

Person edric() {
    Person p;
    p.role = Role::Prince;
    p.hat = Hat::Circlet;
    p.child = true;
    p.stature = 188;
    p.hair = QColor(222, 172, 86);
    p.main = QColor(34, 64, 156);
    p.second = QColor(246, 242, 230);
    return p;
}

Person roderic() {
    Person p;
    p.role = Role::King;
    p.hat = Hat::Crown;
    p.holds = Holds::Sceptre;
    p.flip = true;
    p.beard = true;
    p.stature = 318;
    p.hair = QColor(150, 82, 40);
    p.main = QColor(176, 30, 42);
    p.second = QColor(232, 192, 84);
    return p;
}

Person elspeth() {
    Person p;
    p.role = Role::Queen;
    p.hat = Hat::Crown;
    p.ruff = true;
    p.longHair = true;
    p.stature = 298;
    p.hair = QColor(118, 70, 40);
    p.main = QColor(122, 44, 134);
    p.second = QColor(246, 222, 160);
    return p;
}

Person linnet() {
    Person p;
    p.role = Role::Princess;
    p.hat = Hat::Circlet;
    p.holds = Holds::Flower;
    p.child = true;
    p.longHair = true;
    p.stature = 228;
    p.hair = QColor(200, 100, 44);
    p.main = QColor(234, 142, 174);
    p.second = QColor(252, 234, 208);
    return p;
}

} // namespace

double boxCentreX(const NameBox& box, double pictureLeft, double boxWidth) {
    return (box.left + boxWidth / 2 - pictureLeft) / twipsPerPixel;
}

QImage family() {
    QImage image(800, 500, QImage::Format_RGB32);
    QPainter painter(&image);
    Sketch s(painter, 1.5);
    stoneWall(s);
    for (double x : {190.0, 640.0})
        scenery::archWindow(s, QRectF(x - 32, 86, 64, 148), QColor(196, 178, 150));
    canopy(s);
    panelling(s);
    ceiling(s);
    floor(s);
    const auto& boxes = familyBoxes();
    auto centre = [&](int index) { return boxCentreX(boxes[size_t(index)], pictureLeftTwips); };
    scenery::banner(s, QPointF(centre(0), 58), 52, 92);
    scenery::banner(s, QPointF(centre(4), 58), 52, 100);

    const Person people[] = {isobel(), elspeth(), edric(), roderic(), linnet()};
    for (int i = 0; i < 5; ++i)
        scenery::shadow(painter, QPointF(centre(i), feetY + 1), people[i].stature * 0.2, 9);
    const double dogX = (centre(0) + centre(2)) / 2 + 8;
    scenery::shadow(painter, QPointF(dogX, feetY + 1), 28, 7);
    paintDog(s, QPointF(dogX, feetY), 80, QColor(198, 142, 82), QColor(250, 244, 232));
    for (int i : {0, 2, 4, 1, 3})
        paintPerson(s, QPointF(centre(i), feetY), people[i]);
    return image;
}

} // namespace pictures
