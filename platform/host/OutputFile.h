#pragma once

// A file the host is asked to write (a MIDI export, a saved state, a screenshot) that appears under
// its name only once it is whole. A regular file, or a new one, is written to a temporary beside it
// that replaces it on commit and is removed otherwise, so a failed write leaves the old file (or
// none) behind. A device or a pipe (/dev/null, a FIFO) is written directly: renaming over it would
// put a plain file in its place.

#include <optional>
#include <string>
#include <variant>

namespace host {

class OutputFile {
public:
    // [any] Makes the temporary (nothing, for a device or pipe), or says why `path` cannot take the
    // output: "Is a directory", "No such file or directory", "File name too long", ...
    static std::variant<OutputFile, std::string> create(const std::string& path);

    OutputFile(OutputFile&& other) noexcept;
    OutputFile& operator=(OutputFile&& other) noexcept;
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;
    // Removes the temporary unless it was committed.
    ~OutputFile();

    // Where the bytes go: the temporary, or the device or pipe itself. Whoever writes there by name
    // replaces what it holds.
    const std::string& writingPath() const { return writingPath_; }

    // [any] Writes all of `data` (after what was written before); the system's reason when it
    // cannot.
    std::optional<std::string> write(const void* data, std::size_t size);

    // [any] Puts what was written under the asked name: the temporary goes to the disk and then
    // replaces the target. The reason, and the temporary removed, when that fails.
    std::optional<std::string> commit();

private:
    OutputFile() = default;
    void discard();

    std::string target_;
    std::string writingPath_;
    // The temporary, or the device or pipe once written to; -1 when closed.
    int descriptor_ = -1;
    bool direct_ = false;
    bool pending_ = false;
};

// [any] Why `path` cannot take an output file, or nothing when it can; it is checked by making the
// temporary and removing it again, so nothing is left and nothing is changed.
std::optional<std::string> outputFileProblem(const std::string& path);

} // namespace host
