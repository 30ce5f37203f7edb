#pragma once

// Two-column settings forms.
//
//     TessalSettings(120, 420, {
//         TessalSettingsSection("Tempo:", {tempoField, syncToggle}),
//         TessalSettingsDivider(),
//         TessalSettingsSection("Output:", {outputPopUp}),
//     })
//
// TessalSettings is a form settingsWidth wide that hands a TessalSettingsConfig (the width of the
// label column) to everything inside it. Each TessalSettingsSection is one row: its label flush
// right in a column labelWidth wide (an empty label keeps the column), its children stacked 4
// points apart at the leading edge of the rest of the row (FillEachChildLeading: each child keeps
// its own width, its row takes the column's). A divider is a line inset 16 points from the sides
// with 8 points above and below. Changing labelWidth on a form's configuration moves the label
// columns of its sections.
//
// A section outside a form has no configuration to read: building it stops the program with a
// message saying so (it is a programming error, found the first time the view is shown).
//
// All members are [main].

#include "platform/tk/base/Observable.h"
#include "platform/tk/ui/UI.h"

#include <memory>
#include <string>
#include <vector>

namespace Tessaly {

class TessalSettingsConfig {
public:
    explicit TessalSettingsConfig(double labelWidth) : labelWidth_(labelWidth) {}
    // Reading it in a body makes that body follow it.
    double labelWidth() const { return labelWidth_.get(); }
    void setLabelWidth(double width) { labelWidth_.set(width); }

private:
    tk::Observable<double> labelWidth_;
};

struct TessalSettingsConfigKey {
    using Value = std::shared_ptr<TessalSettingsConfig>;
    static Value defaultValue() { return nullptr; }
};

struct TessalSettings {
    TessalSettings(double labelWidth, double settingsWidth, std::vector<tk::ui::Node> content);

    // The configuration this form made (and put in its content's environment).
    std::shared_ptr<TessalSettingsConfig> config;
    tk::ui::Node content;
    double settingsWidth = 0;

    tk::ui::Node body();
};

struct TessalSettingsSection {
    TessalSettingsSection(std::string text, std::vector<tk::ui::Node> children)
        : label(std::move(text)), content(std::move(children)) {}

    std::string label;
    std::vector<tk::ui::Node> content;

    tk::ui::Node body();
};

struct TessalSettingsDivider {
    tk::ui::Node body();
};

// Each child followed by a spacer, so that it sits at the leading edge of a full-width row.
std::vector<tk::ui::Node> FillEachChildLeading(const std::vector<tk::ui::Node>& children);

} // namespace Tessaly
