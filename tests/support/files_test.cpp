#include "plugin/support/files.h"
#include "plugin/support/folders.h"
#include "plugin/support/paths.h"
#include "tests/common/temp_dir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <sys/stat.h>
#include <utime.h>

using plxtest::TempDir;
using plxtest::readFile;
using plxtest::writeFile;

TEST(SupportFiles, exist_remove_and_make) {
    TempDir dir;
    std::string f = dir.file("a.txt");
    EXPECT_FALSE(fileExists(f.c_str()));
    EXPECT_FALSE(fileExists(""));
    EXPECT_TRUE(removeFile(f.c_str())); // missing counts as removed
    ASSERT_TRUE(writeFile(f, "x"));
    chmod(f.c_str(), 0444);
    EXPECT_TRUE(fileExists(f.c_str()));
    EXPECT_TRUE(removeFile(f.c_str())); // read-only files go too
    EXPECT_FALSE(fileExists(f.c_str()));

    std::string sub = dir.file("sub");
    EXPECT_TRUE(makeDir(sub.c_str()));
    EXPECT_TRUE(makeDir(sub.c_str()));
    EXPECT_FALSE(removeFile(sub.c_str())); // a folder is not a file
    EXPECT_TRUE(fileExists(sub.c_str()));
    EXPECT_FALSE(makeDir(dir.file("no/such/parent").c_str()));
    ASSERT_TRUE(writeFile(f, "x"));
    EXPECT_FALSE(makeDir(f.c_str())); // a file is in the way
    EXPECT_TRUE(makeDirPath(dir.file("deep/er/est").c_str()));
    EXPECT_TRUE(fileExists(dir.file("deep/er/est").c_str()));
}

TEST(SupportFiles, move_open_and_dates) {
    TempDir dir;
    std::string src = dir.file("old.ini");
    ASSERT_TRUE(writeFile(src, "settings"));
    ASSERT_TRUE(makeDir(dir.file("to").c_str()));
    EXPECT_TRUE(moveFile(src.c_str(), dir.file("to").c_str(), nullptr));
    EXPECT_EQ("settings", readFile(dir.file("to/old.ini")));
    ASSERT_TRUE(writeFile(dir.file("to/new.ini"), "replaced"));
    EXPECT_TRUE(moveFile(dir.file("to/old.ini").c_str(), dir.file("to").c_str(), "new.ini"));
    EXPECT_EQ("settings", readFile(dir.file("to/new.ini")));
    EXPECT_FALSE(moveFile(src.c_str(), dir.path().c_str(), "x"));

    std::string f = dir.file("d.txt");
    EXPECT_EQ(nullptr, fopen2(f.c_str(), "rb"));
    EXPECT_EQ(0, getFileModDate(f.c_str()));
    EXPECT_EQ(0, getFileModTime(f.c_str()));
    FILE* out = fopen2(f.c_str(), "wb");
    ASSERT_NE(nullptr, out);
    fputs("one", out);
    fclose(out);
    struct utimbuf when {1000000000, 1000000000};
    utime(f.c_str(), &when);
    EXPECT_EQ(1000000000, getFileModDate(f.c_str()));
    EXPECT_EQ(1000000000LL * 1000000000LL, getFileModTime(f.c_str()));
    ASSERT_TRUE(writeFile(f, "two"));
    EXPECT_GT(getFileModDate(f.c_str()), 1000000000);
    char path[kMyPathSize] = "/unchanged";
    resolveAlias(path);
    EXPECT_STREQ("/unchanged", path);
}

namespace {
// Sets environment variables for one test and restores them afterwards.
class SupportFolders : public ::testing::Test {
  protected:
    void set(const char* name, const char* value) {
        const char* old = getenv(name);
        saved_.push_back({name, old ? old : "", old != nullptr});
        if (value)
            setenv(name, value, 1);
        else
            unsetenv(name);
    }
    void TearDown() override {
        for (auto it = saved_.rbegin(); it != saved_.rend(); ++it) {
            if (it->had)
                setenv(it->name.c_str(), it->value.c_str(), 1);
            else
                unsetenv(it->name.c_str());
        }
    }
    void useHome(const std::string& home) {
        set("HOME", home.c_str());
        set("XDG_CONFIG_HOME", nullptr);
        set("XDG_STATE_HOME", nullptr);
        set("XDG_DOCUMENTS_DIR", nullptr);
    }
    struct Saved {
        std::string name, value;
        bool had;
    };
    std::vector<Saved> saved_;
    TempDir dir_;
};
} // namespace

TEST_F(SupportFolders, defaults_below_home) {
    useHome(dir_.path() + "/");
    char p[kMyPathSize];
    EXPECT_TRUE(getHomeFolder(p));
    EXPECT_EQ(dir_.path(), p);
    EXPECT_TRUE(getAppSupportFolder(p));
    EXPECT_EQ(dir_.path() + "/.config", p);
    EXPECT_TRUE(getStateFolder(p));
    EXPECT_EQ(dir_.path() + "/.local/state", p);
    EXPECT_TRUE(getDocumentsFolder(p));
    EXPECT_EQ(dir_.path() + "/Documents", p);
}

TEST_F(SupportFolders, xdg_variables_and_user_dirs) {
    useHome(dir_.path());
    set("XDG_CONFIG_HOME", "relative/ignored");
    set("XDG_STATE_HOME", "/var/state/");
    char p[kMyPathSize];
    EXPECT_TRUE(getAppSupportFolder(p));
    EXPECT_EQ(dir_.path() + "/.config", p);
    EXPECT_TRUE(getStateFolder(p));
    EXPECT_STREQ("/var/state", p);

    ASSERT_TRUE(makeDir(dir_.file(".config").c_str()));
    writeFile(dir_.file(".config/user-dirs.dirs"),
              "# comment\nXDG_DESKTOP_DIR=\"$HOME/Desktop\"\n"
              "XDG_DOCUMENTS_DIR=\"$HOME/Dokumente\"\n");
    EXPECT_TRUE(getDocumentsFolder(p));
    EXPECT_EQ(dir_.path() + "/Dokumente", p);
    set("XDG_DOCUMENTS_DIR", "/srv/docs");
    EXPECT_TRUE(getDocumentsFolder(p));
    EXPECT_STREQ("/srv/docs", p);
}

TEST_F(SupportFolders, no_usable_home_or_too_long) {
    std::string longHome = "/" + std::string(600, 'h');
    useHome(longHome);
    char p[kMyPathSize] = "stale";
    EXPECT_FALSE(getAppSupportFolder(p));
    EXPECT_STREQ("", p);
    EXPECT_FALSE(getDocumentsFolder(p));
    EXPECT_STREQ("", p);
}
