#include "GlobeLand.h"
#include "Pictures.h"
#include "Sketch.h"

#include <QLinearGradient>

#include <cmath>
#include <vector>

namespace pictures {
namespace {

const QColor background(0, 78, 152); // the menus' own blue, so the picture blends in
constexpr double tiltDegrees = 23.5;
constexpr double viewLon = -28;
constexpr double viewLat = 24;
constexpr int oversample = 3;

struct Surface {
    bool land;
    QColor colour;
};

Surface surfaceAt(double lon, double lat) {
    if (!globeland::isLand(lon, lat)) {
        const double depth = std::clamp(std::abs(lat) / 90.0, 0.0, 1.0);
        return {false, QColor(34 + int(20 * depth), 112 - int(10 * depth), 200 - int(20 * depth))};
    }
    if (globeland::isIce(lon, lat))
        return {true, QColor(240, 246, 252)};
    if (globeland::isDesert(lon, lat))
        return {true, QColor(224, 198, 128)};
    if (std::abs(lat) > 58)
        return {true, QColor(150, 182, 122)};
    if (std::abs(lat) < 12)
        return {true, QColor(70, 156, 70)};
    return {true, QColor(108, 180, 84)};
}

double gridCloseness(double degrees, double spacing) {
    const double r = std::fmod(std::abs(degrees) + spacing / 2, spacing) - spacing / 2;
    return std::abs(r);
}

// Each pixel of the disc is turned back into longitude and latitude (orthographic view),
// coloured by what lies there, lit from the upper left, with coasts inked afterwards.
QImage sphere(int radius) {
    const int size = 2 * radius + 2;
    QImage out(size, size, QImage::Format_ARGB32);
    out.fill(Qt::transparent);
    std::vector<signed char> land(size_t(size * size), -1);
    const double t = tiltDegrees * M_PI / 180;
    const double phi0 = viewLat * M_PI / 180;
    const double lightX = -0.45, lightY = 0.55, lightZ = 0.70;
    for (int py = 0; py < size; ++py)
        for (int px = 0; px < size; ++px) {
            const double sx = (px + 0.5 - size / 2.0) / radius;
            const double sy = -(py + 0.5 - size / 2.0) / radius;
            const double rho2 = sx * sx + sy * sy;
            if (rho2 >= 1.0)
                continue;
            const double z = std::sqrt(1 - rho2);
            // Undo the tilt of the axis before finding the place on the earth.
            const double x = sx * std::cos(t) - sy * std::sin(t);
            const double y = sx * std::sin(t) + sy * std::cos(t);
            const double rho = std::sqrt(rho2);
            double lat = phi0;
            double lon = 0;
            if (rho > 1e-9) {
                const double c = std::asin(std::min(1.0, rho));
                lat = std::asin(std::cos(c) * std::sin(phi0) +
                                y * std::sin(c) * std::cos(phi0) / rho);
                lon = std::atan2(x * std::sin(c), rho * std::cos(c) * std::cos(phi0) -
                                                      y * std::sin(c) * std::sin(phi0));
            }
            double lonDeg = viewLon + lon * 180 / M_PI;
            if (lonDeg > 180)
                lonDeg -= 360;
            if (lonDeg < -180)
                lonDeg += 360;
            const double latDeg = lat * 180 / M_PI;
            const Surface s = surfaceAt(lonDeg, latDeg);
            land[size_t(py * size + px)] = s.land ? 1 : 0;
            const double diffuse = std::max(0.0, sx * lightX + sy * lightY + z * lightZ);
            const double shade = 0.42 + 0.7 * diffuse;
            const double rz = 2 * diffuse * z - lightZ;
            const double gloss = std::pow(std::max(0.0, rz), 30) * 0.3;
            double r = s.colour.redF() * shade + gloss;
            double g = s.colour.greenF() * shade + gloss;
            double b = s.colour.blueF() * shade + gloss;
            // Lines of longitude keep one width on screen by widening towards the poles.
            const bool onGrid = gridCloseness(latDeg, 30) < 0.45 ||
                                gridCloseness(lonDeg, 30) * std::cos(lat) < 0.45;
            if (onGrid) {
                r = r * 0.8 + 0.2;
                g = g * 0.8 + 0.2;
                b = b * 0.8 + 0.2;
            }
            out.setPixelColor(px, py,
                              QColor::fromRgbF(float(std::min(1.0, r)), float(std::min(1.0, g)),
                                               float(std::min(1.0, b))));
        }
    const QColor coast(40, 70, 40);
    const int reach = oversample;
    for (int py = reach; py < size - reach; ++py)
        for (int px = reach; px < size - reach; ++px) {
            if (land[size_t(py * size + px)] != 1)
                continue;
            const bool edge = land[size_t(py * size + px - reach)] == 0 ||
                              land[size_t(py * size + px + reach)] == 0 ||
                              land[size_t((py - reach) * size + px)] == 0 ||
                              land[size_t((py + reach) * size + px)] == 0;
            if (edge) {
                QColor c = out.pixelColor(px, py);
                out.setPixelColor(px, py,
                                  QColor((c.red() + coast.red() * 2) / 3,
                                         (c.green() + coast.green() * 2) / 3,
                                         (c.blue() + coast.blue() * 2) / 3));
            }
        }
    return out;
}

QBrush brass(QRectF box) {
    QLinearGradient g(box.topLeft(), box.bottomRight());
    g.setColorAt(0, QColor(255, 226, 140));
    g.setColorAt(0.5, QColor(214, 160, 60));
    g.setColorAt(1, QColor(140, 92, 30));
    return QBrush(g);
}

} // namespace

QImage globe(QSize size) {
    const double k = oversample;
    QImage big(size * oversample, QImage::Format_RGB32);
    big.fill(background);
    QPainter painter(&big);
    Sketch s(painter, 1.4 * k);
    const double radius = std::round(size.height() * 0.375) * k;
    const QPointF centre(size.width() * k / 2, size.height() * k * 0.43);
    const double ring = radius + 7 * k;

    // Stand: a turned wooden foot and a brass stem under the ring.
    const double baseY = centre.y() + ring + 22 * k;
    s.shape(ellipsePath(QPointF(centre.x(), baseY), 46 * k, 8 * k),
            Sketch::sideLit(QColor(124, 76, 42), QRectF(centre.x() - 46 * k, 0, 92 * k, 1)));
    QPainterPath stem;
    stem.moveTo(centre.x() - 5 * k, centre.y() + ring);
    stem.lineTo(centre.x() + 5 * k, centre.y() + ring);
    stem.lineTo(centre.x() + 9 * k, baseY - 2 * k);
    stem.lineTo(centre.x() - 9 * k, baseY - 2 * k);
    stem.closeSubpath();
    s.shape(stem, brass(stem.boundingRect()));

    const QImage ball = sphere(int(radius));
    painter.drawImage(QPointF(centre.x() - ball.width() / 2.0, centre.y() - ball.height() / 2.0),
                      ball);
    painter.setPen(QPen(s.ink(), s.inkWidth()));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(centre, radius, radius);

    // The meridian ring round the ball, with the axis pins where the tilted axis meets it.
    QPainterPath band;
    band.addEllipse(centre, ring + 3.5 * k, ring + 3.5 * k);
    band.addEllipse(centre, ring - 3.5 * k, ring - 3.5 * k);
    s.shape(band, brass(band.boundingRect()));
    const double t = tiltDegrees * M_PI / 180;
    for (int end : {-1, 1}) {
        const QPointF pin = centre + QPointF(end * std::sin(t), -end * std::cos(t)) * ring;
        s.dot(pin, 4.5 * k, QColor(240, 200, 100));
    }
    painter.end();
    return big.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

} // namespace pictures
