#pragma once

// Writing the files the host is asked for (a MIDI export, a saved state) and naming them in
// messages.

#include <cstddef>
#include <optional>
#include <string>

namespace host {

// [any] Replaces the file at `path` with `size` bytes of `data` once they are all written (see
// OutputFile); nothing when they are, otherwise the system's reason ("No such file or directory",
// "No space left on device", ...), and the file at `path` is as it was.
std::optional<std::string> writeWholeFile(const std::string& path, const void* data, std::size_t size);

// [any] `path` as an absolute path, for telling the user where a file went.
std::string absolutePathText(const std::string& path);

// [any] `path` for a one-line message: control characters as '?', and a name of more than a few
// lines' length as its start and end around "...", with its length.
std::string pathForMessages(const std::string& path);

} // namespace host
