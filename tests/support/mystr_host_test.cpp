// MyStr's host-string half, inside a stand-in host with the plug-in active.
#include "host/host_objects.h"
#include "plugin/support/mystr.h"
#include "tests/common/plugin_host.h"

#include <gtest/gtest.h>

using plxhost::hostStringUtf8;
using plxhost::liveObjects;
using plxhost::newHostStringUtf8;

namespace {
class SupportMyStrHost : public ::testing::Test {
  protected:
    plxtest::PluginHost plugin;
    void SetUp() override { ASSERT_EQ(0, plugin.activationResult()); }
};
} // namespace

TEST_F(SupportMyStrHost, reading_a_host_string_releases_it_on_request) {
    int64_t before = liveObjects().strings;
    MyStr released(newHostStringUtf8("Caf\xC3\xA9 \xF0\x9F\x98\x80"), true);
    EXPECT_EQ(before, liveObjects().strings);
    EXPECT_STREQ("Caf\xC3\xA9 \xF0\x9F\x98\x80", released.UTF8Str());
    QXStringRef kept = newHostStringUtf8("kept");
    EXPECT_STREQ("kept", MyStr(kept, false).UTF8Str());
    EXPECT_EQ("kept", hostStringUtf8(kept)); // still the caller's
    plxhost::releaseHostString(kept);
    char dst[4] = "x";
    EXPECT_TRUE(MyStr(newHostStringUtf8(""), true).getString(dst, sizeof dst, kEncUTF8));
    EXPECT_EQ(0, MyStr(static_cast<QXStringRef>(nullptr), true).length());
    EXPECT_EQ(before, liveObjects().strings);
}

TEST_F(SupportMyStrHost, qxStr_is_made_once_and_released_by_reset) {
    int64_t before = liveObjects().strings;
    MyStr s("Gr\xC3\xBC\xC3\x9F"
            "e \xE2\x82\xAC");
    QXStringRef h = s.qxStr();
    EXPECT_EQ(h, s.qxStr());
    EXPECT_EQ("Gr\xC3\xBC\xC3\x9F"
              "e \xE2\x82\xAC",
              hostStringUtf8(h));
    EXPECT_EQ(before + 1, liveObjects().strings);
    s.reset();
    s.reset();
    EXPECT_EQ(before, liveObjects().strings);
    EXPECT_EQ(nullptr, s.qxStr()); // empty now: nothing is made
    EXPECT_EQ(nullptr, MyStr("\xC0\xAF").qxStr());
    MyStr("scoped").qxStr(); // the destructor releases it
    EXPECT_EQ(before, liveObjects().strings);
}

TEST_F(SupportMyStrHost, host_language_selects_the_table) {
    plugin.host().sendLanguage(3);
    EXPECT_STREQ("Rahmen als EPS/PDF", MyStr("exportBoxCmd", true).UTF8Str());
    plugin.host().sendLanguage(19);
    EXPECT_STREQ("\xC3\x9C"
                 "ber",
                 MyStr("aboutCmd", true).UTF8Str());
    plugin.host().sendLanguage(2);
    EXPECT_STREQ("Save current box as EPS/PDF", MyStr("exportBoxCmd", true).UTF8Str());
    plugin.host().sendLanguage(0);
}
