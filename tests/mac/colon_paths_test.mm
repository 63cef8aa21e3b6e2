// The colon-path shim of the macOS layer: the host's classic paths in
// POSIX form, and paths that do not fit.
#import <Foundation/Foundation.h>

#include <gtest/gtest.h>

#include <string>

#include "plugin/support/host_paths.h"
#include "plugin/support/paths.h"

namespace {

std::string converted(const std::string& path, bool* ok = nullptr) {
    char dst[kMyPathSize];
    bool done = posixPathOf(path.c_str(), dst);
    if (ok) *ok = done;
    return dst;
}

TEST(ColonPaths, VolumesMapToTheirMountPoints) {
    NSAutoreleasePool* pool = [[NSAutoreleasePool alloc] init];
    std::string startup = [[[NSFileManager defaultManager] displayNameAtPath:@"/"] UTF8String];
    [pool drain];
    // Where the system names no volumes, the Mac's default name.
    if (startup == "/") startup = "Macintosh HD";
    EXPECT_EQ(converted(startup + ":Layouts:Spring.proj"), "/Layouts/Spring.proj");
    EXPECT_EQ(converted("Backup:Jobs:Spring.eps"), "/Volumes/Backup/Jobs/Spring.eps");
    // A folder path ends in a colon; a "/" inside a name is ":" in POSIX.
    EXPECT_EQ(converted("Backup:Jobs:"), "/Volumes/Backup/Jobs");
    EXPECT_EQ(converted("Backup:A/B.eps"), "/Volumes/Backup/A:B.eps");
    EXPECT_EQ(converted("Backup"), "/Volumes/Backup");
}

TEST(ColonPaths, PosixPathsStayAndLongOnesFail) {
    EXPECT_EQ(converted("/Users/jo/Spring.proj"), "/Users/jo/Spring.proj");
    bool ok = true;
    EXPECT_EQ(converted("Backup:" + std::string(kMyPathSize, 'x'), &ok), "");
    EXPECT_FALSE(ok);
    EXPECT_EQ(converted("/" + std::string(kMyPathSize - 2, 'x'), &ok).size(), kMyPathSize - 1u);
    EXPECT_TRUE(ok);
    EXPECT_FALSE(posixPathOf(nullptr, nullptr));
}

} // namespace
