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

std::vector<std::string> enumerate(const char* text, const char* name, size_t stopAfter = 100) {
    struct Ctx {
        std::vector<std::string> seen;
        size_t stopAfter;
    } ctx{{}, stopAfter};
    EnumXMLData(text, name,
                [](char* element, int32_t length, void* c) -> uint8_t {
                    auto* seen = static_cast<Ctx*>(c);
                    seen->seen.emplace_back(element, static_cast<size_t>(length));
                    return seen->seen.size() < seen->stopAfter ? 1 : 0;
                },
                &ctx);
    return ctx.seen;
}

} // namespace

TEST(SupportXml, tag_search_rules) {
    char dst[251];
    // Case is ignored; a start tag with a blank inside is not the bare name.
    EXPECT_EQ(3, getXMLString("<r><Yes>Ja!</YES></r>", "yes", dst));
    EXPECT_STREQ("Ja!", dst);
    EXPECT_EQ(0, getXMLString("<yes >x</yes>", "yes", dst));
    // The first of two elements wins; empty content counts as missing.
    EXPECT_EQ(5, getXMLString("<a>first</a><a>second</a>", "a", dst));
    EXPECT_STREQ("first", dst);
    EXPECT_EQ(0, getXMLString("<a></a>", "a", dst));
    // No end tag, no element.
    EXPECT_EQ(0, getXMLString("<a>open", "a", dst));
    // Content is raw: entities and blanks stay, a commented element is found.
    EXPECT_EQ(9, getXMLString("<a> &amp; x </a>", "a", dst));
    EXPECT_STREQ(" &amp; x ", dst);
    EXPECT_EQ(1, getXMLString("<!-- <c>z</c> -->", "c", dst));
}

TEST(SupportXml, invalid_arguments_find_nothing_and_clear_dst) {
    char dst[251] = "stale";
    std::string name64(64, 'n');
    std::string name65(65, 'n');
    std::string text = "<" + name64 + ">v</" + name64 + "><" + name65 + ">w</" + name65 + ">";
    EXPECT_EQ(1, getXMLString(text.c_str(), name64.c_str(), dst));
    EXPECT_EQ(0, getXMLString(text.c_str(), name65.c_str(), dst));
    EXPECT_STREQ("", dst);
    EXPECT_EQ(0, getXMLString(text.c_str(), "", dst));
    EXPECT_EQ(0, getXMLString(nullptr, "a", dst));
    EXPECT_EQ(0, getXMLString("<a>x</a>", nullptr, dst));
    EXPECT_EQ(0, getXMLString("<a>x</a>", "a", nullptr));
    EXPECT_EQ("<none>", data(text.c_str(), name65.c_str()));
    EXPECT_EQ("<none>", data(nullptr, "a"));
    EXPECT_TRUE(enumerate(nullptr, "a").empty());
    EXPECT_TRUE(enumerate("<a>x</a>", "").empty());
}

TEST(SupportXml, long_content_is_cut_only_by_getXMLString) {
    std::string content(300, 'c');
    std::string text = "<t>" + content + "</t>";
    char dst[251];
    EXPECT_EQ(250, getXMLString(text.c_str(), "t", dst));
    EXPECT_EQ(std::string(250, 'c'), dst);
    EXPECT_EQ(content, data(text.c_str(), "t"));
}

TEST(SupportXml, nesting_is_not_tracked) {
    const char* text = "<a>1<a>x</a>2</a>";
    char dst[251];
    getXMLString(text, "a", dst);
    EXPECT_STREQ("1<a>x", dst);
    EXPECT_EQ((std::vector<std::string>{"<a>1<a>x</a>", "<a>x</a>"}), enumerate(text, "a"));
    // The callback's 0 stops the walk.
    EXPECT_EQ(1u, enumerate(text, "a", 1).size());
}

TEST(SupportXml, attributes_written_in_full_find_their_element) {
    const char* text = "<item id=\"2\">two</item><item id=\"3\">three</item>";
    EXPECT_EQ("three", data(text, "item id=\"3\""));
    EXPECT_EQ("<none>", data(text, "item"));
    EXPECT_EQ((std::vector<std::string>{"<item id=\"2\">two</item>"}),
              enumerate(text, "item id=\"2\""));
}

TEST(SupportXml, getXMLValue_reads_flags_and_numbers) {
    const char* text = "<t>true</t><f>false</f><T>TRUE</T><n>12abc</n><m> -7</m><e>x</e>"
                       "<big>99999999999</big><neg>-99999999999</neg><p>+4</p>";
    EXPECT_EQ(1, getXMLValue(text, "t", 5));
    EXPECT_EQ(0, getXMLValue(text, "f", 5));
    EXPECT_EQ(0, getXMLValue("<u>TRUE</u>", "u", 5));
    EXPECT_EQ(12, getXMLValue(text, "n", 5));
    EXPECT_EQ(-7, getXMLValue(text, "m", 5));
    EXPECT_EQ(4, getXMLValue(text, "p", 5));
    EXPECT_EQ(0, getXMLValue(text, "e", 5));
    EXPECT_EQ(INT32_MAX, getXMLValue(text, "big", 5));
    EXPECT_EQ(INT32_MIN, getXMLValue(text, "neg", 5));
    EXPECT_EQ(5, getXMLValue(text, "missing", 5));
}
