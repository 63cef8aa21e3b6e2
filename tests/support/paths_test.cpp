#include "plugin/support/paths.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {
struct PathBuf {
    char p[kMyPathSize];
    explicit PathBuf(const std::string& s) { strcpy(p, s.c_str()); }
};
} // namespace

TEST(SupportPaths, composing) {
    PathBuf a("");
    EXPECT_TRUE(addPathComponent(a.p, "name"));
    EXPECT_STREQ("name", a.p);
    PathBuf b("/home/u/");
    EXPECT_TRUE(addPathComponent(b.p, "Korvane"));
    EXPECT_STREQ("/home/u/Korvane", b.p);
    EXPECT_TRUE(addPathComponent(b.p, "Plexmoor"));
    EXPECT_TRUE(addPathExtension(b.p, "txt"));
    EXPECT_STREQ("/home/u/Korvane/Plexmoor.txt", b.p);
    EXPECT_FALSE(addPathComponent(b.p, nullptr));
}

TEST(SupportPaths, over_long_results_are_refused_unchanged) {
    std::string base = "/" + std::string(505, 'd');          // 506 bytes
    PathBuf a(base);
    EXPECT_TRUE(addPathComponent(a.p, "abcd"));               // 511 bytes: fits
    EXPECT_EQ(511u, strlen(a.p));
    PathBuf b(base);
    EXPECT_FALSE(addPathComponent(b.p, "abcde"));             // 512: refused
    EXPECT_EQ(base, b.p);
    EXPECT_FALSE(addPathExtension(b.p, "12345"));
    EXPECT_EQ(base, b.p);
    PathBuf c(base + ".x");
    EXPECT_FALSE(replaceExtension(c.p, ".longer"));
    EXPECT_EQ(base + ".x", c.p);
    EXPECT_TRUE(replaceExtension(c.p, ".ext"));
    char name[kMyPathSize];
    std::string huge(600, 'n');
    EXPECT_FALSE(getFileName(huge.c_str(), name, true));
    EXPECT_STREQ("", name);
    // A buffer without a terminator is never extended.
    char full[kMyPathSize];
    memset(full, 'f', sizeof full);
    EXPECT_FALSE(addPathComponent(full, "x"));
    EXPECT_FALSE(replaceExtension(full, ".x"));
}

TEST(SupportPaths, extensions_belong_to_the_last_component) {
    PathBuf a("/a.folder/file");
    EXPECT_TRUE(replaceExtension(a.p, ".ini"));
    EXPECT_STREQ("/a.folder/file.ini", a.p);
    EXPECT_TRUE(replaceExtension(a.p, ".txt"));
    EXPECT_STREQ("/a.folder/file.txt", a.p);
    EXPECT_TRUE(replaceExtension(a.p, ""));
    EXPECT_STREQ("/a.folder/file", a.p);
    char name[kMyPathSize];
    EXPECT_TRUE(getFileName("/x/y/page.eps", name, true));
    EXPECT_STREQ("page.eps", name);
    EXPECT_TRUE(getFileName("/x/y/page.1.eps", name, false));
    EXPECT_STREQ("page.1", name);
    EXPECT_TRUE(getFileName("bare.pdf", name, false));
    EXPECT_STREQ("bare", name);
}

TEST(SupportPaths, endings_and_folders) {
    EXPECT_TRUE(pathEndsWith("/x/Plexmoor.INI", ".ini"));
    EXPECT_FALSE(pathEndsWith("ini", ".ini"));
    EXPECT_FALSE(pathEndsWith(nullptr, ".ini"));
    PathBuf bare("file.txt");
    EXPECT_EQ(nullptr, getFolder(bare.p));
    EXPECT_STREQ("file.txt", bare.p);
    PathBuf nested("/a/b/c.txt");
    char* cut = getFolder(nested.p);
    EXPECT_STREQ("/a/b", nested.p);
    EXPECT_EQ(nested.p + 4, cut);
    PathBuf top("/c.txt"); // the root keeps its separator
    EXPECT_NE(nullptr, getFolder(top.p));
    EXPECT_STREQ("/", top.p);
}
