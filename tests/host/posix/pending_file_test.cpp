// A file written through PendingFile: hidden under a temporary name of
// its own until committed, then in place with the mode any new file gets
// under the process's mask; nothing left behind when it fails.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <fstream>

#include "host/safe_file.h"
#include "tests/common/temp_dir.h"

namespace fs = std::filesystem;

namespace {

size_t entriesIn(const std::string& folder) {
    size_t n = 0;
    for (const auto& e : fs::directory_iterator(folder)) {
        (void)e;
        ++n;
    }
    return n;
}

} // namespace

TEST(PendingFile, CommittedFilesTakeTheMaskAndTemporaryNamesDoNotMeet) {
    plxtest::TempDir dir;
    std::string target = dir.path() + "/page.eps";
    for (mode_t mask : {mode_t(022), mode_t(027), mode_t(077)}) {
        mode_t old = ::umask(mask);
        plxhost::PendingFile file;
        std::string error;
        ASSERT_TRUE(file.open(target, &error)) << error;
        ::umask(old);
        EXPECT_EQ(fs::path(file.tempPath()).parent_path(), fs::path(dir.path()));
        EXPECT_EQ(fs::path(file.tempPath()).filename().string().rfind(".page.eps.", 0), 0u);
        ASSERT_TRUE(file.write("%!PS", 4));
        ASSERT_TRUE(file.commit(&error, plxhost::Sync::kLater)) << error;
        struct stat st;
        ASSERT_EQ(::stat(target.c_str(), &st), 0);
        EXPECT_EQ(st.st_mode & 0777, 0666 & ~mask);
    }
    // Two writers of one target at once: each has its own temporary file,
    // the later commit wins, nothing else stays.
    plxhost::PendingFile first, second;
    std::string error;
    ASSERT_TRUE(first.open(target, &error));
    ASSERT_TRUE(second.open(target, &error));
    EXPECT_NE(first.tempPath(), second.tempPath());
    first.write("one", 3);
    second.write("two", 3);
    ASSERT_TRUE(first.commit(&error));
    ASSERT_TRUE(second.commit(&error));
    EXPECT_EQ(plxtest::readFile(target), "two");
    EXPECT_EQ(entriesIn(dir.path()), 1u);
}

TEST(PendingFile, AFileNotCommittedLeavesNothingAndAFolderItCannotWriteIsNamed) {
    plxtest::TempDir dir;
    std::string target = dir.path() + "/kept.pdf";
    {
        std::ofstream(target) << "earlier";
        plxhost::PendingFile file;
        std::string error;
        ASSERT_TRUE(file.open(target, &error));
        file.write("new", 3);
    }
    EXPECT_EQ(plxtest::readFile(target), "earlier");
    EXPECT_EQ(entriesIn(dir.path()), 1u);

    plxhost::PendingFile file;
    std::string error;
    EXPECT_FALSE(file.open(dir.path() + "/missing/x.pdf", &error));
    EXPECT_NE(error.find(dir.path() + "/missing: "), std::string::npos) << error;
    EXPECT_FALSE(file.write("x", 1));
    EXPECT_FALSE(file.commit(&error));
}
