#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// Reading an XML document as a stream of events (expat underneath):
//
//     struct Titles : tk::XmlHandler {
//         void startElement(const tk::XmlName& name, const tk::XmlAttributes&) override { ... }
//         void characters(std::string_view text) override { ... }
//     };
//     Titles titles;
//     if (auto error = tk::readXml(document, titles)) { ... error->message, error->line ... }
//
// Namespaces are processed: a name arrives as its namespace's URI and its local name, whatever
// prefix the document binds the namespace to (<u:version xmlns:u="URI"> is {URI, "version"}, and so
// is <version xmlns="URI">); a name without a namespace has an empty URI. Namespace declarations
// are not attributes, and a prefix the document never binds makes it malformed. Character data may
// arrive in several pieces for one run of text (at entity references, line breaks, buffer ends); a
// handler that wants the whole text appends. Events delivered before an error stay delivered.
// Nothing is fetched from outside the document (no external entities or DTDs), and expat's guard
// against entity expansion attacks is on.

namespace tk {

// The name of an element or attribute; valid during the call that hands it over.
struct XmlName {
    std::string_view namespaceURI; // empty: in no namespace
    std::string_view localName;

    friend bool operator==(const XmlName&, const XmlName&) = default;
};

using XmlAttributes = std::vector<std::pair<XmlName, std::string_view>>;

class XmlHandler {
public:
    virtual ~XmlHandler() = default;
    virtual void startElement(const XmlName& name, const XmlAttributes& attributes) {
        (void)name;
        (void)attributes;
    }
    virtual void endElement(const XmlName& name) { (void)name; }
    virtual void characters(std::string_view text) { (void)text; }
};

struct XmlError {
    std::string message;
    unsigned long line = 0;   // 1-based; 0 when unknown
    unsigned long column = 0; // 0-based, in bytes
};

// [any] Reads the whole document, calling the handler for each event. Returns the first error
// (malformed XML, or an exception thrown by the handler, which stops reading), or nothing.
std::optional<XmlError> readXml(std::string_view document, XmlHandler& handler);

} // namespace tk
