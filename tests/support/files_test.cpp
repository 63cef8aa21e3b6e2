#include "plugin/support/files.h"
#include "plugin/support/folders.h"
#include "plugin/support/paths.h"
#include "tests/common/plugin_host.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <sys/stat.h>
#include <utime.h>

using plxtest::readFile;
using plxtest::TempDir;
using plxtest::TempHome;
using plxtest::writeFile;

TEST(SupportFiles, exist_remove_and_make) {
    TempDir dir;
    std::string f = dir.file("a.txt");
    EXPECT_FALSE(fileExists(f.c_str()));
    EXPECT_TRUE(removeFile(f.c_str())); // missing counts as removed
    ASSERT_TRUE(writeFile(f, "x"));
    chmod(f.c_str(), 0444);
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
    struct utimbuf when {
        1000000000, 1000000000
    };
    utime(f.c_str(), &when);
    EXPECT_EQ(1000000000, getFileModDate(f.c_str()));
    EXPECT_EQ(1000000000LL * 1000000000LL, getFileModTime(f.c_str()));
    ASSERT_TRUE(writeFile(f, "two"));
    EXPECT_GT(getFileModDate(f.c_str()), 1000000000);
}

TEST(SupportFolders, xdg_variables_user_dirs_and_defaults) {
    TempHome home;
    char p[kMyPathSize];
    EXPECT_TRUE(getStateFolder(p));
    EXPECT_EQ(home.file(".local/state"), p);
    unsetenv("XDG_DOCUMENTS_DIR");
    setenv("XDG_CONFIG_HOME", "relative/ignored", 1);
    EXPECT_TRUE(getAppSupportFolder(p));
    EXPECT_EQ(home.file(".config"), p);
    EXPECT_TRUE(getDocumentsFolder(p));
    EXPECT_EQ(home.file("Documents"), p);
    ASSERT_TRUE(makeDir(home.file(".config").c_str()));
    writeFile(home.file(".config/user-dirs.dirs"),
              "# comment\nXDG_DOCUMENTS_DIR=\"$HOME/Dokumente\"\n");
    EXPECT_TRUE(getDocumentsFolder(p));
    EXPECT_EQ(home.file("Dokumente"), p);
    setenv("HOME", ("/" + std::string(600, 'h')).c_str(), 1);
    unsetenv("XDG_STATE_HOME");
    EXPECT_FALSE(getStateFolder(p)); // too long: refused, not cut
    EXPECT_STREQ("", p);
}
