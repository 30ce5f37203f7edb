#pragma once

// Reading the small files the host is given (a state file, a bundle's Info.json) without trusting
// them: a directory, a device, a FIFO or a file of any size gives a reason at once, not a crash or a
// wait.

#include <cstddef>
#include <string>
#include <variant>

namespace host {

// The files the host reads are a few kilobytes; anything larger is not one of them.
inline constexpr std::size_t kMaxSmallFileSize = 1024 * 1024;

struct FileProblem {
    // Reads on after "<path>: ": "it is a directory", "it is not a regular file", "it is larger than
    // 1 MiB", or the system's message ("No such file or directory").
    std::string reason;
};

// [any] The whole file, or why it cannot be read: it cannot be opened, is not a regular file, or holds
// more than `limit` bytes (read no further than that, in case it grows while it is read).
std::variant<std::string, FileProblem> readSmallFile(const std::string& path,
                                                     std::size_t limit = kMaxSmallFileSize);

} // namespace host
