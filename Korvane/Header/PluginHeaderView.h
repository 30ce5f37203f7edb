#pragma once

// PluginHeaderView: the bar across the top of the plug-in's window. At the leading edge the
// maker's logo, a link to the maker's web site; in the middle a row of tabs, one per value string
// of the tab parameter (none when it has no value strings), centred on the whole bar; at the
// trailing edge the plug-in's version or, when a newer version is known, a button announcing it
// that opens appUpdateURL, followed by the caller's menu.

#include "Korvane/Header/UpdateAvailableDetails.h"
#include "Korvane/Resources/KorvFont.h"

#include "platform/tk/ui/Component.h"
#include "platform/tk/ui/Node.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace Korvane {

class AudioParameter;

struct PluginHeaderView {
    // `menu` is called once, here; its result is shown at the trailing edge.
    PluginHeaderView(std::string appUpdateURL, std::string pluginVersion,
                     std::shared_ptr<AudioParameter> tabParameter, KorvFont font,
                     std::optional<UpdateAvailableDetails> updateDetails,
                     const std::function<tk::ui::Node()>& menu);
    // With an empty menu.
    PluginHeaderView(std::string appUpdateURL, std::string pluginVersion,
                     std::shared_ptr<AudioParameter> tabParameter, KorvFont font,
                     std::optional<UpdateAvailableDetails> updateDetails);

    std::string appUpdateURL;
    std::string pluginVersion;
    std::shared_ptr<AudioParameter> tabParameter;
    std::optional<UpdateAvailableDetails> updateDetails;
    KorvFont font;
    tk::ui::Node menu;

    static constexpr double kHeight = 46;

    // [main]
    tk::ui::Node body();

private:
    tk::ui::Node tabRow() const;
    tk::ui::Node notice() const;
};

} // namespace Korvane
