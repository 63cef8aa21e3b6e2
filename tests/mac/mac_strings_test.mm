// The macOS forms of the plug-in's text and file borders: Mac Roman as the
// host 8-bit encoding, composition of decomposed names, and files opened
// and found by the host's colon paths.
#import <Foundation/Foundation.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <unistd.h>
#include <vector>

#include "plugin/support/files.h"
#include "plugin/support/normalize.h"
#include "plugin/support/textconv.h"
#include "plugin/support/unicode.h"

namespace {

TEST(MacStrings, HostEncodingIsMacRomanWholeOrNothing) {
    char host[16];
    // Ä, é, €, ‰ and … in Mac Roman.
    ASSERT_TRUE(UTF8ToHost(host, "\xC3\x84\xC3\xA9\xE2\x82\xAC\xE2\x80\xB0\xE2\x80\xA6", sizeof host));
    EXPECT_EQ(std::string(host), "\x80\x8E\xDB\xE4\xC9");
    ASSERT_TRUE(HostToUTF8(host, sizeof host));
    EXPECT_EQ(std::string(host), "\xC3\x84\xC3\xA9\xE2\x82\xAC\xE2\x80\xB0\xE2\x80\xA6");
    // Ł has no Mac Roman byte: nothing is converted.
    std::strcpy(host, "keep");
    EXPECT_FALSE(UTF8ToHost(host, "A\xC5\x81", sizeof host));
    EXPECT_EQ(std::string(host), "");
    // One byte too small for text and terminator.
    EXPECT_FALSE(UTF8ToHost(host, "\xC3\x84" "bc", 3));
    EXPECT_EQ(std::string(host), "");
}

TEST(MacStrings, DecomposedNamesAreComposed) {
    std::vector<uint16_t> units;
    const char* decomposed = "/Ablage/U\xCC\x88" "bersicht/A\xCC\x8A.eps";
    ASSERT_TRUE(decodeUTF8(decomposed, std::strlen(decomposed), units));
    ASSERT_TRUE(composeCanonical(units));
    EXPECT_EQ(encodeUTF8(units.data(), units.size()), "/Ablage/\xC3\x9C" "bersicht/\xC3\x85.eps");
    // Composed text stays as it is; so does the empty text.
    std::vector<uint16_t> composed = units;
    ASSERT_TRUE(composeCanonical(composed));
    EXPECT_EQ(composed, units);
    std::vector<uint16_t> empty;
    EXPECT_TRUE(composeCanonical(empty));
    EXPECT_TRUE(empty.empty());
}

TEST(MacStrings, FilesOpenAndExistByColonPaths) {
    char folder[] = "/tmp/plx_colon_XXXXXX";
    ASSERT_NE(mkdtemp(folder), nullptr);
    std::string posix = std::string(folder) + "/Spring.eps";
    // Where the system names no volumes the start-up volume is the Mac's
    // default name (the colon-path shim's rule).
    std::string colon = "Macintosh HD" + posix;
    for (char& c : colon)
        if (c == '/') c = ':';
    FILE* out = fopen2(colon.c_str(), "wb");
    ASSERT_NE(out, nullptr) << colon;
    std::fputs("%!PS", out);
    std::fclose(out);
    EXPECT_TRUE(fileExists(posix.c_str()));
    EXPECT_TRUE(fileExists(colon.c_str()));
    EXPECT_TRUE(fileExists(colon.substr(0, colon.rfind(':')).c_str())) << "the folder";
    FILE* in = fopen2(posix.c_str(), "rb");
    ASSERT_NE(in, nullptr);
    char head[8] = {};
    EXPECT_EQ(std::fread(head, 1, 4, in), 4u);
    std::fclose(in);
    EXPECT_EQ(std::string(head), "%!PS");
    // Another volume is under /Volumes; a colon path too long to convert
    // opens nothing.
    EXPECT_FALSE(fileExists("Backup:Spring.eps"));
    EXPECT_EQ(fopen2(("Macintosh HD:" + std::string(600, 'x')).c_str(), "wb"), nullptr);
    unlink(posix.c_str());
    rmdir(folder);
}

} // namespace
