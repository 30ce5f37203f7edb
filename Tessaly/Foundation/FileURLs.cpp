#include "Tessaly/Foundation/FileURLs.h"

#include "platform/tk/base/HexDigit.h"

#include <algorithm>
#include <cctype>
#include <stdexcept>
#include <system_error>
#include <vector>

namespace Tessaly {

namespace {

constexpr std::string_view kFileScheme = "file://";

bool isPathCharacter(unsigned char c) {
    if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9'))
        return true;
    return std::string_view("-._~!$&'()*+,;=:@/").find(static_cast<char>(c)) != std::string_view::npos;
}

std::string percentEncode(std::string_view path) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    for (unsigned char c : path) {
        if (isPathCharacter(c)) {
            out += static_cast<char>(c);
        } else {
            out += '%';
            out += kHex[c >> 4];
            out += kHex[c & 15];
        }
    }
    return out;
}

std::string percentDecode(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 2 < text.size()) {
            const int high = tk::hexDigitValue(text[i + 1]), low = tk::hexDigitValue(text[i + 2]);
            if (high >= 0 && low >= 0) {
                out += static_cast<char>(high * 16 + low);
                i += 2;
                continue;
            }
        }
        out += text[i];
    }
    return out;
}

// The still-encoded path of a URL: after the scheme and authority, before any query or fragment.
std::string_view encodedPath(std::string_view url) {
    auto schemeEnd = url.find("://");
    std::string_view rest = url;
    if (schemeEnd != std::string_view::npos) {
        rest = url.substr(schemeEnd + 3);
        const auto slash = rest.find('/');
        rest = slash == std::string_view::npos ? std::string_view() : rest.substr(slash);
    }
    return rest.substr(0, rest.find_first_of("?#"));
}

bool isFileURL(std::string_view url) {
    if (url.size() < kFileScheme.size())
        return false;
    for (std::size_t i = 0; i < kFileScheme.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(url[i])) != kFileScheme[i])
            return false;
    return true;
}

// The components of a path with "." and ".." resolved (".." above the top is dropped).
std::vector<std::string> standardizedComponents(std::string_view path) {
    std::vector<std::string> components;
    std::size_t start = 0;
    while (start <= path.size()) {
        const auto end = std::min(path.find('/', start), path.size());
        const std::string_view part = path.substr(start, end - start);
        if (part == "..") {
            if (!components.empty())
                components.pop_back();
        } else if (!part.empty() && part != ".") {
            components.emplace_back(part);
        }
        start = end + 1;
    }
    return components;
}

// The decoded path of any URL; none for a path holding NUL ("%00"): no file has one, and it would
// cut the path short where the system reads it.
std::optional<std::string> decodedPath(std::string_view url) {
    std::string path = percentDecode(encodedPath(url));
    if (path.find('\0') != std::string::npos)
        return std::nullopt;
    return path;
}

std::string lastComponent(std::string_view url) {
    const auto path = decodedPath(url);
    const auto components = path ? standardizedComponents(*path) : std::vector<std::string>();
    return components.empty() ? std::string() : components.back();
}

} // namespace

std::optional<std::string> fileURL(const std::optional<std::string>& path, DirectoryHint hint,
                                   const std::optional<std::string>& base) {
    if (!path)
        return std::nullopt;
    std::filesystem::path full(*path);
    if (full.is_relative())
        full = (base ? std::filesystem::path(*base) : std::filesystem::current_path()) / full;
    std::string text = full.string();
    bool directory = false;
    switch (hint) {
    case DirectoryHint::isDirectory:
        directory = true;
        break;
    case DirectoryHint::notDirectory:
        directory = false;
        break;
    case DirectoryHint::checkFileSystem: {
        std::error_code error;
        directory = std::filesystem::is_directory(full, error);
        break;
    }
    case DirectoryHint::inferFromPath:
        directory = path->ends_with('/');
        break;
    }
    if (directory && !text.ends_with('/'))
        text += '/';
    if (!directory)
        while (text.size() > 1 && text.ends_with('/'))
            text.pop_back();
    return std::string(kFileScheme) + percentEncode(text);
}

std::optional<std::string> filePath(std::string_view url) {
    if (!isFileURL(url))
        return std::nullopt;
    return decodedPath(url);
}

std::optional<std::string> relativePath(std::string_view url, std::string_view base) {
    const auto path = filePath(url), basePath = filePath(base);
    if (!path || !basePath)
        return std::nullopt;
    const auto to = standardizedComponents(*path), from = standardizedComponents(*basePath);
    std::size_t common = 0;
    while (common < to.size() && common < from.size() && to[common] == from[common])
        ++common;
    std::string result;
    auto append = [&](const std::string& part) {
        if (!result.empty())
            result += '/';
        result += part;
    };
    for (std::size_t i = common; i < from.size(); ++i)
        append("..");
    for (std::size_t i = common; i < to.size(); ++i)
        append(to[i]);
    return result;
}

std::string nameWithoutExtension(std::string_view url) {
    std::string name = lastComponent(url);
    const auto dot = name.rfind('.');
    if (dot != std::string::npos && dot > 0 && dot + 1 < name.size())
        name.erase(dot);
    return name;
}

std::string pathWithoutLeadingSlash(std::string_view url) {
    std::string path = decodedPath(url).value_or(std::string());
    if (path.starts_with('/'))
        path.erase(0, 1);
    return path;
}

std::optional<std::filesystem::file_time_type> modificationDate(std::string_view url) {
    const auto path = filePath(url);
    if (!path)
        throw std::invalid_argument("not a file URL with a path: " + std::string(url));
    return std::filesystem::last_write_time(*path); // throws filesystem_error when unreadable
}

} // namespace Tessaly
