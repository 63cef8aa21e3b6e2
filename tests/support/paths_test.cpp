#include "plugin/support/paths.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "tests/common/native_text.h"

namespace {
// A path buffer holding `s` with the platform's separator.
struct PathBuf {
    char p[kMyPathSize];
    explicit PathBuf(const std::string& s) { strcpy(p, plxtest::nativePath(s).c_str()); }
    std::string slashed() const { return plxtest::slashed(p); }
};
} // namespace

TEST(SupportPaths, composing_and_taking_apart) {
    PathBuf a("");
    EXPECT_TRUE(addPathComponent(a.p, "name"));
    EXPECT_STREQ("name", a.p);
    PathBuf b("/home/u/");
    EXPECT_TRUE(addPathComponent(b.p, "Plexmoor"));
    EXPECT_TRUE(addPathExtension(b.p, "txt"));
    EXPECT_EQ("/home/u/Plexmoor.txt", b.slashed());
    EXPECT_TRUE(pathEndsWith("/x/Plexmoor.INI", ".ini"));
    EXPECT_FALSE(pathEndsWith("ini", ".ini"));
    char name[kMyPathSize];
    EXPECT_TRUE(getFileName(PathBuf("/x/y/page.1.eps").p, name, false));
    EXPECT_STREQ("page.1", name);
    EXPECT_TRUE(getFileName("bare.pdf", name, true));
    EXPECT_STREQ("bare.pdf", name);
}

TEST(SupportPaths, extensions_belong_to_the_last_component) {
    PathBuf a("/a.folder/file");
    EXPECT_TRUE(replaceExtension(a.p, ".ini"));
    EXPECT_EQ("/a.folder/file.ini", a.slashed());
    EXPECT_TRUE(replaceExtension(a.p, ""));
    EXPECT_EQ("/a.folder/file", a.slashed());
}

TEST(SupportPaths, folders) {
    PathBuf bare("file.txt");
    EXPECT_EQ(nullptr, getFolder(bare.p));
    EXPECT_STREQ("file.txt", bare.p);
    PathBuf nested("/a/b/c.txt");
    EXPECT_EQ(nested.p + 4, getFolder(nested.p));
    EXPECT_EQ("/a/b", nested.slashed());
    PathBuf top("/c.txt"); // the root keeps its separator
    EXPECT_NE(nullptr, getFolder(top.p));
    EXPECT_EQ("/", top.slashed());
}

TEST(SupportPaths, over_long_results_are_refused_unchanged) {
    std::string base = "/" + std::string(505, 'd'); // 506 bytes
    PathBuf a(base);
    EXPECT_TRUE(addPathComponent(a.p, "abcd")); // 511 bytes fit
    PathBuf b(base);
    EXPECT_FALSE(addPathComponent(b.p, "abcde"));
    EXPECT_FALSE(addPathExtension(b.p, "12345"));
    EXPECT_EQ(base, b.slashed());
    PathBuf c(base + ".x");
    EXPECT_FALSE(replaceExtension(c.p, ".longer"));
    EXPECT_EQ(base + ".x", c.slashed());
    char name[kMyPathSize];
    EXPECT_FALSE(getFileName(std::string(600, 'n').c_str(), name, true));
    EXPECT_STREQ("", name);
    char unterminated[kMyPathSize];
    memset(unterminated, 'f', sizeof unterminated);
    EXPECT_FALSE(addPathComponent(unterminated, "x"));
    EXPECT_FALSE(replaceExtension(unterminated, ".x"));
}
