#include "platform/tk/ui/Environment.h"

namespace tk::ui {
namespace {

// The environment of the body or handler running on this thread (null: none).
thread_local const EnvironmentValues* tCurrentEnvironment = nullptr;

} // namespace

const EnvironmentValues& currentEnvironment() {
    static const EnvironmentValues kDefaults;
    return tCurrentEnvironment ? *tCurrentEnvironment : kDefaults;
}

EnvironmentScope::EnvironmentScope(const EnvironmentValues& environment) : previous_(tCurrentEnvironment) {
    tCurrentEnvironment = &environment;
}

EnvironmentScope::~EnvironmentScope() {
    tCurrentEnvironment = previous_;
}

} // namespace tk::ui
