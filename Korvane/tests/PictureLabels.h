#pragma once

// The dial labels the controls' pictures show: 14-point names and 16-point values with their
// suffix on the large and medium dials, a 9-point value alone on the tiny one.

#include "Korvane/Controls/LabelDisplayOptions.h"

namespace Korvane::testing {

inline const LabelDisplayOptions kNamedLabel{.valueColor = tk::Color::rgba8(230, 232, 236),
                                             .labelFontSize = 14,
                                             .valueFontSize = 16,
                                             .editingFontSize = 16,
                                             .showSuffix = true,
                                             .showName = true,
                                             .labelWidth = 50};

inline const LabelDisplayOptions kValueOnlyLabel{.valueColor = tk::Color::rgba8(200, 204, 212),
                                                 .labelFontSize = 9,
                                                 .valueFontSize = 9,
                                                 .editingFontSize = 9,
                                                 .showSuffix = false,
                                                 .showName = false,
                                                 .labelWidth = 40};

} // namespace Korvane::testing
