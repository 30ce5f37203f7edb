#pragma once

// The error a shader renderer throws when it has no device to draw with (or the device cannot make
// a command queue). Its description is the localised "MetalRenderer.Error.description", whose
// default text is "No valid metal device"; it has no failure reason, recovery suggestion or help
// anchor.

#include <exception>
#include <optional>
#include <string>

namespace WendleShaders {

class RendererError : public std::exception {
public:
    enum class Code { noValidDevice };

    static RendererError noValidDevice() { return RendererError(Code::noValidDevice); }

    Code code() const { return code_; }
    std::optional<std::string> errorDescription() const;
    std::optional<std::string> failureReason() const { return std::nullopt; }
    std::optional<std::string> recoverySuggestion() const { return std::nullopt; }
    std::optional<std::string> helpAnchor() const { return std::nullopt; }
    const char* what() const noexcept override { return description_.c_str(); }

private:
    explicit RendererError(Code code);

    Code code_;
    std::string description_;
};

} // namespace WendleShaders
