#pragma once

#include "platform/tk/net/XmlReader.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace extension {

// Reads the version strings out of an update feed (an appcast): the text of every
// "sparkle:shortVersionString" element, trimmed, in document order. Every other element is ignored.
// Made for one feed, used once.
class SimpleSparklerChecker final : public tk::XmlHandler {
public:
    static constexpr std::string_view kVersionElement = "sparkle:shortVersionString";

    // [any] Reads the feed. What was collected before a parse error stays collected; the error itself
    // is not reported, since a feed that says nothing usable simply announces nothing.
    void parse(std::string_view data);

    // [any] The newest version in the feed, by tk::compareVersions (the first of equal ones; versions
    // that cannot be compared are skipped); nothing when there is none.
    std::optional<std::string> latestVersion() const;

    const std::vector<std::string>& versions() const { return versions_; }

    void startElement(std::string_view name, const tk::XmlAttributes& attributes) override;
    void characters(std::string_view text) override;
    void endElement(std::string_view name) override;

private:
    std::vector<std::string> versions_;
    std::string currentElement_; // the element most recently started
    std::string currentValue_;   // text gathered since it started
};

} // namespace extension
