#include "Figure.h"
#include "Pictures.h"
#include "Scenery.h"

#include <QLinearGradient>

#include <cmath>

namespace pictures {
namespace {

// Where the picture lies on the rich-and-poor labelling screen, in twips.
constexpr double pictureLeftTwips = 165;
constexpr double designWidth = 778;
constexpr double designHeight = 325;

struct Stage {
    double w, h, k, ground;
    double x(double fraction) const { return w * fraction; }
};

void sky(Sketch& s, const Stage& st) {
    s.flat(rectPath(0, 0, st.w, st.h),
           Sketch::vertical(QColor(104, 168, 232), QColor(206, 232, 248), 0, st.ground * 0.8));
    QRadialGradient sun(QPointF(st.x(0.55), 38 * st.k), 34 * st.k);
    sun.setColorAt(0, QColor(255, 246, 190));
    sun.setColorAt(0.45, QColor(255, 230, 120));
    sun.setColorAt(1, QColor(255, 230, 120, 0));
    s.flat(ellipsePath(QPointF(st.x(0.55), 38 * st.k), 34 * st.k, 34 * st.k), QBrush(sun));
    scenery::cloud(s, QPointF(st.x(0.42), 34 * st.k), 70 * st.k);
    scenery::cloud(s, QPointF(st.x(0.7), 24 * st.k), 56 * st.k);
    QPainterPath hills(QPointF(0, st.ground - 70 * st.k));
    hills.cubicTo(st.x(0.2), st.ground - 110 * st.k, st.x(0.45), st.ground - 60 * st.k, st.x(0.62),
                  st.ground - 96 * st.k);
    hills.cubicTo(st.x(0.8), st.ground - 124 * st.k, st.x(0.92), st.ground - 80 * st.k, st.w,
                  st.ground - 90 * st.k);
    hills.lineTo(st.w, st.ground);
    hills.lineTo(0, st.ground);
    hills.closeSubpath();
    s.shape(hills, QColor(120, 176, 96));
}

void bricks(Sketch& s, const QRectF& wall, double k) {
    s.shape(rectPath(wall.x(), wall.y(), wall.width(), wall.height()), QColor(176, 82, 58));
    QPainter& p = s.painter();
    p.save();
    p.setClipRect(wall);
    const QColor mortar(226, 190, 160, 120);
    int row = 0;
    for (double y = wall.top() + 6 * k; y < wall.bottom(); y += 6 * k, ++row) {
        s.line(QPointF(wall.left(), y), QPointF(wall.right(), y), 0.6 * k, mortar);
        for (double x = wall.left() + (row % 2) * 7 * k; x < wall.right(); x += 14 * k)
            s.line(QPointF(x, y - 6 * k), QPointF(x, y), 0.6 * k, mortar);
    }
    p.restore();
    for (double side : {wall.left(), wall.right() - 9 * k}) {
        int n = 0;
        for (double y = wall.top(); y < wall.bottom() - 2; y += 9 * k, ++n)
            s.shape(rectPath(side - (n % 2 ? 0 : 2 * k), y, (n % 2 ? 9 : 11) * k, 9 * k),
                    QColor(232, 216, 186));
    }
}

void glassWindow(Sketch& s, const QRectF& r, double k) {
    s.shape(rectPath(r.x() - 3 * k, r.y() - 3 * k, r.width() + 6 * k, r.height() + 6 * k),
            QColor(232, 216, 186));
    QLinearGradient g(r.topLeft(), r.bottomRight());
    g.setColorAt(0, QColor(190, 226, 246));
    g.setColorAt(1, QColor(90, 140, 190));
    s.shape(rectPath(r.x(), r.y(), r.width(), r.height()), QBrush(g));
    s.line(QPointF(r.center().x(), r.top()), QPointF(r.center().x(), r.bottom()), 2.2 * k,
           QColor(232, 216, 186));
    s.line(QPointF(r.left(), r.center().y()), QPointF(r.right(), r.center().y()), 1.6 * k,
           QColor(232, 216, 186));
    s.line(QPointF(r.left() + r.width() * 0.2, r.bottom() - 2 * k),
           QPointF(r.left() + r.width() * 0.42, r.top() + 2 * k), 1.4 * k,
           QColor(255, 255, 255, 150));
}

void brickManor(Sketch& s, const Stage& st, double x0, double x1) {
    const double k = st.k;
    const double wallTop = st.ground - 150 * k;
    const double ridge = wallTop - 62 * k;
    for (double cx : {x0 + (x1 - x0) * 0.22, x0 + (x1 - x0) * 0.8}) {
        s.shape(rectPath(cx - 7 * k, ridge - 26 * k, 14 * k, 60 * k), QColor(168, 76, 54));
        s.shape(rectPath(cx - 9 * k, ridge - 30 * k, 18 * k, 6 * k), QColor(232, 216, 186));
    }
    s.shape(polygonPath({{x0 - 8 * k, wallTop + 2 * k},
                         {x0 + (x1 - x0) * 0.16, ridge},
                         {x1 - (x1 - x0) * 0.16, ridge},
                         {x1 + 8 * k, wallTop + 2 * k}}),
            QColor(92, 98, 120));
    for (double y = ridge + 10 * k; y < wallTop; y += 10 * k)
        s.line(QPointF(x0 + (x1 - x0) * 0.16 - (y - ridge) * 0.4, y),
               QPointF(x1 - (x1 - x0) * 0.16 + (y - ridge) * 0.4, y), 0.8 * k, QColor(70, 74, 92));
    bricks(s, QRectF(x0, wallTop, x1 - x0, st.ground - wallTop), k);
    const int columns = std::max(2, int((x1 - x0) / (52 * k)));
    const double pitch = (x1 - x0) / columns;
    for (int c = 0; c < columns; ++c)
        for (double y : {wallTop + 16 * k, wallTop + 76 * k})
            glassWindow(s, QRectF(x0 + pitch * (c + 0.5) - 14 * k, y, 28 * k, 40 * k), k);
}

void cottage(Sketch& s, const Stage& st, double x0, double x1) {
    const double k = st.k;
    const double eaves = st.ground - 112 * k;
    const double ridge = eaves - 92 * k;
    const double w = x1 - x0;
    const QRectF wall(x0, eaves - 6 * k, w, st.ground - eaves + 6 * k);
    s.shape(rectPath(wall.x(), wall.y(), wall.width(), wall.height()), QColor(234, 222, 190));
    // A bare patch where the daub has fallen away from the woven wattle.
    QPainterPath bare = ellipsePath(QPointF(x0 + w * 0.16, st.ground - 44 * k), 16 * k, 11 * k);
    s.shape(bare, QColor(150, 108, 64));
    s.painter().save();
    s.painter().setClipPath(bare);
    for (double y = st.ground - 58 * k; y < st.ground - 30 * k; y += 4 * k)
        s.line(QPointF(x0, y), QPointF(x0 + w * 0.4, y + 2 * k), 1.2 * k, QColor(112, 76, 44));
    s.painter().restore();
    const QColor beam(96, 64, 40);
    for (double f : {0.0, 0.3, 0.62, 1.0})
        s.line(QPointF(x0 + w * f, wall.top()), QPointF(x0 + w * f, st.ground), 5 * k, beam);
    s.line(QPointF(x0, st.ground - 58 * k), QPointF(x1, st.ground - 58 * k), 4 * k, beam);
    s.line(QPointF(x0 + w * 0.62, st.ground - 58 * k), QPointF(x0 + w, wall.top()), 4 * k, beam);
    // Door, open window with shutters and no glass.
    const QRectF door(x0 + w * 0.38, st.ground - 74 * k, 32 * k, 74 * k);
    s.shape(rectPath(door.x(), door.y(), door.width(), door.height()), QColor(124, 84, 50));
    for (double x = door.left() + 8 * k; x < door.right(); x += 8 * k)
        s.line(QPointF(x, door.top() + 2 * k), QPointF(x, door.bottom()), 0.8 * k, beam);
    s.dot(QPointF(door.right() - 6 * k, door.center().y()), 2 * k, QColor(60, 60, 60));
    const QRectF hole(x0 + w * 0.75, st.ground - 86 * k, 30 * k, 22 * k);
    s.shape(rectPath(hole.x(), hole.y(), hole.width(), hole.height()), QColor(46, 32, 26));
    for (double side : {-1.0, 1.0}) {
        const double x = side < 0 ? hole.left() - 14 * k : hole.right();
        s.shape(rectPath(x, hole.top(), 14 * k, hole.height()), QColor(120, 140, 96));
    }
    // The thatch: thick, round-edged, reaching low over the walls.
    QPainterPath thatch;
    thatch.moveTo(x0 - 18 * k, eaves + 4 * k);
    thatch.cubicTo(x0 + w * 0.05, ridge + 20 * k, x0 + w * 0.2, ridge, x0 + w * 0.5, ridge);
    thatch.cubicTo(x1 - w * 0.2, ridge, x1 - w * 0.05, ridge + 20 * k, x1 + 18 * k, eaves + 4 * k);
    thatch.quadTo(x1 + 6 * k, eaves + 14 * k, x1 - 10 * k, eaves + 10 * k);
    thatch.lineTo(x0 + 10 * k, eaves + 10 * k);
    thatch.quadTo(x0 - 6 * k, eaves + 14 * k, x0 - 18 * k, eaves + 4 * k);
    thatch.closeSubpath();
    s.shape(thatch, QColor(204, 160, 86));
    s.painter().save();
    s.painter().setClipPath(thatch);
    int n = 0;
    for (double y = ridge + 6 * k; y < eaves + 12 * k; y += 7 * k)
        for (double x = x0 - 16 * k + (n++ % 2) * 5 * k; x < x1 + 18 * k; x += 10 * k)
            s.line(QPointF(x, y), QPointF(x + 1.5 * k, y + 7 * k), 1.0 * k,
                   QColor(160, 118, 58, 170));
    s.painter().restore();
    s.line(QPointF(x0 + w * 0.18, ridge + 9 * k), QPointF(x1 - w * 0.18, ridge + 9 * k), 3 * k,
           QColor(176, 132, 66));
    for (int i = 0; i < 4; ++i) {
        QColor puff(236, 236, 240, 190 - i * 35);
        s.flat(ellipsePath(QPointF(x0 + w * 0.47 + i * 5 * k, ridge - 8 * k - i * 15 * k),
                           (7 + i * 3) * k, (6 + i * 2.5) * k),
               QBrush(puff));
    }
    QPainterPath bucket;
    bucket.moveTo(x0 + w * 0.3 - 1 * k, st.ground - 24 * k);
    bucket.lineTo(x0 + w * 0.3 + 21 * k, st.ground - 24 * k);
    bucket.lineTo(x0 + w * 0.3 + 18 * k, st.ground - 2 * k);
    bucket.lineTo(x0 + w * 0.3 + 2 * k, st.ground - 2 * k);
    bucket.closeSubpath();
    s.shape(bucket, QColor(150, 104, 60));
    for (double y : {-18.0, -8.0})
        s.line(QPointF(x0 + w * 0.3, st.ground + y * k),
               QPointF(x0 + w * 0.3 + 20 * k, st.ground + y * k), 1.4 * k, QColor(80, 80, 84));
}

void timberHouse(Sketch& s, const Stage& st, double x0, double x1) {
    const double k = st.k;
    const double w = x1 - x0;
    const double jetty = st.ground - 100 * k;
    const double upperTop = jetty - 80 * k;
    const double ridge = upperTop - 64 * k;
    const QColor plaster(246, 240, 226);
    const QColor oak(58, 40, 34);
    s.shape(rectPath(x0 + w * 0.7, ridge - 4 * k, 14 * k, 50 * k), QColor(168, 76, 54));
    s.shape(polygonPath({{x0 - 10 * k, upperTop + 2 * k},
                         {x0 + w * 0.5, ridge},
                         {x1 + 10 * k, upperTop + 2 * k}}),
            QColor(150, 66, 50));
    for (double y = ridge + 12 * k; y < upperTop; y += 9 * k) {
        const double half = (y - ridge) / (upperTop - ridge) * (w / 2 + 10 * k);
        s.line(QPointF(x0 + w / 2 - half, y), QPointF(x0 + w / 2 + half, y), 0.8 * k,
               QColor(118, 50, 38));
    }
    s.shape(rectPath(x0 + 6 * k, jetty, w - 12 * k, st.ground - jetty), plaster);
    s.shape(rectPath(x0 - 6 * k, upperTop, w + 12 * k, jetty - upperTop + 4 * k), plaster);
    for (double x = x0 + 6 * k; x <= x1 - 5 * k; x += 12 * k)
        s.line(QPointF(x, jetty + 4 * k), QPointF(x, st.ground), 3.2 * k, oak);
    for (double x = x0 - 6 * k; x <= x1 + 7 * k; x += 12 * k)
        s.line(QPointF(x, upperTop), QPointF(x, jetty + 4 * k), 3.2 * k, oak);
    s.line(QPointF(x0 - 8 * k, jetty + 3 * k), QPointF(x1 + 8 * k, jetty + 3 * k), 6 * k, oak);
    s.line(QPointF(x0 - 8 * k, upperTop), QPointF(x1 + 8 * k, upperTop), 5 * k, oak);
    for (double f : {0.2, 0.8}) {
        const QRectF r(x0 + w * f - 20 * k, upperTop + 18 * k, 40 * k, 42 * k);
        glassWindow(s, r, k);
        glassWindow(s, QRectF(r.x(), jetty + 24 * k, r.width(), 40 * k), k);
    }
}

void ground(Sketch& s, const Stage& st) {
    s.flat(rectPath(0, st.ground, st.w, st.h - st.ground),
           Sketch::vertical(QColor(140, 170, 96), QColor(110, 140, 70), st.ground, st.h));
    // A paved walk before the rich houses, a muddy lane before the cottage.
    for (auto [a, b] : {std::pair{0.0, 0.3}, std::pair{0.76, 1.0}}) {
        const QRectF path(st.x(a), st.ground + 2 * st.k, st.x(b) - st.x(a), st.h - st.ground);
        s.flat(rectPath(path.x(), path.y(), path.width(), path.height()),
               QBrush(QColor(196, 190, 176)));
        for (double y = path.top() + 6 * st.k; y < st.h; y += 7 * st.k)
            s.line(QPointF(path.left(), y), QPointF(path.right(), y), 0.8 * st.k,
                   QColor(150, 144, 130));
    }
    QPainterPath mud;
    mud.moveTo(st.x(0.32), st.h);
    mud.quadTo(st.x(0.5), st.ground - 4 * st.k, st.x(0.74), st.h);
    mud.closeSubpath();
    s.flat(mud, QBrush(QColor(140, 104, 70)));
    s.flat(ellipsePath(QPointF(st.x(0.47), st.h - 5 * st.k), 18 * st.k, 3.5 * st.k),
           QBrush(QColor(150, 186, 214)));
    for (double f : {0.31, 0.345, 0.74, 0.755}) {
        QPainterPath tuft(QPointF(st.x(f), st.ground + 10 * st.k));
        tuft.lineTo(st.x(f) - 3 * st.k, st.ground + 1 * st.k);
        tuft.moveTo(st.x(f), st.ground + 10 * st.k);
        tuft.lineTo(st.x(f) + 2 * st.k, st.ground);
        s.line(tuft, 1.2 * st.k, QColor(70, 120, 50));
    }
}

Person richWoman(double stature) {
    Person p;
    p.role = Role::RichWoman;
    p.hat = Hat::Hood;
    p.holds = Holds::Fan;
    p.stature = stature;
    p.hair = QColor(120, 72, 38);
    p.main = QColor(112, 40, 126);
    p.second = QColor(246, 210, 130);
    return p;
}

Person poorMan(double stature) {
    Person p;
    p.role = Role::PoorMan;
    p.hat = Hat::StrawHat;
    p.holds = Holds::Spade;
    p.beard = true;
    p.stature = stature;
    p.skin = QColor(226, 180, 140);
    p.hair = QColor(104, 72, 46);
    p.main = QColor(124, 134, 84);
    p.second = QColor(112, 82, 56);
    p.trim = QColor(150, 112, 72);
    return p;
}

Person poorWoman(double stature) {
    Person p;
    p.role = Role::PoorWoman;
    p.hat = Hat::Coif;
    p.holds = Holds::Basket;
    p.stature = stature;
    p.skin = QColor(236, 190, 152);
    p.hair = QColor(140, 96, 60);
    p.main = QColor(142, 92, 68);
    p.trim = QColor(112, 122, 142);
    return p;
}

Person richMan(double stature) {
    Person p;
    p.role = Role::RichMan;
    p.hat = Hat::FeatherCap;
    p.holds = Holds::Cane;
    p.ruff = true;
    p.beard = true;
    p.stature = stature;
    p.hair = QColor(58, 40, 30);
    p.main = QColor(30, 92, 64);
    p.second = QColor(200, 58, 58);
    return p;
}

} // namespace

QImage richPoor(QSize size, double figureScale) {
    QImage image(size, QImage::Format_RGB32);
    QPainter painter(&image);
    const double k = size.height() / designHeight;
    Sketch s(painter, 1.4 * k);
    const Stage st{double(size.width()), double(size.height()), k, size.height() - 30 * k};
    sky(s, st);
    brickManor(s, st, st.x(0.0) - 10 * k, st.x(0.28));
    timberHouse(s, st, st.x(0.78), st.x(1.0) + 12 * k);
    cottage(s, st, st.x(0.34), st.x(0.72));
    ground(s, st);

    // Each person stands above their own name box on the labelling screen, left to right:
    // rich woman, poor man, poor woman, rich man.
    const auto& boxes = richPoorBoxes();
    auto at = [&](int index) {
        return boxCentreX(boxes[size_t(index)], pictureLeftTwips) / designWidth * st.w;
    };
    const double feet = st.h - 7 * k;
    const double f = k * figureScale;
    const Person people[] = {poorWoman(262 * f), richMan(282 * f), poorMan(276 * f),
                             richWoman(270 * f)};
    scenery::chicken(s, QPointF((at(2) + at(0)) / 2 + 6 * k, feet - 2 * k), 30 * k, true);
    for (int i : {3, 2, 0, 1}) {
        scenery::shadow(painter, QPointF(at(i), feet + 1 * k), people[i].stature * 0.2, 6 * k);
        paintPerson(s, QPointF(at(i), feet), people[i]);
    }
    return image;
}

} // namespace pictures
