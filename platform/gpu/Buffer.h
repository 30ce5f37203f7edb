#pragma once

// A block of bytes the GPU reads (shared storage: the CPU may change contents() between frames and
// the next frame sees the change). Made by a Device; never resized.

#include <cstddef>
#include <span>
#include <string>
#include <vector>

namespace gpu {

class Buffer {
public:
    // A buffer holding a copy of `bytes`.
    explicit Buffer(std::span<const std::byte> bytes) : bytes_(bytes.begin(), bytes.end()) {}

    std::size_t length() const { return bytes_.size(); }
    std::span<const std::byte> contents() const { return bytes_; }
    std::span<std::byte> mutableContents() { return bytes_; }

    const std::string& label() const { return label_; }
    void setLabel(std::string label) { label_ = std::move(label); }

private:
    std::vector<std::byte> bytes_;
    std::string label_;
};

} // namespace gpu
