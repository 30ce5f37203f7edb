#include "app/AppResources.h"

#include "platform/tk/base/Bundle.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace app {

namespace {
// Its address names the program that holds this code.
const char kCodeAnchor = 0;
} // namespace

const tk::ResourceBundle& appResources() {
    static const std::shared_ptr<tk::ResourceBundle> resources = [] {
        const std::string name = std::string(kAppBundleName);
        auto bundle = tk::Bundle::find(name + ".bundle", &kCodeAnchor);
        if (!bundle) {
            std::fprintf(stderr, "Fatal error: unable to find bundle named %s\n", name.c_str());
            std::abort();
        }
        auto shared = tk::ResourceBundle::shared(bundle->resourcePath());
        shared->loadFonts();
        return shared;
    }();
    return *resources;
}

const tk::Color& AppColors::background() {
    static const tk::Color color = appResources().color("background").value_or(tk::Color::black());
    return color;
}

const tk::Color& AppColors::logoTint() {
    static const tk::Color color = appResources().color("logoTint").value_or(tk::Color::white());
    return color;
}

const tk::Image& AppImages::appIcon() {
    static const tk::Image image = appResources().image("app-icon").value_or(tk::Image());
    return image;
}

} // namespace app
