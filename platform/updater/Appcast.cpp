#include "platform/updater/Appcast.h"

#include "platform/tk/net/XmlReader.h"

namespace updater {

namespace {
std::string trimmed(std::string text) {
    const char* space = " \t\r\n";
    const auto first = text.find_first_not_of(space);
    if (first == std::string::npos)
        return {};
    const auto last = text.find_last_not_of(space);
    return text.substr(first, last - first + 1);
}

class AppcastHandler final : public tk::XmlHandler {
public:
    void startElement(std::string_view name, const tk::XmlAttributes& attributes) override {
        ++depth_;
        if (depth_ == 1)
            sawRss_ = name == "rss";
        text_.clear();
        if (name == "item") {
            item_ = AppcastItem{};
            itemDepth_ = depth_;
            return;
        }
        if (!item_ || name != "enclosure")
            return;
        for (const auto& [key, value] : attributes) {
            if (key == "url")
                item_->enclosureURL = trimmed(std::string(value));
            else if (key == "sparkle:version")
                enclosureVersion_ = trimmed(std::string(value));
            else if (key == "sparkle:shortVersionString")
                enclosureShortVersion_ = trimmed(std::string(value));
        }
    }

    void characters(std::string_view text) override { text_ += text; }

    void endElement(std::string_view name) override {
        if (item_ && depth_ == itemDepth_ + 1) {
            if (name == "title")
                item_->title = trimmed(text_);
            else if (name == "link")
                item_->link = trimmed(text_);
            else if (name == "sparkle:version")
                item_->version = trimmed(text_);
            else if (name == "sparkle:shortVersionString")
                item_->shortVersionString = trimmed(text_);
        }
        if (item_ && depth_ == itemDepth_ && name == "item")
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
        if (!item_->version.empty() || !item_->shortVersionString.empty())
            appcast.items.push_back(std::move(*item_));
        item_.reset();
        enclosureVersion_.clear();
        enclosureShortVersion_.clear();
    }

    std::optional<AppcastItem> item_;
    std::string enclosureVersion_;
    std::string enclosureShortVersion_;
    std::string text_;
    int depth_ = 0;
    int itemDepth_ = 0;
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
