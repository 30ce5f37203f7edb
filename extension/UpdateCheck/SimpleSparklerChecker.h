#pragma once

#include "platform/tk/net/XmlReader.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace extension {

// Reads the version strings out of an update feed (an appcast): the text of every
// shortVersionString element of the update namespace (updater::isUpdateName, whatever its prefix),
// trimmed, in document order. Every other element is ignored. Made for one feed, used once.
class SimpleSparklerChecker final : public tk::XmlHandler {
public:
    static constexpr std::string_view kVersionElement = "shortVersionString";

    // [any] Reads the feed. A feed that is not well-formed XML (cut short, not XML at all) yields no
    // versions, whatever stood before the fault: the application's updater refuses such a feed
    // too, and the two must not disagree about what was published.
    void parse(std::string_view data);

    // [any] The newest version in the feed, by tk::compareVersions (the first of equal ones; versions
    // that cannot be compared are skipped); nothing when there is none.
    std::optional<std::string> latestVersion() const;

    const std::vector<std::string>& versions() const { return versions_; }

    void startElement(const tk::XmlName& name, const tk::XmlAttributes& attributes) override;
    void characters(std::string_view text) override;
    void endElement(const tk::XmlName& name) override;

private:
    std::vector<std::string> versions_;
    bool currentIsVersion_ = false; // the element most recently started is a version element
    std::string currentValue_;      // text gathered since it started
};

} // namespace extension
