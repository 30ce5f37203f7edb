#pragma once

// The update feed: an RSS document ("appcast") whose items each describe one release.
//
//     <rss xmlns:sparkle="...update namespace..."><channel>
//       <item>
//         <title>Version 2.0</title>
//         <link>https://velmor.example/zindral/2.0</link>
//         <sparkle:version>20</sparkle:version>
//         <sparkle:shortVersionString>2.0</sparkle:shortVersionString>
//         <enclosure url="https://.../Zindral-2.0.tar.xz" sparkle:version="20" length="..." type="..."/>
//       </item>
//     </channel></rss>
//
// The "sparkle:" names are those of the update namespace (UpdateNamespace.h), bound to whatever
// prefix; RSS's own names are in no namespace. The version may stand in the item or as an attribute
// of its enclosure (the item's own element wins). Items with neither a version nor a short version string
// cannot be compared and are left out. Texts are trimmed of surrounding white space.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace updater {

struct AppcastItem {
    std::string title;
    std::string version;            // "sparkle:version": the build number, compared first
    std::string shortVersionString; // "sparkle:shortVersionString": the version shown to people
    std::string link;               // the release's page
    std::string enclosureURL;       // the download itself

    // The version as shown: the short version string, else the version.
    const std::string& displayVersion() const {
        return shortVersionString.empty() ? version : shortVersionString;
    }
    // Where the download button leads: the release's page, else the download.
    const std::string& downloadURL() const { return link.empty() ? enclosureURL : link; }

    friend bool operator==(const AppcastItem&, const AppcastItem&) = default;
};

struct Appcast {
    std::vector<AppcastItem> items; // in document order
};

struct AppcastParseResult {
    std::optional<Appcast> appcast; // set on success
    std::string error;              // why the document is not an appcast, on failure
};

// [any] Reads a feed. Fails for a document that is not well-formed XML or whose root element is
// not "rss".
AppcastParseResult parseAppcast(std::string_view document);

} // namespace updater
