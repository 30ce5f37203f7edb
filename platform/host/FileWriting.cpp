#include "platform/host/FileWriting.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <unistd.h>

namespace host {

std::optional<std::string> writeWholeFile(const std::string& path, const void* data, std::size_t size) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0) {
        return std::strerror(errno);
    }
    const char* bytes = static_cast<const char*>(data);
    std::optional<std::string> problem;
    for (std::size_t written = 0; written < size && !problem;) {
        const ssize_t n = ::write(fd, bytes + written, size - written);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            problem = std::strerror(errno);
        } else {
            written += static_cast<std::size_t>(n);
        }
    }
    // A full disk or a network file system may only report the failure when the file is closed.
    if (::close(fd) != 0 && !problem) {
        problem = std::strerror(errno);
    }
    return problem;
}

std::string absolutePathText(const std::string& path) {
    std::error_code error;
    std::filesystem::path absolute = std::filesystem::absolute(path, error);
    return error ? path : absolute.lexically_normal().string();
}

} // namespace host
