#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

#include "plugin/settings/settings_store.h"
#include "tests/common/temp_dir.h"
#include "tests/settings/message_catcher.h"

using plxtest::MessageCatcher;
using plxtest::readFile;
using plxtest::sMessages;
using plxtest::TempDir;
using plxtest::writeFile;

namespace {

std::vector<std::string> folderEntries(const std::string& folder) {
    std::vector<std::string> names;
    DIR* d = opendir(folder.c_str());
    while (d) {
        dirent* e = readdir(d);
        if (!e) break;
        std::string name = e->d_name;
        if (name != "." && name != "..") names.push_back(name);
    }
    if (d) closedir(d);
    return names;
}

void setModTime(const std::string& path, time_t sec, long nsec) {
    struct timespec times[2] = {{sec, nsec}, {sec, nsec}};
    ASSERT_EQ(utimensat(AT_FDCWD, path.c_str(), times, 0), 0);
}

} // namespace

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

TEST(SettingsSave, UnwritableFolderKeepsValuesInMemory) {
    MessageCatcher messages;
    TempDir dir;
    writeFile(dir.file("plain"), "a file, not a folder");
    std::string file = dir.file("plain/s.ini");
    CMySettings store;
    ASSERT_EQ(store.setupWithPath(file.c_str()), 0);
    ASSERT_EQ(store.set("G", "x", 5), 0);
    EXPECT_EQ(store.save(), -1);
    EXPECT_EQ(sMessages, std::vector<std::string>{"writePrefsErr " + file});
    EXPECT_EQ(store.getInt32("G", "x", 0), 5);
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

TEST(SettingsSave, ChangesWithinTheSameSecondAreSeen) {
    TempDir dir;
    std::string file = dir.file("s.ini");
    writeFile(file, "[G]\nx=1\n");
    time_t second = time(nullptr) - 100;
    setModTime(file, second, 100);
    CMySettings store;
    ASSERT_EQ(store.setupWithPath(file.c_str()), 0);
    EXPECT_FALSE(store.shallReload());

    // Same size, same file, same second: only the nanoseconds differ.
    int fd = open(file.c_str(), O_WRONLY);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(pwrite(fd, "7", 1, 6), 1);
    close(fd);
    setModTime(file, second, 200);
    EXPECT_TRUE(store.shallReload());
    ASSERT_EQ(store.setupWithPath(store.path), 0);
    EXPECT_EQ(store.getInt32("G", "x", 0), 7);
    EXPECT_FALSE(store.shallReload());

    // Another program's replacement carrying the very same time stamp.
    writeFile(dir.file("other"), "[G]\nx=8\n");
    setModTime(dir.file("other"), second, 200);
    ASSERT_EQ(rename(dir.file("other").c_str(), file.c_str()), 0);
    EXPECT_TRUE(store.shallReload());
}
