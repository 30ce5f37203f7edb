#include "platform/host/FileWriting.h"

#include "platform/host/OutputFile.h"

#include <filesystem>

namespace host {

namespace {

// Longer names are shortened in messages to this many bytes from their start and their end.
constexpr std::size_t kShownHead = 60;
constexpr std::size_t kShownTail = 40;

bool isContinuationByte(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

} // namespace

std::optional<std::string> writeWholeFile(const std::string& path, const void* data, std::size_t size) {
    auto created = OutputFile::create(path);
    if (auto* problem = std::get_if<std::string>(&created)) {
        return *problem;
    }
    OutputFile& file = std::get<OutputFile>(created);
    if (auto problem = file.write(data, size)) {
        return problem;
    }
    return file.commit();
}

std::string absolutePathText(const std::string& path) {
    std::error_code error;
    std::filesystem::path absolute = std::filesystem::absolute(path, error);
    return error ? path : absolute.lexically_normal().string();
}

std::string pathForMessages(const std::string& path) {
    std::string shown;
    if (path.size() <= kShownHead + kShownTail + 20) {
        shown = path;
    } else {
        // Cut between characters, not inside one.
        std::size_t head = kShownHead;
        while (head > 0 && isContinuationByte(path[head])) {
            --head;
        }
        std::size_t tail = path.size() - kShownTail;
        while (tail < path.size() && isContinuationByte(path[tail])) {
            ++tail;
        }
        shown = path.substr(0, head) + "..." + path.substr(tail) + " (" + std::to_string(path.size()) +
                " bytes long)";
    }
    for (char& c : shown) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) {
            c = '?';
        }
    }
    return shown;
}

} // namespace host
