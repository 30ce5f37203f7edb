#pragma once

// Reading the small files the host is given (a state file, a bundle's Info.json) without trusting
// them: a directory, a device that never ends or a file of any size gives a reason, not a crash.

#include <cstddef>
#include <string>
#include <variant>

namespace host {

// The files the host reads are a few kilobytes; anything larger is not one of them.
inline constexpr std::size_t kMaxSmallFileSize = 1024 * 1024;

struct FileProblem {
    std::string reason; // "is a directory", "is larger than 1 MiB", the system's message
};

// [any] The whole file, or why it cannot be read: it cannot be opened, is a directory, or holds more
// than `limit` bytes (read no further than that, so endless sources such as /dev/zero stop too).
std::variant<std::string, FileProblem> readSmallFile(const std::string& path,
                                                     std::size_t limit = kMaxSmallFileSize);

} // namespace host
