#include "WendleShaders/RendererError.h"

namespace WendleShaders {

namespace {

// Key "MetalRenderer.Error.description" of the application's default string table. The program
// ships no translations, so the text is the table's default.
std::string noValidDeviceDescription() {
    return "No valid metal device";
}

} // namespace

RendererError::RendererError(Code code) : code_(code), description_(noValidDeviceDescription()) {}

std::optional<std::string> RendererError::errorDescription() const {
    return description_;
}

} // namespace WendleShaders
