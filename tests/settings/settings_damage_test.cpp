// Settings files the store cannot take whole: something else at the path
// and a text cut by a NUL byte (more in posix/).
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "plugin/settings/settings_store.h"
#include "tests/common/native_text.h"
#include "tests/common/temp_dir.h"
#include "tests/settings/message_catcher.h"

using plxtest::MessageCatcher;
using plxtest::readFile;
using plxtest::sMessages;
using plxtest::TempDir;
using plxtest::writeFile;

TEST(SettingsDamage, SomethingElseAtThePathIsNotMissing) {
    MessageCatcher messages;
    TempDir dir;
    std::string file = dir.file("s.ini");
    ASSERT_TRUE(std::filesystem::create_directory(file));
    CMySettings store;
    ASSERT_EQ(store.setupWithPath(file.c_str()), 0);
    EXPECT_EQ(store.readState(), kSettingsReadFailed);
    EXPECT_EQ(store.set("General", "Logging", 1), 0); // kept in memory
    EXPECT_EQ(store.getInt32("General", "Logging", 0), 1);
    EXPECT_TRUE(sMessages.empty()); // said when it matters: at the first save
    EXPECT_EQ(store.save(), -1);
    ASSERT_EQ(store.setupWithPath(file.c_str()), 0); // the same problem again
    EXPECT_EQ(store.save(), -1);
    // Once, not at every load or save.
    EXPECT_EQ(sMessages, std::vector<std::string>{"readPrefsErr " + file});

    // Once it can be read the store notices and saves again.
    ASSERT_TRUE(std::filesystem::remove(file));
    writeFile(file, "[General]\nLogging=0\n");
    EXPECT_TRUE(store.shallReload());
    ASSERT_EQ(store.setupWithPath(file.c_str()), 0);
    EXPECT_EQ(store.readState(), kSettingsReadOk);
    ASSERT_EQ(store.set("General", "AddAlways", 0), 0);
    EXPECT_EQ(store.save(), 0);
    EXPECT_EQ(readFile(file), plxtest::withLineEnds("[General]\nAddAlways=0\nLogging=0\n"));
}

TEST(SettingsDamage, ATextCutByANulIsReadButNeverSavedOver) {
    MessageCatcher messages;
    TempDir dir;
    std::string file = dir.file("s.ini");
    std::string mine("[General]\nAddAlways=0\n\0Logging=1\n[Other]\nx=1\n", 45);
    writeFile(file, mine);
    CMySettings store;
    ASSERT_EQ(store.setupWithPath(file.c_str()), 0);
    EXPECT_EQ(store.readState(), kSettingsReadCut);
    EXPECT_EQ(store.getInt32("General", "AddAlways", 1), 0);
    EXPECT_EQ(store.getInt32("Other", "x", 0), 0); // behind the NUL
    ASSERT_EQ(store.set("General", "OutputStyle", "Default PDF"), 0);
    EXPECT_EQ(store.save(), -1);
    EXPECT_EQ(readFile(file), mine);
    EXPECT_EQ(sMessages, std::vector<std::string>{"readPrefsErr " + file});
}
