#pragma once

// Age tests for dates that may be missing, and angle helpers.

#include <chrono>
#include <optional>

namespace Tessaly {

namespace DateUtil {

using Date = std::chrono::system_clock::time_point;

// [any] Whether more than `interval` seconds passed from `date` to `now`; `ifMissing` without a date.
// A date in the future is younger than any interval, never older.
bool isOlderThan(std::optional<Date> date, double interval, bool ifMissing,
                 Date now = std::chrono::system_clock::now());
// [any] Whether less than `interval` seconds passed from `date` to `now`; `ifMissing` without a date.
bool isNewerThan(std::optional<Date> date, double interval, bool ifMissing,
                 Date now = std::chrono::system_clock::now());

} // namespace DateUtil

namespace DegreeUtil {

// The angle brought into (-180, 180]: 540 -> 180, -180 -> 180, -190 -> 170.
double normalized(double degrees);
double radians(double degrees);

} // namespace DegreeUtil

} // namespace Tessaly
