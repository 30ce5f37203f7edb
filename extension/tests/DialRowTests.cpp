// The window's dials: every name and value a dial of the row can show keeps 2 points clear of the
// ring its film strip paints.

#include "InterfaceFixture.h"
#include "SettingsFixture.h"

#include "extension/Interface/DialRow.h"

#include "Korvane/Controls/DefaultLabelFormatter.h"
#include "Korvane/Controls/DialRings.h"
#include "Korvane/Controls/DialStyles.h"
#include "Korvane/Parameters/AudioParameter.h"
#include "Korvane/Resources/CustomFont.h"
#include "Korvane/tests/DialLabelRoom.h"

#include "platform/tk/graphics/TextLayout.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

// The value, within the parameter's range, whose text is widest at the value font: every step of
// a stepped parameter, a thousand steps of a continuous one.
float widestValue(const Korvane::AudioParameter& param, const Korvane::LabelFormatter& formatter,
                  const tk::Font& font) {
    const auto range = param.valueRange();
    const bool stepped = param.isIndexed() || param.units() == au::ParameterUnit::midiNoteNumber;
    const int steps = stepped ? static_cast<int>(std::lround(range.upperBound - range.lowerBound)) : 1000;
    tk::TextAttributes attributes;
    attributes.font = font;
    float widest = range.lowerBound;
    double widestWidth = -1;
    for (int i = 0; i <= steps; ++i) {
        const float v =
            range.lowerBound + (range.upperBound - range.lowerBound) * static_cast<float>(i) / steps;
        const double width = tk::measureText(formatter.format(v), attributes).width;
        if (width > widestWidth) {
            widestWidth = width;
            widest = v;
        }
    }
    return widest;
}

TEST(DialRow, EveryNameAndWidestValueKeepsTwoPointsClearOfTheRing) {
    interfacetest::useBuiltExtensionBundle();
    settingstest::Fixture f(settingstest::quietEnvironment(), false);
    const Korvane::LabelDisplayOptions options = extension::dialRowLabelOptions();
    const Korvane::DialStyle style = Korvane::zindralDialStyle();
    const tk::Font valueFont = Korvane::korvTypeface(style.labelFont, options.valueFontSize);
    const std::vector<extension::DialRowEntry> row = extension::dialRowEntries(*f.settings);
    ASSERT_EQ(row.size(), 8u);
    for (const extension::DialRowEntry& entry : row) {
        // As the dial does without a formatter of its own.
        auto formatter = entry.formatter
                             ? entry.formatter
                             : std::make_shared<const Korvane::DefaultLabelFormatter>(*entry.param, 1);
        const float saved = entry.param->value.peek();
        entry.param->value.set(widestValue(*entry.param, *formatter, valueFont));
        const std::string shown = formatter->format(entry.param->value.peek());
        const Korvane::testing::LabelRoom room = Korvane::testing::labelRoom(
            f.loop, entry.param, style, Korvane::kZindralDialRing, options, formatter);
        EXPECT_GT(room.textPixels, 100) << entry.param->name();
        EXPECT_GE(room.clearance, 2.0) << entry.param->name() << " " << shown << ": " << room;
        entry.param->value.set(saved);
    }
}

} // namespace
