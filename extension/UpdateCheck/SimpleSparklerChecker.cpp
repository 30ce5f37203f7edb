#include "extension/UpdateCheck/SimpleSparklerChecker.h"

#include "platform/tk/base/VersionComparison.h"
#include "platform/tk/base/Whitespace.h"
#include "platform/updater/UpdateNamespace.h"

namespace extension {

void SimpleSparklerChecker::parse(std::string_view data) {
    if (tk::readXml(data, *this))
        versions_.clear();
}

std::optional<std::string> SimpleSparklerChecker::latestVersion() const {
    std::optional<std::string> best;
    for (const std::string& version : versions_) {
        if (!tk::versionNumbers(version))
            continue;
        if (!best || tk::compareVersions(version, *best) > 0)
            best = version;
    }
    return best;
}

void SimpleSparklerChecker::startElement(const tk::XmlName& name, const tk::XmlAttributes&) {
    currentIsVersion_ = updater::isUpdateName(name, kVersionElement);
    currentValue_.clear();
}

void SimpleSparklerChecker::characters(std::string_view text) {
    // A feed can make a text as long as it likes; past this it is no version anyway (and it is never
    // kept whole, let alone shown).
    constexpr std::size_t kMaxGathered = 4096;
    if (currentValue_.size() < kMaxGathered)
        currentValue_ += text.substr(0, kMaxGathered - currentValue_.size());
}

void SimpleSparklerChecker::endElement(const tk::XmlName& name) {
    // Only the end of the version element itself takes its text: the end of an enclosing element
    // must not take the same text again.
    if (currentIsVersion_ && updater::isUpdateName(name, kVersionElement))
        versions_.emplace_back(tk::trimmed(currentValue_));
    currentIsVersion_ = false;
    currentValue_.clear();
}

} // namespace extension
