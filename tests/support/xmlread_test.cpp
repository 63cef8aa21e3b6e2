#include "plugin/support/mymemory.h"
#include "plugin/support/xmlread.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::string data(const char* text, const char* name) {
    char* found = getXMLData(text, name);
    std::string s = found ? found : "<none>";
    myfree(found);
    return s;
}

// Every element EnumXMLData reports, stopping after `stopAfter`.
std::vector<std::string> enumerate(const char* text, const char* name, size_t stopAfter = 99) {
    struct Seen {
        std::vector<std::string> all;
        size_t stopAfter;
    } seen{{}, stopAfter};
    EnumXMLData(
        text, name,
        [](char* element, int32_t length, void* c) -> uint8_t {
            auto* s = static_cast<Seen*>(c);
            s->all.emplace_back(element, static_cast<size_t>(length));
            return s->all.size() < s->stopAfter ? 1 : 0;
        },
        &seen);
    return seen.all;
}

} // namespace

TEST(SupportXml, tag_search_rules) {
    char dst[251];
    EXPECT_EQ(3, getXMLString("<r><Yes>Ja!</YES></r>", "yes", dst));
    EXPECT_STREQ("Ja!", dst);
    EXPECT_EQ(0, getXMLString("<yes >x</yes>", "yes", dst)); // not the bare start tag
    EXPECT_EQ(5, getXMLString("<a>first</a><a>second</a>", "a", dst));
    EXPECT_STREQ("first", dst);
    EXPECT_EQ(0, getXMLString("<a></a>", "a", dst)); // empty counts as missing
    EXPECT_EQ(0, getXMLString("<a>open", "a", dst));
    EXPECT_EQ(9, getXMLString("<a> &amp; x </a>", "a", dst)); // raw bytes
    EXPECT_STREQ(" &amp; x ", dst);
    // Content is cut to 250 bytes only by getXMLString.
    std::string text = "<t>" + std::string(300, 'c') + "</t>";
    EXPECT_EQ(250, getXMLString(text.c_str(), "t", dst));
    EXPECT_EQ(300u, data(text.c_str(), "t").size());
}

TEST(SupportXml, invalid_arguments_find_nothing_and_clear_dst) {
    char dst[251] = "stale";
    std::string n64(64, 'n'), n65(65, 'n');
    std::string text = "<" + n64 + ">v</" + n64 + "><" + n65 + ">w</" + n65 + ">";
    EXPECT_EQ(1, getXMLString(text.c_str(), n64.c_str(), dst));
    EXPECT_EQ(0, getXMLString(text.c_str(), n65.c_str(), dst));
    EXPECT_STREQ("", dst);
    EXPECT_EQ(0, getXMLString(nullptr, "a", dst));
    EXPECT_EQ(0, getXMLString("<a>x</a>", "a", nullptr));
    EXPECT_EQ("<none>", data(text.c_str(), n65.c_str()));
    EXPECT_TRUE(enumerate(nullptr, "a").empty());
}

TEST(SupportXml, nesting_and_attributes) {
    const char* nested = "<a>1<a>x</a>2</a>";
    char dst[251];
    getXMLString(nested, "a", dst);
    EXPECT_STREQ("1<a>x", dst);
    EXPECT_EQ((std::vector<std::string>{"<a>1<a>x</a>", "<a>x</a>"}), enumerate(nested, "a"));
    EXPECT_EQ(1u, enumerate(nested, "a", 1).size()); // the callback's 0 stops
    // Attributes written out in full find their element; the end tag is the bare name's.
    const char* items = "<item id=\"2\">two</item><item id=\"3\">three</item>";
    EXPECT_EQ("three", data(items, "item id=\"3\""));
    EXPECT_EQ("<none>", data(items, "item"));
    EXPECT_EQ(1u, enumerate(items, "item id=\"2\"").size());
}

TEST(SupportXml, getXMLValue_reads_flags_and_numbers) {
    const char* text = "<t>true</t><f>false</f><u>TRUE</u><n>12abc</n><m> -7</m><e>x</e>"
                       "<big>99999999999</big><neg>-99999999999</neg>";
    EXPECT_EQ(1, getXMLValue(text, "t", 5));
    EXPECT_EQ(0, getXMLValue(text, "f", 5));
    EXPECT_EQ(0, getXMLValue(text, "u", 5));
    EXPECT_EQ(12, getXMLValue(text, "n", 5));
    EXPECT_EQ(-7, getXMLValue(text, "m", 5));
    EXPECT_EQ(INT32_MAX, getXMLValue(text, "big", 5));
    EXPECT_EQ(INT32_MIN, getXMLValue(text, "neg", 5));
    EXPECT_EQ(5, getXMLValue(text, "missing", 5));
}
