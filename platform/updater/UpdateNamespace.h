#pragma once

// The update feed's own names (its versions, in elements and in enclosure attributes) live in one
// XML namespace. Feeds usually bind it to the prefix "sparkle", but any prefix, or a default
// namespace, names the same things: names are matched by the namespace's URI, never by prefix.

#include "platform/tk/net/XmlReader.h"

#include <string_view>

namespace updater {

inline constexpr std::string_view kUpdateNamespaceURI = "http://www.andymatuschak.org/xml-namespaces/sparkle";

// [any] Whether `name` is `localName` of the update namespace.
inline bool isUpdateName(const tk::XmlName& name, std::string_view localName) {
    return name.namespaceURI == kUpdateNamespaceURI && name.localName == localName;
}

} // namespace updater
