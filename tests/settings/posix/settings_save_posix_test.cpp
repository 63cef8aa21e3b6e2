// POSIX only: a full disk made with a file-size limit (setrlimit, which
// Windows lacks), and a settings file reached through a symbolic link with
// its permission bits (Windows links need a privilege, and it has no mode
// bits).
#include <gtest/gtest.h>

#include <csignal>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

#include "plugin/settings/settings_store.h"
#include "tests/common/file_tools.h"
#include "tests/common/temp_dir.h"
#include "tests/settings/message_catcher.h"

using plxtest::folderEntries;
using plxtest::MessageCatcher;
using plxtest::readFile;
using plxtest::sMessages;
using plxtest::TempDir;
using plxtest::writeFile;

TEST(SettingsSave, FullDiskKeepsTheOldFileAndReports) {
    MessageCatcher messages;
    TempDir dir;
    std::string file = dir.file("s.ini");
    writeFile(file, "[G]\nx=1\n");
    CMySettings store;
    ASSERT_EQ(store.setupWithPath(file.c_str()), 0);
    std::string big(64 * 1024, 'b');
    ASSERT_EQ(store.set("G", "big", big.c_str()), 0);

    // A file-size limit makes the write fail part-way, as a full disk does.
    struct rlimit old;
    getrlimit(RLIMIT_FSIZE, &old);
    struct rlimit small = old;
    small.rlim_cur = 4096;
    auto oldHandler = signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &small);
    int32_t result = store.save();
    setrlimit(RLIMIT_FSIZE, &old);
    signal(SIGXFSZ, oldHandler);

    EXPECT_EQ(result, -1);
    EXPECT_EQ(readFile(file), "[G]\nx=1\n");
    EXPECT_EQ(folderEntries(dir.path()), std::vector<std::string>{"s.ini"});
    EXPECT_EQ(sMessages, std::vector<std::string>{"writePrefsErr " + file});
    EXPECT_EQ(store.getInt32("G", "x", 0), 1);
    EXPECT_EQ(store.save(), 0); // the text was kept for a later attempt
    EXPECT_EQ(readFile(file).size(), std::string("[G]\nbig=\nx=1\n").size() + big.size());
}

TEST(SettingsSave, LinkedFileIsReplacedBehindItsLinkWithItsPermissions) {
    TempDir dir;
    mkdir(dir.file("real").c_str(), 0700);
    std::string real = dir.file("real/s.ini");
    writeFile(real, "[G]\nx=1\n");
    chmod(real.c_str(), 0600);
    std::string link = dir.file("s.ini");
    ASSERT_EQ(symlink(real.c_str(), link.c_str()), 0);

    CMySettings store;
    ASSERT_EQ(store.setupWithPath(link.c_str()), 0);
    ASSERT_EQ(store.set("G", "x", 2), 0);
    ASSERT_EQ(store.save(), 0);
    struct stat st;
    ASSERT_EQ(lstat(link.c_str(), &st), 0);
    EXPECT_TRUE(S_ISLNK(st.st_mode));
    EXPECT_EQ(readFile(real), "[G]\nx=2\n");
    ASSERT_EQ(stat(real.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);
    EXPECT_FALSE(store.shallReload());
    EXPECT_EQ(folderEntries(dir.file("real")), std::vector<std::string>{"s.ini"});
}
