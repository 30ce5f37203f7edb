#pragma once

// How the windows set a version number ("1.0.0 (1)").

namespace app {

// Tracking of a version line, in points. The rounded face's "1" is narrow and its period is under a
// pixel wide at caption sizes: set tight, the first dot of "1.0.0" merges into the 1 and the line
// reads "10.0". A point of tracking keeps each dot clear of its neighbours wherever the line falls
// on the pixel grid.
inline constexpr double kVersionTracking = 1;

} // namespace app
