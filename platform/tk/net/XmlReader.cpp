#include "platform/tk/net/XmlReader.h"

#include <expat.h>

#include <algorithm>
#include <climits>
#include <exception>
#include <memory>
#include <string_view>

namespace tk {

namespace {

// Between a namespace's URI and the local name in the names expat hands over. Neither holds a line
// feed (expat refuses a namespace URI with the separator in it), so the last one splits them.
constexpr XML_Char kNamespaceSeparator = '\n';

XmlName splitName(const XML_Char* name) {
    const std::string_view text(name);
    const auto at = text.rfind(kNamespaceSeparator);
    if (at == std::string_view::npos)
        return {{}, text};
    return {text.substr(0, at), text.substr(at + 1)};
}

struct ParserDeleter {
    void operator()(XML_ParserStruct* parser) const { XML_ParserFree(parser); }
};

struct Context {
    XML_Parser parser = nullptr;
    XmlHandler* handler = nullptr;
    std::optional<std::string> handlerFailure;
    XmlAttributes attributes;
};

// An exception must not cross expat's C frames: it is caught here and stops the parser.
template <class Body> void guarded(void* data, Body&& body) {
    auto& context = *static_cast<Context*>(data);
    if (context.handlerFailure)
        return;
    try {
        body(context);
    } catch (const std::exception& error) {
        context.handlerFailure = error.what();
        XML_StopParser(context.parser, XML_FALSE);
    } catch (...) {
        context.handlerFailure = "handler failed";
        XML_StopParser(context.parser, XML_FALSE);
    }
}

void onStart(void* data, const XML_Char* name, const XML_Char** attributes) {
    guarded(data, [&](Context& context) {
        context.attributes.clear();
        for (const XML_Char** pair = attributes; pair && pair[0] && pair[1]; pair += 2)
            context.attributes.emplace_back(splitName(pair[0]), pair[1]);
        context.handler->startElement(splitName(name), context.attributes);
    });
}

void onEnd(void* data, const XML_Char* name) {
    guarded(data, [&](Context& context) { context.handler->endElement(splitName(name)); });
}

void onCharacters(void* data, const XML_Char* text, int length) {
    guarded(data, [&](Context& context) {
        if (length > 0)
            context.handler->characters(std::string_view(text, static_cast<std::size_t>(length)));
    });
}

} // namespace

std::optional<XmlError> readXml(std::string_view document, XmlHandler& handler) {
    std::unique_ptr<XML_ParserStruct, ParserDeleter> parser(XML_ParserCreateNS(nullptr, kNamespaceSeparator));
    if (!parser)
        return XmlError{"out of memory", 0, 0};
    Context context;
    context.parser = parser.get();
    context.handler = &handler;
    XML_SetUserData(parser.get(), &context);
    XML_SetElementHandler(parser.get(), onStart, onEnd);
    XML_SetCharacterDataHandler(parser.get(), onCharacters);
    // No external entity handler is set, so expat reads nothing outside the document.
    XML_SetParamEntityParsing(parser.get(), XML_PARAM_ENTITY_PARSING_NEVER);

    // expat takes lengths as int: feed big documents in pieces.
    constexpr std::size_t kPiece = std::size_t{1} << 30;
    std::size_t offset = 0;
    do {
        const std::size_t length = std::min(kPiece, document.size() - offset);
        const bool last = offset + length == document.size();
        const XML_Status status = XML_Parse(parser.get(), document.data() + offset, static_cast<int>(length),
                                            last ? XML_TRUE : XML_FALSE);
        if (context.handlerFailure)
            return XmlError{*context.handlerFailure, XML_GetCurrentLineNumber(parser.get()),
                            XML_GetCurrentColumnNumber(parser.get())};
        if (status != XML_STATUS_OK) {
            const char* text = XML_ErrorString(XML_GetErrorCode(parser.get()));
            return XmlError{text ? text : "malformed document", XML_GetCurrentLineNumber(parser.get()),
                            XML_GetCurrentColumnNumber(parser.get())};
        }
        offset += length;
    } while (offset < document.size());
    return std::nullopt;
}

} // namespace tk
