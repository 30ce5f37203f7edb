#pragma once

// A shader library: the functions of a bundle's Shaders/ folder, one GLSL file per function, named
// after it: <name>.vert holds a vertex function, <name>.frag a fragment function
// (Shaders/audioWaveformVertexShader.vert, Shaders/audioWaveformFragmentShader.frag). The sources
// are read when the library is made and compiled when a pipeline is built from them.

#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/gpu/Types.h"

namespace gpu {

class Function {
public:
    Function(std::string name, ShaderStage stage, std::string source)
        : name_(std::move(name)), stage_(stage), source_(std::move(source)) {}

    const std::string& name() const { return name_; }
    ShaderStage functionType() const { return stage_; }
    const std::string& source() const { return source_; }

private:
    std::string name_;
    ShaderStage stage_;
    std::string source_;
};

class Library {
public:
    // The default library of the bundle at `bundlePath`: every .vert and .frag file of its Shaders/
    // folder. Throws gpu::Error when the folder is missing, holds no function, or a file cannot be
    // read.
    static std::shared_ptr<Library> loadDefault(const std::filesystem::path& bundlePath);

    explicit Library(std::vector<Function> functions);

    // The function named `name`, or null when the library has none of that name.
    std::shared_ptr<const Function> makeFunction(std::string_view name) const;
    std::vector<std::string> functionNames() const;

private:
    std::map<std::string, std::shared_ptr<const Function>, std::less<>> functions_;
};

} // namespace gpu
