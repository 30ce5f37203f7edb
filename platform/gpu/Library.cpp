#include "platform/gpu/Library.h"

#include "platform/gpu/Error.h"

#include <fstream>
#include <optional>
#include <sstream>
#include <system_error>

namespace gpu {

namespace {

std::optional<ShaderStage> stageForExtension(const std::filesystem::path& extension) {
    if (extension == ".vert")
        return ShaderStage::vertex;
    if (extension == ".frag")
        return ShaderStage::fragment;
    return std::nullopt;
}

} // namespace

std::shared_ptr<Library> Library::loadDefault(const std::filesystem::path& bundlePath) {
    const auto folder = bundlePath / "Shaders";
    std::error_code ec;
    if (!std::filesystem::is_directory(folder, ec))
        throw Error("No shader library in bundle " + bundlePath.string());
    std::vector<Function> functions;
    for (const auto& entry : std::filesystem::directory_iterator(folder, ec)) {
        const auto stage = stageForExtension(entry.path().extension());
        if (!stage || !entry.is_regular_file(ec))
            continue;
        std::ifstream in(entry.path(), std::ios::binary);
        std::ostringstream source;
        source << in.rdbuf();
        if (!in)
            throw Error("Cannot read shader source " + entry.path().string());
        functions.emplace_back(entry.path().stem().string(), *stage, std::move(source).str());
    }
    if (ec)
        throw Error("Cannot list shader library " + folder.string() + ": " + ec.message());
    if (functions.empty())
        throw Error("The shader library in " + folder.string() + " holds no function");
    return std::make_shared<Library>(std::move(functions));
}

Library::Library(std::vector<Function> functions) {
    for (auto& f : functions) {
        auto name = f.name();
        functions_.insert_or_assign(std::move(name), std::make_shared<const Function>(std::move(f)));
    }
}

std::shared_ptr<const Function> Library::makeFunction(std::string_view name) const {
    const auto it = functions_.find(name);
    return it == functions_.end() ? nullptr : it->second;
}

std::vector<std::string> Library::functionNames() const {
    std::vector<std::string> names;
    for (const auto& [name, f] : functions_)
        names.push_back(name);
    return names;
}

} // namespace gpu
