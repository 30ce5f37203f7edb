#pragma once

// Writing the files the host is asked for (a MIDI export, a saved state) with the reason when it
// cannot.

#include <cstddef>
#include <optional>
#include <string>

namespace host {

// [any] Replaces the file at `path` with `size` bytes of `data`; nothing when they are written,
// otherwise the system's reason ("No such file or directory", "Permission denied", ...).
std::optional<std::string> writeWholeFile(const std::string& path, const void* data, std::size_t size);

// [any] `path` as an absolute path, for telling the user where a file went.
std::string absolutePathText(const std::string& path);

} // namespace host
