#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <variant>

namespace au {

// Result codes of the audio-unit layer. The numbers are the ones hosts know, so a log line with a
// status can be looked up in any host's documentation.
using Status = int32_t;

inline constexpr Status kNoErr = 0;
inline constexpr Status kErrInvalidPropertyValue = -10851;
inline constexpr Status kErrCannotDoInCurrentContext = -10863;
inline constexpr Status kErrPropertyNotWritable = -10865;
inline constexpr Status kErrUninitialized = -10867;
inline constexpr Status kErrFormatNotSupported = -10868;
inline constexpr Status kErrInvalidFile = -10871;
inline constexpr Status kErrTooManyFramesToProcess = -10874;
inline constexpr Status kErrFailedInitialization = -10875;
inline constexpr Status kErrNoConnection = -10876;
inline constexpr Status kErrInvalidElement = -10877;
inline constexpr Status kErrInvalidParameter = -10878;
inline constexpr Status kErrInvalidProperty = -10879;

// A recoverable failure: a status for programs and a description for people.
struct Error {
    Status code = kErrFailedInitialization;
    std::string description;
};

// Either a value or the Error that prevented it. Small on purpose: ok(), value(), error().
template <class T> class Result {
public:
    Result(T value) : state_(std::move(value)) {}
    Result(Error error) : state_(std::move(error)) {}

    bool ok() const { return state_.index() == 0; }
    explicit operator bool() const { return ok(); }
    T& value() & { return std::get<0>(state_); }
    const T& value() const& { return std::get<0>(state_); }
    T&& value() && { return std::get<0>(std::move(state_)); }
    const Error& error() const { return std::get<1>(state_); }

private:
    std::variant<T, Error> state_;
};

} // namespace au
