#pragma once

#include <QPointF>

#include <vector>

// Coarse outlines of the lands seen from above the Atlantic, as (longitude, latitude) in degrees,
// traced by hand at the detail a 180-pixel globe can show.
namespace globeland {

const std::vector<std::vector<QPointF>>& outlines();
bool isLand(double lon, double lat);
bool isIce(double lon, double lat);
bool isDesert(double lon, double lat);

} // namespace globeland
