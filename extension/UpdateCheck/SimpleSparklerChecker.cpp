#include "extension/UpdateCheck/SimpleSparklerChecker.h"

#include "extension/UpdateCheck/VersionWeight.h"

namespace extension {

namespace {

std::string_view trimmed(std::string_view text) {
    constexpr std::string_view kWhiteSpace = " \t\n\r\v\f";
    const std::size_t first = text.find_first_not_of(kWhiteSpace);
    if (first == std::string_view::npos)
        return {};
    const std::size_t last = text.find_last_not_of(kWhiteSpace);
    return text.substr(first, last - first + 1);
}

} // namespace

void SimpleSparklerChecker::parse(std::string_view data) {
    (void)tk::readXml(data, *this);
}

std::optional<std::string> SimpleSparklerChecker::latestVersion() const {
    std::optional<std::string> best;
    int64_t bestWeight = 0;
    for (const std::string& version : versions_) {
        const std::optional<int64_t> weight = convertVersionToWeight(version);
        if (!weight)
            continue;
        if (!best || *weight > bestWeight) {
            best = version;
            bestWeight = *weight;
        }
    }
    return best;
}

void SimpleSparklerChecker::startElement(std::string_view name, const tk::XmlAttributes&) {
    currentElement_ = name;
    currentValue_.clear();
}

void SimpleSparklerChecker::characters(std::string_view text) {
    currentValue_ += text;
}

void SimpleSparklerChecker::endElement(std::string_view name) {
    // Only the end of the version element itself takes its text: the end of an enclosing element
    // must not take the same text again.
    if (name == kVersionElement && currentElement_ == kVersionElement)
        versions_.emplace_back(trimmed(currentValue_));
    currentElement_.clear();
    currentValue_.clear();
}

} // namespace extension
