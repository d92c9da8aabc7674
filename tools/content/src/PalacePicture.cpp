#include "Figure.h"
#include "Pictures.h"
#include "Scenery.h"

#include <QLinearGradient>

#include <cmath>

namespace pictures {
namespace {

// Drawn in a 760 by 464 design space and scaled to the size asked for.
constexpr double designWidth = 760;
constexpr double designHeight = 464;
constexpr double bankY = 318;
constexpr double riverTop = 352;

const QColor brick(184, 92, 64);
const QColor stone(232, 216, 186);
const QColor slate(70, 92, 140);
const QColor goldLeaf(236, 188, 54);

void skyAndHills(Sketch& s) {
    s.flat(rectPath(0, 0, designWidth, riverTop),
           Sketch::vertical(QColor(96, 160, 230), QColor(214, 236, 250), 0, 280));
    QRadialGradient sun(QPointF(90, 70), 52);
    sun.setColorAt(0, QColor(255, 248, 200));
    sun.setColorAt(0.5, QColor(255, 232, 120));
    sun.setColorAt(1, QColor(255, 232, 120, 0));
    s.flat(ellipsePath(QPointF(90, 70), 52, 52), QBrush(sun));
    scenery::cloud(s, QPointF(250, 60), 110);
    scenery::cloud(s, QPointF(560, 44), 90);
    scenery::cloud(s, QPointF(690, 110), 70);
    QPainterPath far(QPointF(0, 250));
    far.cubicTo(120, 200, 260, 240, 380, 222);
    far.cubicTo(520, 200, 640, 236, 760, 214);
    far.lineTo(760, bankY);
    far.lineTo(0, bankY);
    far.closeSubpath();
    s.shape(far, QColor(132, 172, 150));
    QPainterPath near(QPointF(0, 286));
    near.cubicTo(150, 262, 300, 292, 420, 280);
    near.cubicTo(560, 266, 660, 290, 760, 276);
    near.lineTo(760, bankY + 10);
    near.lineTo(0, bankY + 10);
    near.closeSubpath();
    s.shape(near, QColor(110, 170, 88));
}

void battlements(Sketch& s, double x0, double x1, double top, const QColor& colour) {
    for (double x = x0; x < x1 - 4; x += 14)
        s.shape(rectPath(x, top - 9, 8, 10), colour);
}

void windowRow(Sketch& s, double x0, double x1, double y, double w, double h) {
    const int count = std::max(1, int((x1 - x0) / (w * 2.1)));
    const double pitch = (x1 - x0) / count;
    for (int i = 0; i < count; ++i) {
        const double x = x0 + pitch * (i + 0.5) - w / 2;
        s.shape(rectPath(x - 2, y - 2, w + 4, h + 4), stone);
        QLinearGradient g(x, y, x + w, y + h);
        g.setColorAt(0, QColor(200, 230, 248));
        g.setColorAt(1, QColor(80, 130, 184));
        s.shape(rectPath(x, y, w, h), QBrush(g));
        s.line(QPointF(x + w / 2, y), QPointF(x + w / 2, y + h), 1.4, stone);
    }
}

// The windows run between wx0 and wx1, clear of the towers that stand at the wing's ends.
void wing(Sketch& s, double x0, double x1, double top, double wx0, double wx1) {
    s.shape(rectPath(x0, top, x1 - x0, bankY - top), brick);
    battlements(s, x0, x1, top, brick);
    s.line(QPointF(x0, top + 2), QPointF(x1, top + 2), 3, stone);
    windowRow(s, wx0, wx1, top + 18, 14, 24);
    windowRow(s, wx0, wx1, top + 62, 14, 26);
}

void roundTower(Sketch& s, double cx, double top, double w) {
    QPainterPath roof;
    roof.moveTo(cx - w / 2 - 6, top);
    roof.lineTo(cx, top - w * 1.25);
    roof.lineTo(cx + w / 2 + 6, top);
    roof.closeSubpath();
    scenery::flag(s, QPointF(cx, top - w * 1.2), 34, 26);
    s.shape(roof, slate);
    s.shape(rectPath(cx - w / 2, top, w, bankY - top), brick);
    s.line(QPointF(cx - w / 2, top + 3), QPointF(cx + w / 2, top + 3), 3, stone);
    for (double y = top + 22; y < bankY - 40; y += 44) {
        s.shape(rectPath(cx - 6, y, 12, 22, 6), QColor(60, 90, 140));
    }
}

void gatehouse(Sketch& s) {
    const double cx = 380;
    const double top = 150;
    for (double side : {-1.0, 1.0}) {
        const double tx = cx + side * 62;
        QPainterPath dome;
        dome.moveTo(tx - 20, top - 8);
        dome.cubicTo(tx - 24, top - 38, tx - 4, top - 44, tx, top - 64);
        dome.cubicTo(tx + 4, top - 44, tx + 24, top - 38, tx + 20, top - 8);
        dome.closeSubpath();
        scenery::flag(s, QPointF(tx, top - 60), 30, 30);
        s.shape(dome, goldLeaf);
        s.shape(rectPath(tx - 22, top - 10, 44, bankY - top + 10), brick);
        s.line(QPointF(tx - 22, top - 6), QPointF(tx + 22, top - 6), 3, stone);
        windowRow(s, tx - 18, tx + 18, top + 14, 12, 26);
        windowRow(s, tx - 18, tx + 18, top + 64, 12, 26);
    }
    s.shape(rectPath(cx - 40, top + 20, 80, bankY - top - 20), brick);
    battlements(s, cx - 40, cx + 40, top + 20, brick);
    s.line(QPointF(cx - 40, top + 22), QPointF(cx + 40, top + 22), 3, stone);
    scenery::oakBadge(s, QPointF(cx, top + 52), 44);
    QPainterPath gate;
    gate.moveTo(cx - 22, bankY);
    gate.lineTo(cx - 22, bankY - 52);
    gate.arcTo(QRectF(cx - 22, bankY - 74, 44, 44), 180, -180);
    gate.lineTo(cx + 22, bankY);
    gate.closeSubpath();
    s.shape(gate, stone);
    QPainterPath door;
    door.moveTo(cx - 17, bankY);
    door.lineTo(cx - 17, bankY - 50);
    door.arcTo(QRectF(cx - 17, bankY - 67, 34, 34), 180, -180);
    door.lineTo(cx + 17, bankY);
    door.closeSubpath();
    s.shape(door, QColor(112, 72, 40));
    for (double x = cx - 10; x < cx + 17; x += 7)
        s.line(QPointF(x, bankY - 60), QPointF(x, bankY), 1.0, QColor(80, 50, 28));
}

void river(Sketch& s) {
    s.flat(rectPath(0, bankY, designWidth, riverTop - bankY + 2),
           Sketch::vertical(QColor(110, 176, 86), QColor(90, 150, 70), bankY, riverTop));
    s.flat(rectPath(0, riverTop, designWidth, designHeight - riverTop),
           Sketch::vertical(QColor(80, 140, 200), QColor(40, 90, 160), riverTop, designHeight));
    s.line(QPointF(0, riverTop), QPointF(designWidth, riverTop), 2.5, QColor(70, 110, 60));
    QColor ripple(220, 238, 252, 150);
    int n = 0;
    for (double y = riverTop + 12; y < designHeight; y += 14, ++n)
        for (double x = 20 + (n % 3) * 40; x < designWidth; x += 120) {
            QPainterPath wave(QPointF(x, y));
            wave.quadTo(x + 10, y - 4, x + 20, y);
            wave.quadTo(x + 30, y + 4, x + 40, y);
            s.line(wave, 1.6, ripple);
        }
}

void barge(Sketch& s, QPointF c) {
    QPainterPath hull;
    hull.moveTo(c.x() - 110, c.y() - 22);
    hull.quadTo(c.x() - 100, c.y() + 6, c.x() - 70, c.y() + 8);
    hull.lineTo(c.x() + 76, c.y() + 8);
    hull.quadTo(c.x() + 104, c.y() + 4, c.x() + 116, c.y() - 26);
    hull.lineTo(c.x() + 96, c.y() - 10);
    hull.lineTo(c.x() - 92, c.y() - 10);
    hull.closeSubpath();
    s.flat(ellipsePath(QPointF(c.x() + 4, c.y() + 16), 104, 7), QBrush(QColor(20, 50, 110, 90)));
    Person king;
    king.role = Role::King;
    king.hat = Hat::Crown;
    king.beard = true;
    king.stature = 50;
    king.hair = QColor(150, 82, 40);
    king.main = QColor(176, 30, 42);
    Person queen;
    queen.role = Role::Queen;
    queen.hat = Hat::Crown;
    queen.stature = 46;
    queen.main = QColor(122, 44, 134);
    queen.second = QColor(246, 222, 160);
    const double ink = s.inkWidth();
    s.setInkWidth(0.8);
    paintPerson(s, QPointF(c.x() - 10, c.y() + 2), king);
    paintPerson(s, QPointF(c.x() + 20, c.y() + 2), queen);
    s.setInkWidth(ink);
    s.shape(hull, QColor(176, 30, 42));
    s.shape(rectPath(c.x() - 92, c.y() - 12, 188, 4), QColor(130, 90, 50));
    s.line(QPointF(c.x() - 92, c.y() - 4), QPointF(c.x() + 96, c.y() - 4), 2.5, goldLeaf);
    for (double x = c.x() - 60; x < c.x() + 80; x += 20)
        s.dot(QPointF(x, c.y() + 2), 2.0, goldLeaf);
    QPainterPath canopy;
    canopy.moveTo(c.x() - 40, c.y() - 62);
    canopy.quadTo(c.x() + 5, c.y() - 84, c.x() + 50, c.y() - 62);
    canopy.closeSubpath();
    for (double x : {c.x() - 36, c.x() + 46})
        s.line(QPointF(x, c.y() - 62), QPointF(x, c.y() - 10), 2.5, goldLeaf);
    s.shape(canopy, goldLeaf);
    s.shape(rectPath(c.x() - 42, c.y() - 64, 94, 7), QColor(176, 30, 42));
    scenery::flag(s, QPointF(c.x() + 108, c.y() - 22), 34, 24);
}

void swan(Sketch& s, QPointF c, double size) {
    QPainterPath body;
    body.moveTo(c.x() - size, c.y());
    body.quadTo(c.x() - size * 0.9, c.y() - size * 0.7, c.x() - size * 0.2, c.y() - size * 0.45);
    body.lineTo(c.x() + size * 0.55, c.y() - size * 0.4);
    body.quadTo(c.x() + size * 0.8, c.y() + size * 0.1, c.x() + size * 0.3, c.y() + size * 0.15);
    body.lineTo(c.x() - size * 0.8, c.y() + size * 0.15);
    body.closeSubpath();
    QPainterPath neck(QPointF(c.x() + size * 0.45, c.y() - size * 0.35));
    neck.cubicTo(c.x() + size * 0.75, c.y() - size * 0.9, c.x() + size * 0.4, c.y() - size * 1.2,
                 c.x() + size * 0.62, c.y() - size * 1.35);
    s.limb(neck, size * 0.16, Qt::white);
    s.shape(body, QColor(250, 250, 250));
    s.shape(polygonPath({{c.x() + size * 0.66, c.y() - size * 1.42},
                         {c.x() + size * 0.9, c.y() - size * 1.3},
                         {c.x() + size * 0.66, c.y() - size * 1.26}}),
            QColor(240, 140, 40));
}

} // namespace

QImage palace(QSize size) {
    QImage image(size, QImage::Format_RGB32);
    QPainter painter(&image);
    const double k = size.height() / designHeight;
    painter.translate((size.width() - designWidth * k) / 2, 0);
    painter.scale(k, k);
    Sketch s(painter, 1.4);
    skyAndHills(s);
    scenery::tree(s, QPointF(40, bankY + 4), 130, QColor(70, 140, 60));
    scenery::tree(s, QPointF(722, bankY + 4), 120, QColor(80, 146, 64));
    wing(s, 150, 330, 196, 178, 292);
    wing(s, 430, 610, 196, 468, 582);
    roundTower(s, 150, 170, 46);
    roundTower(s, 610, 170, 46);
    gatehouse(s);
    scenery::tree(s, QPointF(96, bankY + 12), 96, QColor(90, 156, 70));
    scenery::tree(s, QPointF(672, bankY + 14), 88, QColor(74, 140, 60));
    river(s);
    s.shape(polygonPath({{358, bankY}, {402, bankY}, {436, riverTop + 1}, {324, riverTop + 1}}),
            QColor(196, 188, 172));
    for (double y = bankY + 8; y < riverTop; y += 8)
        s.line(QPointF(380 - 22 - (y - bankY) * 1.0, y), QPointF(380 + 22 + (y - bankY) * 1.0, y),
               0.8, QColor(150, 142, 128));
    barge(s, QPointF(300, 418));
    swan(s, QPointF(600, 404), 16);
    swan(s, QPointF(640, 424), 13);
    return image;
}

} // namespace pictures
