#pragma once

// The error the GPU layer throws where the shader API reports an error object: a shader library
// that cannot be read, a pipeline that cannot be built, a texture that cannot be loaded. what() is
// the description a user could be shown.

#include <stdexcept>
#include <string>

namespace gpu {

class Error : public std::runtime_error {
public:
    explicit Error(const std::string& description) : std::runtime_error(description) {}
    std::string localizedDescription() const { return what(); }
};

} // namespace gpu
