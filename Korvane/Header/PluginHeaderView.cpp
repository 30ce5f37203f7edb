#include "Korvane/Header/PluginHeaderView.h"

#include "Korvane/Controls/ButtonStyles.h"
#include "Korvane/Parameters/AudioParameter.h"
#include "Korvane/Resources/CustomFont.h"
#include "Korvane/Resources/KorvaneAssets.h"
#include "Korvane/Resources/Links.h"

#include "platform/tk/base/MainThread.h"
#include "platform/tk/ui/Button.h"
#include "platform/tk/view/Workspace.h"

#include <functional>

namespace Korvane {

namespace {

constexpr double kTabSpacing = 24;
constexpr double kTabFontSize = 16;
constexpr double kVersionFontSize = 13;
constexpr double kLeadingPadding = 8;
constexpr double kTrailingPadding = 16;

// Opening a link has no result the header reads: when it cannot be opened, nothing happens.
void open(const std::string& url) {
    TK_CHECK_MAIN_THREAD();
    tk::Workspace::shared().openURL(url);
}

} // namespace

PluginHeaderView::PluginHeaderView(std::string updateURL, std::string version,
                                   std::shared_ptr<AudioParameter> tabs, KorvFont textFont,
                                   std::optional<UpdateAvailableDetails> details,
                                   const std::function<tk::ui::Node()>& makeMenu)
    : appUpdateURL(std::move(updateURL)), pluginVersion(std::move(version)), tabParameter(std::move(tabs)),
      updateDetails(std::move(details)), font(textFont), menu(makeMenu ? makeMenu() : tk::ui::Node()) {}

PluginHeaderView::PluginHeaderView(std::string updateURL, std::string version,
                                   std::shared_ptr<AudioParameter> tabs, KorvFont textFont,
                                   std::optional<UpdateAvailableDetails> details)
    : PluginHeaderView(std::move(updateURL), std::move(version), std::move(tabs), textFont,
                       std::move(details), {}) {}

tk::ui::Node PluginHeaderView::tabRow() const {
    using namespace tk::ui;
    const auto* strings = tabParameter ? &tabParameter->valueStrings() : nullptr;
    if (!strings || !*strings) {
        return Node();
    }
    const float value = tabParameter->value.get();
    std::vector<Node> tabs;
    for (std::size_t i = 0; i < (*strings)->size(); ++i) {
        const float index = static_cast<float>(i);
        const auto& title = (**strings)[i];
        Node label = korvFont(Text(title).textCase(TextCase::uppercase), font, kTabFontSize)
                         .foregroundColor(value == index ? Colors::tabSelected() : Colors::tabUnselected());
        auto param = tabParameter;
        tabs.push_back(Button(
                           [param, index] {
                               TK_CHECK_MAIN_THREAD();
                               param->setValue(index, ParameterEditor::ui, ParameterEditorState::change);
                           },
                           label)
                           .buttonStyle(PlainButtonStyle())
                           .id(std::hash<std::string>{}(title)));
    }
    return HStack({.alignment = VerticalAlignment::center, .spacing = kTabSpacing}, std::move(tabs));
}

tk::ui::Node PluginHeaderView::notice() const {
    using namespace tk::ui;
    if (updateDetails) {
        auto url = appUpdateURL;
        return Button([url] { open(url); },
                      Text(updateDetails->newVersion + " Available").textCase(TextCase::uppercase))
            .buttonStyle(UpdateButtonStyle());
    }
    return korvFont(Text(pluginVersion), font, kVersionFontSize).foregroundColor(Colors::versionInfo());
}

tk::ui::Node PluginHeaderView::body() {
    TK_CHECK_MAIN_THREAD();
    using namespace tk::ui;
    Node logo = Button([] { open(Links::velmorSite()); }, Image(Images::velmorLogo()))
                    .buttonStyle(PlainButtonStyle());
    Node leading = HStack({logo, Spacer()});
    Node middle = HStack({Spacer(), tabRow(), Spacer()});
    Node trailing = HStack({Spacer(), HStack({Spacer(), notice()}), menu});
    return ZStack(Alignment::center(), {leading, middle, trailing})
        .padding(Edges::leading(), kLeadingPadding)
        .padding(Edges::trailing(), kTrailingPadding)
        .frame(std::nullopt, kHeight)
        .background(Colors::background());
}

} // namespace Korvane
