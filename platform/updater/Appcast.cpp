#include "platform/updater/Appcast.h"

#include "platform/tk/base/VersionComparison.h"
#include "platform/tk/net/XmlReader.h"
#include "platform/updater/UpdateNamespace.h"

namespace updater {

namespace {
// Texts from the feed are kept to these lengths before anything shows them: a feed can make any
// text as long as it likes (entity expansion makes megabytes out of a small document).
constexpr std::size_t kMaxText = 4096;
constexpr std::size_t kMaxTitle = 256;

// `text` cut to at most `limit` bytes, at a character boundary.
std::string_view capped(std::string_view text, std::size_t limit) {
    if (text.size() <= limit)
        return text;
    std::size_t end = limit;
    while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80)
        --end;
    return text.substr(0, end);
}

std::string trimmed(std::string text) {
    const char* space = " \t\r\n";
    const auto first = text.find_first_not_of(space);
    if (first == std::string::npos)
        return {};
    const auto last = text.find_last_not_of(space);
    return text.substr(first, last - first + 1);
}

// RSS's own elements are in no namespace.
bool isRss(const tk::XmlName& name, std::string_view localName) {
    return name.namespaceURI.empty() && name.localName == localName;
}

class AppcastHandler final : public tk::XmlHandler {
public:
    void startElement(const tk::XmlName& name, const tk::XmlAttributes& attributes) override {
        ++depth_;
        if (depth_ == 1)
            sawRss_ = isRss(name, "rss");
        text_.clear();
        if (isRss(name, "item")) {
            item_ = AppcastItem{};
            itemUnusable_ = false;
            itemDepth_ = depth_;
            return;
        }
        if (!item_ || !isRss(name, "enclosure"))
            return;
        for (const auto& [key, value] : attributes) {
            const bool isURL = isRss(key, "url");
            // An address too long to keep is no address (a cut one would lie); a version too long to
            // keep is too long to be compared.
            if (value.size() > kMaxText) {
                itemUnusable_ = itemUnusable_ || !isURL;
                continue;
            }
            if (isURL)
                item_->enclosureURL = trimmed(std::string(value));
            else if (isUpdateName(key, "version"))
                enclosureVersion_ = trimmed(std::string(value));
            else if (isUpdateName(key, "shortVersionString"))
                enclosureShortVersion_ = trimmed(std::string(value));
        }
    }

    void characters(std::string_view text) override {
        if (text_.size() > kMaxText)
            return;
        text_ += text.substr(0, kMaxText + 1 - text_.size()); // one byte over marks it too long
    }

    void endElement(const tk::XmlName& name) override {
        if (item_ && depth_ == itemDepth_ + 1) {
            const bool tooLong = text_.size() > kMaxText;
            const bool isVersion = isUpdateName(name, "version");
            const bool isShortVersion = isUpdateName(name, "shortVersionString");
            if (isRss(name, "title"))
                item_->title = capped(trimmed(text_), kMaxTitle);
            else if (isRss(name, "link"))
                item_->link = tooLong ? std::string() : trimmed(text_);
            else if (isVersion)
                item_->version = trimmed(text_);
            else if (isShortVersion)
                item_->shortVersionString = trimmed(text_);
            if (tooLong && (isVersion || isShortVersion))
                itemUnusable_ = true;
        }
        if (item_ && depth_ == itemDepth_ && isRss(name, "item"))
            finishItem();
        text_.clear();
        --depth_;
    }

    bool sawRss() const { return sawRss_; }
    Appcast appcast;

private:
    void finishItem() {
        if (item_->version.empty())
            item_->version = enclosureVersion_;
        if (item_->shortVersionString.empty())
            item_->shortVersionString = enclosureShortVersion_;
        // An item whose version cannot be compared (a piece beyond 64 bits, longer than a version
        // can be) is left out, before any of its texts reach a dialog.
        const bool comparable = !itemUnusable_ && tk::versionNumbers(item_->version) &&
                                tk::versionNumbers(item_->shortVersionString);
        if (comparable && (!item_->version.empty() || !item_->shortVersionString.empty()))
            appcast.items.push_back(std::move(*item_));
        item_.reset();
        itemUnusable_ = false;
        enclosureVersion_.clear();
        enclosureShortVersion_.clear();
    }

    std::optional<AppcastItem> item_;
    std::string enclosureVersion_;
    std::string enclosureShortVersion_;
    std::string text_;
    int depth_ = 0;
    int itemDepth_ = 0;
    bool itemUnusable_ = false; // a version of the item was too long to keep
    bool sawRss_ = false;
};
} // namespace

AppcastParseResult parseAppcast(std::string_view document) {
    AppcastHandler handler;
    if (auto error = tk::readXml(document, handler))
        return {std::nullopt, "the feed is not well-formed XML (line " + std::to_string(error->line) + ": " +
                                  error->message + ")"};
    if (!handler.sawRss())
        return {std::nullopt, "the feed is not an RSS document"};
    return {std::move(handler.appcast), {}};
}

} // namespace updater
