#include <gtest/gtest.h>

#include <ctime>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "plugin/settings/settings_store.h"
#include "tests/common/file_tools.h"
#include "tests/common/temp_dir.h"
#include "tests/settings/message_catcher.h"

using plxtest::MessageCatcher;
using plxtest::readFile;
using plxtest::setModTime;
using plxtest::sMessages;
using plxtest::TempDir;
using plxtest::writeFile;

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

TEST(SettingsSave, ChangesWithinTheSameSecondAreSeen) {
    TempDir dir;
    std::string file = dir.file("s.ini");
    writeFile(file, "[G]\nx=1\n");
    time_t second = time(nullptr) - 100;
    ASSERT_TRUE(setModTime(file, second, 100));
    CMySettings store;
    ASSERT_EQ(store.setupWithPath(file.c_str()), 0);
    EXPECT_FALSE(store.shallReload());

    // Same size, same file, same second: only the nanoseconds differ.
    {
        std::fstream f(file, std::ios::in | std::ios::out | std::ios::binary);
        f.seekp(6);
        ASSERT_TRUE(f.write("7", 1));
    }
    ASSERT_TRUE(setModTime(file, second, 200));
    EXPECT_TRUE(store.shallReload());
    ASSERT_EQ(store.setupWithPath(store.path), 0);
    EXPECT_EQ(store.getInt32("G", "x", 0), 7);
    EXPECT_FALSE(store.shallReload());

    // Another program's replacement carrying the very same time stamp.
    writeFile(dir.file("other"), "[G]\nx=8\n");
    ASSERT_TRUE(setModTime(dir.file("other"), second, 200));
    std::filesystem::rename(dir.file("other"), file);
    EXPECT_TRUE(store.shallReload());
}
