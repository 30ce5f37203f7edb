#include "app/ContentView.h"

#include "app/AppResources.h"
#include "app/ContentViewShader.h"
#include "app/Links.h"
#include "app/VersionText.h"

#include "Korvane/Resources/CustomFont.h"
#include "Korvane/Resources/Links.h"
#include "Tessaly/Declarative/ButtonStyles.h"
#include "Tessaly/Foundation/BundleInfo.h"
#include "Tessaly/Resources/TYImages.h"

#include "platform/tk/ui/UI.h"

namespace app {

namespace {
using namespace tk::ui;

// The title's ink: a deep violet, in Display P3.
tk::Color titleShadow(double opacity) {
    return tk::Color(0.0485, 0.0245, 0.1257, opacity, tk::ColorSpace::displayP3);
}

Node headerBand() {
    Node title = Korvane::rocketFont(Text(kProductName), 36)
                     .foregroundColor(tk::Color::white())
                     .shadow(titleShadow(0.4), 0, 0, 1)
                     .shadow(titleShadow(0.4), 1, 0, 2)
                     .shadow(titleShadow(0.3), 4, 0, 4);
    return ZStack({ContentViewShader{}, title}).frame(std::nullopt, kBandHeight).identifier("band");
}

Node textPair(const std::string& first, const std::string& second, const tk::Font& font) {
    return VStack({.spacing = 1}, {Text(first), Text(second)})
        .font(font)
        .foregroundColor(AppColors::logoTint());
}

Node linkButton(const std::string& title, std::string url, double width, const std::string& identifier,
                const URLOpener& opener) {
    return Button([url = std::move(url), opener] { openLink(opener, url); },
                  Text(title).frame(width, std::nullopt))
        .buttonStyle(Tessaly::VelmorButtonStyle{})
        .identifier(identifier);
}
} // namespace

std::string versionLine(const tk::Bundle& bundle) {
    return Tessaly::shortVersion(bundle).value_or("") + " (" + Tessaly::version(bundle).value_or("") + ")";
}

Node ContentView::body() const {
    const std::string name = kProductName;
    const tk::Font pairA = tk::Font::system(15, tk::FontWeight::bold, tk::FontDesign::rounded);
    const tk::Font small = tk::Font::system(12, tk::FontWeight::medium, tk::FontDesign::rounded);
    Node information = VStack({.spacing = 16},
                              {
                                  textPair(name + " is now available as an Audio Unit.",
                                           "Keep this app in your applications folder.", pairA),
                                  textPair("To use " + name + ", insert it as",
                                           "a MIDI plugin on an instrument track.", small),
                                  Text(versionLine(tk::Bundle::main()))
                                      .font(small)
                                      .kerning(kVersionTracking)
                                      .foregroundColor(AppColors::logoTint())
                                      .identifier("version"),
                              })
                           .padding(16);
    Node logo = Image(Tessaly::TYImages::windowVelmor())
                    .renderingModeTemplate()
                    .foregroundColor(AppColors::logoTint())
                    .identifier("logo");
    Node buttons = HStack({.spacing = 16},
                          {
                              linkButton("Help", Links::helpPage(), buttonWidth, "help", openURL),
                              linkButton("Velmor Website", Korvane::Links::velmorSite(), buttonWidth,
                                         "website", openURL),
                          })
                       .padding(Edges::bottom(), 14)
                       .buttonsTakeFocus();
    return VStack({.spacing = 0}, {headerBand(), Spacer(), information, logo, Spacer(), buttons});
}

} // namespace app
