#include "app/AboutPanel.h"

#include "app/AppResources.h"
#include "app/VersionText.h"

#include "Korvane/Resources/CustomFont.h"
#include "Tessaly/Foundation/BundleInfo.h"

#include "platform/tk/base/RunLoop.h"
#include "platform/tk/ui/UI.h"
#include "platform/tk/view/Menu.h"
#include "platform/tk/view/Window.h"

namespace app {

AboutPanelContent aboutPanelContent(const tk::Bundle& bundle) {
    AboutPanelContent content;
    content.name = Tessaly::bundleName(bundle).value_or("Zindral");
    const std::string shortVersion = Tessaly::shortVersion(bundle).value_or("");
    const std::string build = Tessaly::version(bundle).value_or("");
    content.version = "Version " + shortVersion;
    if (!build.empty())
        content.version += " (" + build + ")";
    content.copyright = bundle.string("HumanReadableCopyright").value_or("");
    return content;
}

std::shared_ptr<tk::Window> makeAboutPanel(const AboutPanelContent& content) {
    using namespace tk::ui;
    const tk::Color tint = AppColors::logoTint();
    const tk::Font caption = tk::Font::system(11, tk::FontWeight::medium, tk::FontDesign::rounded);
    Node body =
        VStack({.spacing = 6},
               {
                   Image(AppImages::appIcon()).resizable().frame(96, 96),
                   Spacer(4),
                   Korvane::rocketFont(Text(content.name), 26).foregroundColor(tk::Color::white()),
                   Text(content.version).font(caption).kerning(kVersionTracking).foregroundColor(tint),
                   Text(content.copyright).font(caption).foregroundColor(tint.withAlpha(0.7)),
               })
            .padding(20)
            .frame({.maxWidth = kInfinity, .maxHeight = kInfinity})
            .background(AppColors::background());

    tk::Window::Options options;
    options.contentSize = {kAboutPanelWidth, kAboutPanelHeight};
    options.title = "About " + content.name;
    options.identifier = "about";
    options.resizable = false;
    auto window = tk::Window::make(options);
    window->setBackgroundColor(AppColors::background());
    window->setContentView(tk::View::make<HostingView>(body));
    // A panel of its own: Escape (an unanswered "cancelOperation:") and Ctrl+W close it.
    std::weak_ptr<tk::Window> weak = window;
    const auto closeWindow = [weak] {
        tk::RunLoop::main().post([weak] {
            if (auto w = weak.lock())
                w->close();
        });
    };
    window->setActionHandler("cancelOperation:", [closeWindow](const tk::ActionSender&) { closeWindow(); });
    auto menu = std::make_shared<tk::Menu>(options.title);
    tk::MenuItem close("Close", {}, "w");
    close.handler = [closeWindow](const tk::MenuItem&) { closeWindow(); };
    menu->addItem(std::move(close));
    window->setMenu(std::move(menu));
    return window;
}

} // namespace app
