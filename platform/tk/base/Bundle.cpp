#include "platform/tk/base/Bundle.h"

#include <dlfcn.h>
#include <nlohmann/json.hpp>

#include <cstdio>
#include <fstream>
#include <mutex>
#include <system_error>

namespace tk {
namespace fs = std::filesystem;

namespace {

InfoValue toInfoValue(const nlohmann::json& json) {
    InfoValue result;
    switch (json.type()) {
    case nlohmann::json::value_t::boolean:
        result.value = json.get<bool>();
        break;
    case nlohmann::json::value_t::number_integer:
    case nlohmann::json::value_t::number_unsigned:
    case nlohmann::json::value_t::number_float:
        result.value = json.get<double>();
        break;
    case nlohmann::json::value_t::string:
        result.value = json.get<std::string>();
        break;
    case nlohmann::json::value_t::array: {
        InfoValue::Array items;
        for (const auto& item : json)
            items.push_back(toInfoValue(item));
        result.value = std::move(items);
        break;
    }
    case nlohmann::json::value_t::object: {
        InfoValue::Object members;
        for (const auto& [key, item] : json.items())
            members.emplace_back(key, toInfoValue(item));
        result.value = std::move(members);
        break;
    }
    default:
        break; // null, binary, discarded
    }
    return result;
}

InfoDictionary readInfoDictionary(const fs::path& directory) {
    const auto file = directory / "Info.json";
    std::error_code error;
    if (!fs::is_regular_file(file, error))
        return {};
    std::ifstream stream(file, std::ios::binary);
    const auto json = nlohmann::json::parse(stream, nullptr, /*allow_exceptions=*/false);
    if (!json.is_object()) {
        std::fprintf(stderr, "tk: %s is not a JSON object; the bundle has no information dictionary\n",
                     file.c_str());
        return {};
    }
    InfoDictionary info;
    for (const auto& [key, item] : json.items())
        info.emplace(key, toInfoValue(item));
    return info;
}

fs::path canonicalOrSelf(const fs::path& path) {
    std::error_code error;
    auto canonical = fs::weakly_canonical(path, error);
    return error ? path : canonical;
}

// The nearest "*.bundle" folder that holds the executable (at most three levels up), else the
// executable's own folder.
fs::path executableBundlePath() {
    std::error_code error;
    const auto executable = fs::read_symlink("/proc/self/exe", error);
    if (error)
        return fs::current_path(error);
    auto folder = executable.parent_path();
    auto candidate = folder;
    for (int level = 0; level < 3 && !candidate.empty(); ++level) {
        if (candidate.extension() == ".bundle")
            return candidate;
        if (candidate == candidate.parent_path())
            break;
        candidate = candidate.parent_path();
    }
    return folder;
}

std::mutex& mainBundleMutex() {
    static std::mutex mutex;
    return mutex;
}

std::optional<Bundle>& mainBundleSlot() {
    static std::optional<Bundle> bundle;
    return bundle;
}

} // namespace

std::optional<Bundle> Bundle::open(const fs::path& directory) {
    std::error_code error;
    if (directory.empty() || !fs::is_directory(directory, error))
        return std::nullopt;
    auto path = canonicalOrSelf(directory);
    auto info = readInfoDictionary(path);
    return Bundle(std::move(path), std::move(info));
}

Bundle Bundle::main() {
    std::lock_guard lock(mainBundleMutex());
    auto& slot = mainBundleSlot();
    if (!slot) {
        slot = open(executableBundlePath());
        if (!slot) // the executable's folder always exists; this is only a last resort
            slot = Bundle(fs::path("."), {});
    }
    return *slot;
}

bool Bundle::setMain(const fs::path& directory) {
    auto bundle = open(directory);
    if (!bundle)
        return false;
    std::lock_guard lock(mainBundleMutex());
    mainBundleSlot() = std::move(bundle);
    return true;
}

std::optional<Bundle> Bundle::forCodeAt(const void* address) {
    Dl_info info{};
    if (!address || dladdr(address, &info) == 0)
        return std::nullopt;
    // The main program may be reported by no name or by the name it was started with;
    // /proc/self/exe is exact.
    fs::path object(info.dli_fname ? info.dli_fname : "");
    std::error_code error;
    if (object.empty() || object.is_relative()) {
        auto executable = fs::read_symlink("/proc/self/exe", error);
        if (!error && (object.empty() || object.filename() == executable.filename()))
            object = executable;
    }
    if (object.empty())
        return std::nullopt;
    return open(canonicalOrSelf(object).parent_path());
}

std::optional<Bundle> Bundle::find(std::string_view name, const void* codeAddress) {
    if (name.empty())
        return std::nullopt;
    const auto mainBundle = main();
    std::optional<fs::path> candidates[3];
    candidates[0] = mainBundle.resourcePath() / name;
    if (auto code = forCodeAt(codeAddress))
        candidates[1] = code->bundlePath() / name;
    candidates[2] = mainBundle.bundlePath() / name;
    for (const auto& candidate : candidates)
        if (candidate)
            if (auto bundle = open(*candidate))
                return bundle;
    return std::nullopt;
}

const InfoValue* Bundle::object(std::string_view key) const {
    auto it = info_.find(key);
    return it == info_.end() ? nullptr : &it->second;
}

std::optional<std::string> Bundle::string(std::string_view key) const {
    if (const auto* value = object(key))
        if (const auto* text = value->string())
            return *text;
    return std::nullopt;
}

std::optional<fs::path> Bundle::url(std::string_view name, std::string_view extension) const {
    if (name.empty())
        return std::nullopt;
    fs::path relative(name);
    if (relative.is_absolute())
        return std::nullopt;
    if (!extension.empty())
        relative += "." + std::string(extension);
    auto path = resourcePath() / relative;
    std::error_code error;
    if (!fs::exists(path, error))
        return std::nullopt;
    return path;
}

} // namespace tk
