#include "platform/host/OutputFile.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace host {

namespace {

std::string systemReason(int error) {
    return std::strerror(error);
}

// A temporary is tried under this many names before giving up (others may be in use by runs of
// the same process id that were cut off).
constexpr int kTemporaryNameAttempts = 100;

} // namespace

std::variant<OutputFile, std::string> OutputFile::create(const std::string& path) {
    if (path.empty()) {
        return std::string("the file name is empty");
    }
    OutputFile file;
    file.target_ = path;
    struct stat status {};
    const bool exists = ::stat(path.c_str(), &status) == 0;
    if (!exists && errno != ENOENT) {
        return systemReason(errno);
    }
    if (exists) {
        if (S_ISDIR(status.st_mode)) {
            return systemReason(EISDIR);
        }
        if (!S_ISREG(status.st_mode) && !S_ISCHR(status.st_mode) && !S_ISFIFO(status.st_mode)) {
            return std::string("it is neither a regular file nor a character device or pipe");
        }
        // Asked without opening it: opening a pipe to check it would wait for a reader, or end
        // what its reader is reading.
        if (::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) != 0) {
            return systemReason(errno);
        }
        if (!S_ISREG(status.st_mode)) {
            file.direct_ = true;
            file.writingPath_ = path;
            return file;
        }
        // Through a link, the file it leads to is replaced and the link stays.
        struct stat link {};
        if (::lstat(path.c_str(), &link) == 0 && S_ISLNK(link.st_mode)) {
            std::error_code error;
            const std::filesystem::path resolved = std::filesystem::canonical(path, error);
            if (!error) {
                file.target_ = resolved.string();
            }
        }
    }
    std::filesystem::path folder = std::filesystem::path(file.target_).parent_path();
    if (folder.empty()) {
        folder = ".";
    }
    int error = 0;
    for (int attempt = 0; attempt < kTemporaryNameAttempts && file.descriptor_ < 0; ++attempt) {
        const std::filesystem::path temporary =
            folder / (".zindral-host-" + std::to_string(::getpid()) + "-" + std::to_string(attempt));
        file.descriptor_ = ::open(temporary.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        error = errno;
        if (file.descriptor_ >= 0) {
            file.writingPath_ = temporary.string();
        } else if (error != EEXIST) {
            break;
        }
    }
    if (file.descriptor_ < 0) {
        if (exists) {
            return "no file can be made beside it to replace it: " + systemReason(error);
        }
        return systemReason(error);
    }
    file.pending_ = true;
    if (exists) {
        // The new file keeps the permissions of the one it replaces.
        (void)::fchmod(file.descriptor_, status.st_mode & 07777);
    }
    return file;
}

OutputFile::OutputFile(OutputFile&& other) noexcept
    : target_(std::move(other.target_)), writingPath_(std::move(other.writingPath_)),
      descriptor_(std::exchange(other.descriptor_, -1)), direct_(other.direct_),
      pending_(std::exchange(other.pending_, false)) {}

OutputFile& OutputFile::operator=(OutputFile&& other) noexcept {
    if (this != &other) {
        discard();
        target_ = std::move(other.target_);
        writingPath_ = std::move(other.writingPath_);
        descriptor_ = std::exchange(other.descriptor_, -1);
        direct_ = other.direct_;
        pending_ = std::exchange(other.pending_, false);
    }
    return *this;
}

OutputFile::~OutputFile() {
    discard();
}

void OutputFile::discard() {
    if (descriptor_ >= 0) {
        ::close(descriptor_);
        descriptor_ = -1;
    }
    if (pending_ && !direct_) {
        ::unlink(writingPath_.c_str());
    }
    pending_ = false;
}

std::optional<std::string> OutputFile::write(const void* data, std::size_t size) {
    if (descriptor_ < 0 && direct_) {
        // No O_CREAT: should the device or pipe be gone by now, no plain file takes its place.
        descriptor_ = ::open(writingPath_.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
        if (descriptor_ < 0) {
            return systemReason(errno);
        }
    }
    if (descriptor_ < 0) {
        return systemReason(EBADF);
    }
    const char* bytes = static_cast<const char*>(data);
    for (std::size_t written = 0; written < size;) {
        const ssize_t n = ::write(descriptor_, bytes + written, size - written);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            return systemReason(errno);
        }
        written += static_cast<std::size_t>(n);
    }
    return std::nullopt;
}

std::optional<std::string> OutputFile::commit() {
    std::optional<std::string> problem;
    if (direct_) {
        if (descriptor_ >= 0 && ::close(std::exchange(descriptor_, -1)) != 0) {
            problem = systemReason(errno);
        }
        return problem;
    }
    if (!pending_) {
        return systemReason(EBADF);
    }
    // A full disk may only say so when the data goes to it, which fsync waits for, or on close.
    if (::fsync(descriptor_) != 0) {
        problem = systemReason(errno);
    }
    if (::close(std::exchange(descriptor_, -1)) != 0 && !problem) {
        problem = systemReason(errno);
    }
    if (!problem && ::rename(writingPath_.c_str(), target_.c_str()) != 0) {
        problem = systemReason(errno);
    }
    if (problem) {
        discard();
    } else {
        pending_ = false;
    }
    return problem;
}

std::optional<std::string> outputFileProblem(const std::string& path) {
    auto file = OutputFile::create(path);
    if (const auto* problem = std::get_if<std::string>(&file)) {
        return *problem;
    }
    return std::nullopt;
}

} // namespace host
