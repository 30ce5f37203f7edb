#include "extension/Interface/DialRow.h"

#include "extension/Interface/ExtensionAssets.h"
#include "extension/Notes/NoteFormatter.h"

#include "Korvane/Controls/DefaultLabelFormatter.h"
#include "Korvane/Controls/LabelNameFormatter.h"

namespace extension {

Korvane::LabelDisplayOptions dialRowLabelOptions() {
    Korvane::LabelDisplayOptions options;
    options.valueColor = ColorResource::values();
    options.labelFontSize = 14;
    options.valueFontSize = 16;
    options.editingFontSize = 16;
    options.showSuffix = true;
    options.showName = true;
    options.labelWidth = 50;
    return options;
}

std::vector<DialRowEntry> dialRowEntries(const Settings& settings) {
    using Korvane::DefaultLabelFormatter;
    return {
        {settings.lowNote(), std::make_shared<NoteFormatter>()},
        {settings.range(), std::make_shared<DefaultLabelFormatter>(*settings.range(), 0)},
        {settings.restAmount(), nullptr},
        {settings.slideAmount(), nullptr},
        {settings.accentAmount(), nullptr},
        {settings.gate(), nullptr},
        {settings.division(), std::make_shared<Korvane::LabelNameFormatter>(*settings.division())},
        {settings.sequenceLength(), std::make_shared<DefaultLabelFormatter>(*settings.sequenceLength(), 0)}};
}

} // namespace extension
