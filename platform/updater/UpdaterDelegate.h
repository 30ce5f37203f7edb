#pragma once

// The updater asks its delegate for the feed's address (an appcast URL); the address in the
// program's information file is not used.

#include <optional>
#include <string>

namespace updater {

class Updater;

class UpdaterDelegate {
public:
    virtual ~UpdaterDelegate() = default;
    // [main] The feed's address, or nothing when there is none.
    virtual std::optional<std::string> feedURLString(const Updater& updater) = 0;
};

// Reserved for the dialogs' delegate; the standard controller accepts none and takes null.
class UserDriverDelegate {
public:
    virtual ~UserDriverDelegate() = default;
};

} // namespace updater
