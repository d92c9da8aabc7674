#include "Pictures.h"
#include "Scenery.h"

#include <QLinearGradient>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>

namespace pictures {
namespace {

// The scene is drawn in an 800 by 408 design space: the labelling board's picture, which lies
// from the board's left edge, 720 twips down.
constexpr double designWidth = 800;
constexpr double designHeight = 408;
constexpr double pictureLeftTwips = 0;
constexpr double pictureTopTwips = 720;
constexpr double seaTop = 292;
constexpr double waterline = 336;

const QColor oak(150, 96, 52);
const QColor darkOak(104, 64, 34);
const QColor canvas(246, 236, 208);
const QColor rope(120, 92, 60);
const QColor iron(70, 74, 80);

// The part each label names, as a point of the ship in design pixels.
const std::vector<ShipPart>& parts() {
    static const std::vector<ShipPart> list = {
        {QStringLiteral("Crow's Nest"), {402, 101}, {}}, {QStringLiteral("Mast"), {402, 128}, {}},
        {QStringLiteral("Sail"), {560, 160}, {}},        {QStringLiteral("Hull"), {360, 308}, {}},
        {QStringLiteral("Bow"), {636, 250}, {}},         {QStringLiteral("Stern"), {182, 200}, {}},
        {QStringLiteral("Rudder"), {198, 316}, {}},      {QStringLiteral("Anchor"), {602, 306}, {}},
    };
    return list;
}

void skyAndSea(Sketch& s, double width) {
    s.flat(rectPath(-width, 0, width * 3, seaTop),
           Sketch::vertical(QColor(92, 156, 228), QColor(214, 236, 250), 0, seaTop));
    QRadialGradient sun(QPointF(90, 58), 46);
    sun.setColorAt(0, QColor(255, 248, 200));
    sun.setColorAt(0.5, QColor(255, 232, 120));
    sun.setColorAt(1, QColor(255, 232, 120, 0));
    s.flat(ellipsePath(QPointF(90, 58), 46, 46), QBrush(sun));
    scenery::cloud(s, QPointF(120, 150), 90);
    scenery::cloud(s, QPointF(700, 60), 96);
    scenery::cloud(s, QPointF(290, 36), 64);
    // A far headland, and a second ship on the horizon.
    QPainterPath land(QPointF(640, seaTop));
    land.cubicTo(680, seaTop - 26, 740, seaTop - 30, 860, seaTop - 18);
    land.lineTo(860, seaTop);
    land.closeSubpath();
    s.shape(land, QColor(128, 164, 132));
    s.flat(rectPath(-width, seaTop, width * 3, designHeight - seaTop + 40),
           Sketch::vertical(QColor(70, 132, 196), QColor(28, 76, 142), seaTop, designHeight));
    s.line(QPointF(-width, seaTop), QPointF(width * 2, seaTop), 1.5, QColor(200, 226, 246));
}

void distantShip(Sketch& s, QPointF c) {
    const double ink = s.inkWidth();
    s.setInkWidth(0.7);
    s.shape(polygonPath({c + QPointF(-16, -4), c + QPointF(16, -5), c + QPointF(11, 2),
                         c + QPointF(-12, 2)}),
            darkOak);
    s.line(c + QPointF(0, -4), c + QPointF(0, -26), 1, darkOak);
    s.shape(polygonPath({c + QPointF(-7, -23), c + QPointF(7, -23), c + QPointF(8, -9),
                         c + QPointF(-8, -9)}),
            canvas);
    s.setInkWidth(ink);
}

void waves(Sketch& s, double from, double to) {
    const QColor crest(222, 238, 252, 160);
    int n = 0;
    for (double y = seaTop + 10; y < designHeight + 20; y += 13, ++n)
        for (double x = from + (n % 3) * 36; x < to; x += 110) {
            QPainterPath wave(QPointF(x, y));
            wave.quadTo(x + 10, y - 4, x + 20, y);
            wave.quadTo(x + 30, y + 4, x + 40, y);
            s.line(wave, 1.6, crest);
        }
}

// A square sail hanging from its yard, bellied forward by the wind.
void squareSail(Sketch& s, double cx, double top, double bottom, double halfTop,
                double halfBottom) {
    QPainterPath sail;
    sail.moveTo(cx - halfTop, top);
    sail.lineTo(cx + halfTop, top);
    sail.cubicTo(cx + halfTop + 8, top + (bottom - top) * 0.4, cx + halfBottom + 6,
                 top + (bottom - top) * 0.8, cx + halfBottom, bottom);
    sail.quadTo(cx, bottom - 12, cx - halfBottom, bottom);
    sail.cubicTo(cx - halfBottom - 4, top + (bottom - top) * 0.8, cx - halfTop - 6,
                 top + (bottom - top) * 0.4, cx - halfTop, top);
    sail.closeSubpath();
    QLinearGradient g(cx - halfBottom, 0, cx + halfBottom, 0);
    g.setColorAt(0, canvas.darker(112));
    g.setColorAt(0.35, canvas.lighter(104));
    g.setColorAt(1, canvas.darker(120));
    s.shape(sail, QBrush(g));
    for (double f : {-0.5, 0.0, 0.5})
        s.line(QPointF(cx + f * halfTop, top + 3), QPointF(cx + f * halfBottom, bottom - 8), 0.8,
               QColor(200, 186, 150));
    s.limb(
        [&] {
            QPainterPath yard(QPointF(cx - halfTop - 10, top));
            yard.lineTo(cx + halfTop + 10, top);
            return yard;
        }(),
        3, darkOak);
}

void mast(Sketch& s, double x, double foot, double top, double width) {
    s.shape(polygonPath({{x - width / 2, foot},
                         {x - width * 0.3, top},
                         {x + width * 0.3, top},
                         {x + width / 2, foot}}),
            QColor(176, 120, 64));
}

// The lookout's basket at the head of the lower mast.
void crowsNest(Sketch& s, double x, double y) {
    s.shape(polygonPath({{x - 17, y - 10}, {x + 17, y - 10}, {x + 12, y + 8}, {x - 12, y + 8}}),
            oak);
    for (double dx = -10; dx <= 10; dx += 5)
        s.line(QPointF(x + dx, y - 8), QPointF(x + dx * 0.8, y + 6), 0.9, darkOak);
    s.shape(rectPath(x - 19, y - 13, 38, 4), darkOak);
}

void pennant(Sketch& s, QPointF top, double length) {
    QPainterPath cloth(top);
    cloth.cubicTo(top + QPointF(length * 0.3, -6), top + QPointF(length * 0.6, 6),
                  top + QPointF(length, 0));
    cloth.lineTo(top + QPointF(length * 0.62, 8));
    cloth.quadTo(top + QPointF(length * 0.3, 10), top + QPointF(0, 9));
    cloth.closeSubpath();
    s.shape(cloth, QColor(196, 34, 44));
}

void shrouds(Sketch& s, QPointF top, double left, double right, double deck) {
    for (double foot : {left, left + 10, right - 10, right}) {
        s.line(top, QPointF(foot, deck), 1.1, rope);
    }
    for (double t = 0.18; t < 0.95; t += 0.12) {
        const double y = top.y() + (deck - top.y()) * t;
        s.line(QPointF(top.x() + (left - top.x()) * t, y),
               QPointF(top.x() + (left + 10 - top.x()) * t, y), 0.8, rope);
        s.line(QPointF(top.x() + (right - 10 - top.x()) * t, y),
               QPointF(top.x() + (right - top.x()) * t, y), 0.8, rope);
    }
}

void anchor(Sketch& s, QPointF ring, double h) {
    const QPointF crown = ring + QPointF(0, h);
    s.limb(
        [&] {
            QPainterPath shank(ring + QPointF(0, 4));
            shank.lineTo(crown);
            return shank;
        }(),
        2.6, iron);
    s.limb(
        [&] {
            QPainterPath stock(ring + QPointF(-10, 9));
            stock.lineTo(ring + QPointF(10, 9));
            return stock;
        }(),
        2.2, darkOak);
    QPainterPath arms(crown + QPointF(-13, -10));
    arms.quadTo(crown + QPointF(-11, 2), crown);
    arms.quadTo(crown + QPointF(11, 2), crown + QPointF(13, -10));
    s.limb(arms, 2.6, iron);
    for (double side : {-1.0, 1.0})
        s.shape(polygonPath({crown + QPointF(side * 13, -10), crown + QPointF(side * 17, -13),
                             crown + QPointF(side * 12, -15)}),
                iron);
    s.shape(ellipsePath(ring, 3.5, 3.5), QBrush(Qt::NoBrush));
}

void hull(Sketch& s) {
    // From the high castle at the stern, down to the water, along it and up to the bow.
    QPainterPath body;
    body.moveTo(168, 172);
    body.lineTo(292, 176);
    body.lineTo(300, 226);
    body.quadTo(420, 236, 520, 222);
    body.lineTo(528, 196);
    body.lineTo(612, 194);
    body.quadTo(626, 220, 646, 240);
    body.quadTo(630, 300, 584, 344);
    body.lineTo(218, 344);
    body.quadTo(190, 300, 178, 260);
    body.closeSubpath();
    QLinearGradient g(0, 170, 0, 344);
    g.setColorAt(0, QColor(176, 118, 62));
    g.setColorAt(1, QColor(112, 70, 36));
    s.shape(body, QBrush(g));
    // The wales, curving with the deck line.
    for (double dy : {0.0, 18.0, 34.0}) {
        QPainterPath wale(QPointF(186, 262 + dy * 0.9));
        wale.quadTo(420, 276 + dy, 628, 256 + dy * 0.8);
        s.line(wale, 3, darkOak);
    }
    // Red and gold bands along the castles, and a row of gun ports in the waist.
    s.line(QPointF(172, 182), QPointF(292, 186), 5, QColor(176, 30, 42));
    s.line(QPointF(530, 204), QPointF(614, 202), 5, QColor(176, 30, 42));
    s.line(QPointF(300, 234), QPointF(520, 230), 3, QColor(236, 188, 54));
    for (double x = 318; x < 510; x += 38)
        s.shape(rectPath(x, 244, 13, 11), QColor(40, 26, 20));
    for (double x = 196; x < 288; x += 26)
        s.shape(rectPath(x, 198, 12, 14, 5), QColor(120, 170, 210));
    // The stern lantern.
    s.line(QPointF(176, 172), QPointF(176, 156), 1.6, iron);
    s.shape(rectPath(170, 142, 12, 15, 3), QColor(250, 214, 110));
}

void rudder(Sketch& s) {
    // Hung on the stern post, below the castle, and reaching down into the water.
    s.shape(polygonPath({{176, 246}, {188, 244}, {224, 348}, {196, 352}}), QColor(126, 80, 42));
    for (double y : {272.0, 302.0, 330.0})
        s.line(QPointF(176 + (y - 246) * 0.2, y), QPointF(190 + (y - 246) * 0.33, y), 1.6, iron);
}

// The lateen sail of the mizzen: a triangle under a long slanting yard.
void mizzen(Sketch& s) {
    mast(s, 228, 176, 144, 6);
    QPainterPath sail;
    sail.moveTo(192, 172);
    sail.lineTo(256, 144);
    sail.quadTo(250, 166, 232, 176);
    sail.closeSubpath();
    s.shape(sail, canvas);
    s.limb(
        [] {
            QPainterPath yard(QPointF(184, 178));
            yard.lineTo(262, 140);
            return yard;
        }(),
        2.2, darkOak);
}

void paintShip(Sketch& s) {
    // Stays, behind the masts and sails.
    s.line(QPointF(402, 30), QPointF(545, 98), 1.0, rope);
    s.line(QPointF(545, 98), QPointF(730, 190), 1.0, rope);
    s.line(QPointF(402, 101), QPointF(545, 196), 1.0, rope);
    mizzen(s);
    // Main mast, lower and top, with its crow's nest between.
    mast(s, 402, 232, 100, 11);
    mast(s, 402, 100, 24, 6);
    pennant(s, QPointF(402, 24), 40);
    // Fore mast.
    mast(s, 545, 200, 100, 9);
    mast(s, 545, 100, 56, 5);
    pennant(s, QPointF(545, 56), 30);
    // The bowsprit, running forward from the bow.
    s.limb(
        [] {
            QPainterPath spar(QPointF(606, 206));
            spar.lineTo(734, 186);
            return spar;
        }(),
        4, QColor(176, 120, 64));
    shrouds(s, QPointF(402, 104), 338, 466, 232);
    shrouds(s, QPointF(545, 104), 508, 590, 204);
    squareSail(s, 402, 44, 92, 34, 40);
    crowsNest(s, 402, 101);
    squareSail(s, 402, 142, 214, 54, 62);
    squareSail(s, 545, 66, 94, 24, 28);
    squareSail(s, 545, 122, 190, 42, 48);
    hull(s);
    rudder(s);
    anchor(s, QPointF(602, 262), 52);
    // Foam at the bow and along the waterline.
    QColor foam(240, 248, 255, 200);
    s.line(QPointF(214, waterline + 4), QPointF(592, waterline + 4), 4, foam);
    QPainterPath wash(QPointF(586, waterline + 6));
    wash.quadTo(624, waterline - 4, 664, waterline + 8);
    s.line(wash, 3, foam);
}

QPointF nearestOnBox(const QRectF& box, QPointF to) {
    return {std::clamp(to.x(), box.left(), box.right()),
            std::clamp(to.y(), box.top(), box.bottom())};
}

// A thin pointer from the edge of each label's box to the part it names, ending in a dot.
void pointers(Sketch& s) {
    for (const ShipPart& part : shipParts()) {
        if (part.box.isNull())
            continue;
        const QPointF from = nearestOnBox(part.box, part.point);
        s.line(from, part.point, 3.4, QColor(255, 255, 255, 220));
        s.line(from, part.point, 1.6, QColor(30, 30, 40));
        s.dot(part.point, 3.6, QColor(255, 214, 40));
    }
}

void paintScene(QPainter& painter, QSize size, double scale, QPointF offset, bool withPointers) {
    painter.translate(offset);
    painter.scale(scale, scale);
    Sketch s(painter, 1.4);
    const double visibleWidth = size.width() / scale;
    skyAndSea(s, std::max(visibleWidth, designWidth));
    distantShip(s, QPointF(86, seaTop - 2));
    waves(s, -offset.x() / scale - 40, visibleWidth + 40);
    paintShip(s);
    if (withPointers)
        pointers(s);
}

} // namespace

std::vector<ShipPart> shipParts() {
    std::vector<ShipPart> list = parts();
    const double w = 1845 / twipsPerPixel;
    const double h = 375 / twipsPerPixel;
    for (const NameBox& box : shipBoxes())
        for (ShipPart& part : list)
            if (part.caption == box.caption)
                part.box = QRectF((box.left - pictureLeftTwips) / twipsPerPixel,
                                  (box.top - pictureTopTwips) / twipsPerPixel, w, h);
    return list;
}

QStringList checkShipBoxes() {
    QStringList problems;
    const std::vector<ShipPart> list = shipParts();
    const QRectF picture(0, 0, designWidth, designHeight);
    for (const NameBox& box : shipBoxes()) {
        const auto part = std::find_if(list.begin(), list.end(),
                                       [&](const ShipPart& p) { return p.caption == box.caption; });
        if (part == list.end()) {
            problems << QStringLiteral("the ship has no part called %1").arg(box.caption);
            continue;
        }
        if (!picture.contains(part->box))
            problems << QStringLiteral("the box of %1 is off the picture").arg(box.caption);
        if (part->box.contains(part->point))
            problems << QStringLiteral("the box of %1 hides its part").arg(box.caption);
        const QPointF gap = part->point - nearestOnBox(part->box, part->point);
        if (std::hypot(gap.x(), gap.y()) > 160)
            problems << QStringLiteral("the box of %1 is far from its part").arg(box.caption);
        for (const ShipPart& other : list)
            if (&other != &*part && other.box.intersects(part->box.adjusted(-4, -4, 4, 4)))
                problems << QStringLiteral("the box of %1 touches another").arg(box.caption);
    }
    return problems;
}

QImage ship(QSize size) {
    QImage image(size, QImage::Format_RGB32);
    QPainter painter(&image);
    const double k = size.height() / designHeight;
    paintScene(painter, size, k, QPointF((size.width() - designWidth * k) / 2, 0), false);
    return image;
}

QImage shipLabelling() {
    QImage image(int(designWidth), int(designHeight), QImage::Format_RGB32);
    QPainter painter(&image);
    paintScene(painter, image.size(), 1, QPointF(), true);
    return image;
}

} // namespace pictures
