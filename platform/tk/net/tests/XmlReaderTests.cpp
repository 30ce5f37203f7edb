// The SAX wrapper: events in order, split character data, errors reported and never a crash.

#include "platform/tk/net/XmlReader.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

// A name as {URI}local, or local alone without a namespace.
std::string written(const tk::XmlName& name) {
    const std::string local(name.localName);
    return name.namespaceURI.empty() ? local : "{" + std::string(name.namespaceURI) + "}" + local;
}

// Writes every event as a line, so a whole document's events compare as one string.
struct Recorder : tk::XmlHandler {
    std::string log;
    int characterPieces = 0;
    void startElement(const tk::XmlName& name, const tk::XmlAttributes& attributes) override {
        log += "<" + written(name);
        for (const auto& [key, value] : attributes)
            log += " " + written(key) + "=" + std::string(value);
        log += ">";
    }
    void endElement(const tk::XmlName& name) override { log += "</" + written(name) + ">"; }
    void characters(std::string_view text) override {
        log += text;
        ++characterPieces;
    }
};

TEST(XmlReader, DeliversElementsAttributesAndTextInOrder) {
    Recorder recorder;
    auto error = tk::readXml(
        R"(<?xml version="1.0"?><rss xmlns:sparkle="http://x"><item a="1" b="two"><sparkle:version>2.0</sparkle:version></item></rss>)",
        recorder);
    EXPECT_FALSE(error.has_value());
    EXPECT_EQ(recorder.log, "<rss><item a=1 b=two><{http://x}version>2.0</{http://x}version></item></rss>");
}

TEST(XmlReader, NamesCarryTheirNamespaceWhateverThePrefix) {
    struct Case {
        const char* document;
        const char* events;
    };
    const Case cases[] = {
        {R"(<r xmlns:u="http://x"><u:v u:a="1" a="2"/></r>)",
         "<r><{http://x}v {http://x}a=1 a=2></{http://x}v></r>"},
        {R"(<r xmlns:other="http://x"><other:v/></r>)", "<r><{http://x}v></{http://x}v></r>"},
        {R"(<r xmlns="http://x"><v/></r>)", "<{http://x}r><{http://x}v></{http://x}v></{http://x}r>"},
        {R"(<r xmlns:u="http://x"><u:v xmlns:u="http://y"/></r>)", "<r><{http://y}v></{http://y}v></r>"},
        {R"(<r xmlns:u="urn:a b:c"><u:v/></r>)", "<r><{urn:a b:c}v></{urn:a b:c}v></r>"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.document);
        Recorder recorder;
        EXPECT_FALSE(tk::readXml(c.document, recorder).has_value());
        EXPECT_EQ(recorder.log, c.events);
    }
    Recorder recorder;
    const auto unbound = tk::readXml("<r><u:v>1</u:v></r>", recorder);
    ASSERT_TRUE(unbound.has_value()) << "a prefix nobody bound";
    EXPECT_EQ(recorder.log, "<r>");
}

TEST(XmlReader, TextMayArriveInPieces) {
    Recorder recorder;
    EXPECT_FALSE(tk::readXml("<v>1&#46;2&amp;3\n4</v>", recorder).has_value());
    EXPECT_EQ(recorder.log, "<v>1.2&3\n4</v>");
    EXPECT_GT(recorder.characterPieces, 1);
}

TEST(XmlReader, ReportsMalformedDocumentsAfterWhatCameBefore) {
    struct Case {
        const char* document;
        const char* eventsBefore;
    };
    const Case cases[] = {
        {"", ""},
        {"not xml at all", ""},
        {"<a><b></a>", "<a><b>"},
        {"<a>unclosed", "<a>unclosed"},
        {"<a></a><b></b>", "<a></a>"},
        {"<a>&undefined;</a>", "<a>"},
        {"<a>\xff\xfe</a>", "<a>"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.document);
        Recorder recorder;
        auto error = tk::readXml(c.document, recorder);
        ASSERT_TRUE(error.has_value());
        EXPECT_FALSE(error->message.empty());
        EXPECT_EQ(recorder.log, c.eventsBefore);
    }
}

TEST(XmlReader, EntityExpansionAttacksAreRefused) {
    // Ten levels of ten references each: 10^10 characters if expanded.
    std::string document = "<?xml version=\"1.0\"?><!DOCTYPE d [<!ENTITY a \"aaaaaaaaaa\">";
    for (char name = 'b'; name <= 'k'; ++name) {
        document += std::string("<!ENTITY ") + name + " \"";
        for (int i = 0; i < 10; ++i)
            document += std::string("&") + char(name - 1) + ";";
        document += "\">";
    }
    document += "]><d>&k;</d>";
    Recorder recorder;
    auto error = tk::readXml(document, recorder);
    ASSERT_TRUE(error.has_value());
    EXPECT_LT(recorder.log.size(), std::size_t{1} << 24);
}

TEST(XmlReader, AHandlerThatThrowsStopsReadingWithAnError) {
    struct Thrower : tk::XmlHandler {
        int starts = 0;
        void startElement(const tk::XmlName& name, const tk::XmlAttributes&) override {
            ++starts;
            if (name.localName == "bad")
                throw std::runtime_error("no bad elements");
        }
    } thrower;
    auto error = tk::readXml("<a><bad/><c/><d/></a>", thrower);
    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(error->message, "no bad elements");
    EXPECT_EQ(thrower.starts, 2);
}

} // namespace
