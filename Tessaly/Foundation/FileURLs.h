#pragma once

// File URLs ("file:///a/b%20c.txt") and their paths. A URL here is its text; only file URLs have a
// path to work with.

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace Tessaly {

enum class DirectoryHint {
    isDirectory,     // the URL ends with "/"
    notDirectory,    // it does not
    checkFileSystem, // as the file system says (not a directory when nothing is there)
    inferFromPath,   // a path that ends with "/" is a directory
};

// [any] The file URL of `path` (none without a path); a relative path is taken relative to `base`
// (a directory path; the current directory when none). Characters outside the URL path set are
// percent-encoded.
std::optional<std::string> fileURL(const std::optional<std::string>& path,
                                   DirectoryHint hint = DirectoryHint::inferFromPath,
                                   const std::optional<std::string>& base = std::nullopt);

// [any] The decoded path of a file URL; none for other URLs and for a path holding NUL ("%00").
std::optional<std::string> filePath(std::string_view url);

// [any] The path of `url` relative to `base`, both file URLs: "../b/c" for file:///a/b/c from
// file:///a/d. None unless both are file URLs.
std::optional<std::string> relativePath(std::string_view url, std::string_view base);

// [any] The last path component without its extension: only the last "." and what follows it goes
// ("a.txt.b.txt" gives "a.txt.b"). Empty for a path holding NUL, which names no file (as filePath).
std::string nameWithoutExtension(std::string_view url);

// [any] The decoded path without its leading "/"; empty for a path holding NUL (as filePath).
std::string pathWithoutLeadingSlash(std::string_view url);

// [any] The file's modification time; none when the file system keeps none. Fails with
// std::filesystem::filesystem_error when the file cannot be examined (or with
// std::invalid_argument for a URL without a file path).
std::optional<std::filesystem::file_time_type> modificationDate(std::string_view url);

} // namespace Tessaly
