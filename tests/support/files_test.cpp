#include "plugin/support/files.h"
#include "plugin/support/folders.h"
#include "plugin/support/paths.h"
#include "tests/common/file_tools.h"
#include "tests/common/temp_dir.h"

#include <gtest/gtest.h>

#include <string>

using plxtest::readFile;
using plxtest::TempDir;
using plxtest::writeFile;

TEST(SupportFiles, exist_remove_and_make) {
    TempDir dir;
    std::string f = dir.file("a.txt");
    EXPECT_FALSE(fileExists(f.c_str()));
    EXPECT_TRUE(removeFile(f.c_str())); // missing counts as removed
    ASSERT_TRUE(writeFile(f, "x"));
    ASSERT_TRUE(plxtest::makeReadOnly(f));
    EXPECT_TRUE(removeFile(f.c_str())); // read-only files go too
    EXPECT_FALSE(fileExists(f.c_str()));
    std::string sub = dir.file("sub");
    EXPECT_TRUE(makeDir(sub.c_str()));
    EXPECT_TRUE(makeDir(sub.c_str()));
    EXPECT_FALSE(removeFile(sub.c_str())); // a folder is not a file
    EXPECT_FALSE(makeDir(dir.file("no/parent").c_str()));
    ASSERT_TRUE(writeFile(f, "x"));
    EXPECT_FALSE(makeDir(f.c_str())); // a file is in the way
    EXPECT_TRUE(makeDirPath(dir.file("deep/er/est").c_str()));
    EXPECT_TRUE(fileExists(dir.file("deep/er/est").c_str()));
}

TEST(SupportFiles, move_open_and_dates) {
    TempDir dir;
    ASSERT_TRUE(writeFile(dir.file("old.ini"), "settings"));
    ASSERT_TRUE(writeFile(dir.file("new.ini"), "replaced"));
    EXPECT_TRUE(moveFile(dir.file("old.ini").c_str(), dir.path().c_str(), "new.ini"));
    EXPECT_EQ("settings", readFile(dir.file("new.ini")));
    ASSERT_TRUE(makeDir(dir.file("to").c_str()));
    EXPECT_TRUE(moveFile(dir.file("new.ini").c_str(), dir.file("to").c_str(), nullptr));
    EXPECT_TRUE(fileExists(dir.file("to/new.ini").c_str()));

    std::string f = dir.file("d.txt");
    EXPECT_EQ(nullptr, fopen2(f.c_str(), "rb"));
    EXPECT_EQ(0, getFileModDate(f.c_str()));
    FILE* out = fopen2(f.c_str(), "wb");
    ASSERT_NE(nullptr, out);
    fclose(out);
    ASSERT_TRUE(plxtest::setModTime(f, 1000000000, 0));
    EXPECT_EQ(1000000000, getFileModDate(f.c_str()));
    EXPECT_EQ(1000000000LL * 1000000000LL, getFileModTime(f.c_str()));
    ASSERT_TRUE(writeFile(f, "two"));
    EXPECT_GT(getFileModDate(f.c_str()), 1000000000);
}
