// artgen: draws the pictures of the resource bundles at build time.
//
//   artgen bundle <Korvane|ZindralExtension|Tessaly|Zindral|WendleShaders> <bundle dir> [--font FILE]...
//       writes <bundle dir>/Images/<name>.png, <name>@2x.png and <name>.json for every picture
//   artgen sheet <out.png> <1|2> <bundle dir>...
//       writes a contact sheet of the bundles' pictures
//   artgen preview <out.png> <scale 1..4> <bundles dir> [--font FILE]... [--crop X Y W H]
//       writes a mock-up of the plug-in window made from the Korvane and extension pictures
//   artgen preview-app <out.png> <scale 1..4> <bundles dir> [--font FILE]...
//       the same for the application window
#include <algorithm>
#include <exception>
#include <filesystem>
#include <iostream>
#include <map>
#include <string>
#include <vector>

#include "tools/artgen/BundleArt.h"
#include "tools/artgen/ContactSheet.h"
#include "tools/artgen/Preview.h"
#include "tools/artgen/Text.h"

namespace {

int usage() {
    std::cerr << "usage: artgen bundle <name> <bundle dir> [--font FILE]...\n"
                 "       artgen sheet <out.png> <1|2> <bundle dir>...\n";
    return 2;
}

int drawBundle(const std::string& name, const std::filesystem::path& dir) {
    using Maker = artgen::ImageList (*)();
    static const std::map<std::string, Maker> makers = {{"Korvane", artgen::korvaneImages},
                                                        {"ZindralExtension", artgen::extensionImages},
                                                        {"Tessaly", artgen::tessalyImages},
                                                        {"Zindral", artgen::applicationImages},
                                                        {"WendleShaders", artgen::shaderImages}};
    const auto it = makers.find(name);
    if (it == makers.end()) {
        std::cerr << "artgen: unknown bundle " << name << "\n";
        return 2;
    }
    const std::filesystem::path images = dir / "Images";
    // Start clean so pictures that are no longer drawn do not linger in the bundle.
    std::filesystem::remove_all(images);
    std::filesystem::create_directories(images);
    for (const auto& image : it->second())
        artgen::write(image, images);
    return 0;
}

} // namespace

int main(int argc, char** argv) try {
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.size() >= 3 && args[0] == "bundle") {
        for (size_t i = 3; i + 1 < args.size(); i += 2) {
            if (args[i] != "--font")
                return usage();
            artgen::registerFontFile(args[i + 1]);
        }
        return drawBundle(args[1], args[2]);
    }
    if (args.size() >= 4 && args[0] == "sheet") {
        std::vector<std::filesystem::path> bundles(args.begin() + 3, args.end());
        artgen::writeContactSheet(args[1], std::stoi(args[2]) == 2 ? 2 : 1, bundles);
        return 0;
    }
    if (args.size() >= 4 && args[0] == "preview") {
        artgen::PreviewCrop crop;
        for (size_t i = 4; i + 1 < args.size(); i += 2) {
            if (args[i] == "--font") {
                artgen::registerFontFile(args[i + 1]);
            } else if (args[i] == "--crop" && i + 4 < args.size()) {
                crop = {std::stod(args[i + 1]), std::stod(args[i + 2]), std::stod(args[i + 3]),
                        std::stod(args[i + 4])};
                i += 3;
            } else {
                return usage();
            }
        }
        artgen::writePluginPreview(args[1], std::clamp(std::stoi(args[2]), 1, 4), args[3], crop);
        return 0;
    }
    if (args.size() >= 4 && args[0] == "preview-app") {
        for (size_t i = 4; i + 1 < args.size(); i += 2)
            artgen::registerFontFile(args[i + 1]);
        artgen::writeApplicationPreview(args[1], std::clamp(std::stoi(args[2]), 1, 4), args[3]);
        return 0;
    }
    return usage();
} catch (const std::exception& e) {
    std::cerr << "artgen: " << e.what() << "\n";
    return 1;
}
