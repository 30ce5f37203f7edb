#include "platform/host/FileReading.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace host {

namespace {

struct Descriptor {
    int fd;
    ~Descriptor() {
        if (fd >= 0)
            ::close(fd);
    }
};

std::string sizeText(std::size_t bytes) {
    if (bytes % (1024 * 1024) == 0)
        return std::to_string(bytes / (1024 * 1024)) + " MiB";
    return std::to_string(bytes) + " bytes";
}

} // namespace

std::variant<std::string, FileProblem> readSmallFile(const std::string& path, std::size_t limit) {
    // O_NONBLOCK: opening a FIFO would otherwise wait for a writer before the type can be checked.
    const Descriptor file{::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK)};
    if (file.fd < 0)
        return FileProblem{std::strerror(errno)};
    struct stat info {};
    if (::fstat(file.fd, &info) != 0)
        return FileProblem{std::strerror(errno)};
    if (S_ISDIR(info.st_mode))
        return FileProblem{"it is a directory"};
    if (!S_ISREG(info.st_mode))
        return FileProblem{"it is not a regular file"};
    const FileProblem tooLarge{"it is larger than " + sizeText(limit)};
    if (static_cast<std::size_t>(info.st_size) > limit)
        return tooLarge;
    std::string text;
    char buffer[64 * 1024];
    for (;;) {
        const ssize_t n = ::read(file.fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return FileProblem{std::strerror(errno)};
        if (n == 0)
            return text;
        if (text.size() + static_cast<std::size_t>(n) > limit)
            return tooLarge;
        text.append(buffer, static_cast<std::size_t>(n));
    }
}

} // namespace host
