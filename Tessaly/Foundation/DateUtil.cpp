#include "Tessaly/Foundation/DateUtil.h"

#include <cmath>
#include <numbers>

namespace Tessaly {

namespace {

double secondsSince(DateUtil::Date date, DateUtil::Date now) {
    return std::chrono::duration<double>(now - date).count();
}

} // namespace

bool DateUtil::isOlderThan(std::optional<Date> date, double interval, bool ifMissing, Date now) {
    if (!date)
        return ifMissing;
    return secondsSince(*date, now) > interval;
}

bool DateUtil::isNewerThan(std::optional<Date> date, double interval, bool ifMissing, Date now) {
    if (!date)
        return ifMissing;
    return secondsSince(*date, now) < interval;
}

double DegreeUtil::normalized(double degrees) {
    const double r = std::fmod(degrees, 360.0);
    if (r > 180)
        return r - 360;
    if (r <= -180)
        return r + 360;
    return r;
}

double DegreeUtil::radians(double degrees) {
    return degrees * std::numbers::pi / 180.0;
}

} // namespace Tessaly
