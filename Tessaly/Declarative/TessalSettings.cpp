#include "Tessaly/Declarative/TessalSettings.h"

#include "platform/tk/graphics/SemanticColors.h"

#include <cstdio>
#include <cstdlib>

namespace Tessaly {

using namespace tk::ui;

namespace {
constexpr double kRowSpacing = 4;
constexpr double kDividerInset = 16;
constexpr double kDividerSpace = 8;
} // namespace

TessalSettings::TessalSettings(double labelWidth, double width, std::vector<Node> children)
    : config(std::make_shared<TessalSettingsConfig>(labelWidth)), settingsWidth(width) {
    content = VStack({.alignment = HorizontalAlignment::leading}, std::move(children))
                  .environment<TessalSettingsConfigKey>(config);
}

Node TessalSettings::body() {
    return content.frame(settingsWidth, std::nullopt);
}

std::vector<Node> FillEachChildLeading(const std::vector<Node>& children) {
    std::vector<Node> rows;
    rows.reserve(children.size());
    for (const Node& child : children)
        rows.push_back(HStack({child, Spacer()}));
    return rows;
}

Node TessalSettingsSection::body() {
    const auto config = environment<TessalSettingsConfigKey>();
    if (!config) {
        std::fprintf(stderr, "TessalSettingsSection \"%s\" is shown outside a TessalSettings form\n",
                     label.c_str());
        std::abort();
    }
    const Node labelColumn = HStack({Spacer(), Text(label)}).frame(config->labelWidth(), std::nullopt);
    const Node contentColumn = VStack({.alignment = HorizontalAlignment::leading, .spacing = kRowSpacing},
                                      FillEachChildLeading(content))
                                   .frame({.maxWidth = kInfinity});
    return HStack({labelColumn, contentColumn});
}

Node TessalSettingsDivider::body() {
    return Rectangle()
        .fill(tk::separatorColor())
        .frame(std::nullopt, 1)
        .padding(Edges::horizontal(), kDividerInset)
        .padding(Edges::vertical(), kDividerSpace);
}

} // namespace Tessaly
