#include <gtest/gtest.h>

#include <filesystem>
#include <regex>
#include <string>

#include "plugin/core/lifecycle.h"
#include "plugin/settings/prefs.h"
#include "plugin/support/log.h"
#include "tests/common/native_text.h"
#include "tests/common/plugin_host.h"

using plxtest::PluginHost;
using plxtest::readFile;
using plxtest::withLF;
using plxtest::withLineEnds;
using plxtest::writeFile;

namespace {

std::string settingsFile(const PluginHost& ph) {
    return ph.tempHome().settingsFolder() + plxtest::separator() + "Plexmoor.ini";
}
std::string logFile(const PluginHost& ph) {
    return ph.tempHome().logFolder() + plxtest::separator() + "Plexmoor.txt";
}

bool exists(const std::string& path) {
    return std::filesystem::exists(std::filesystem::u8path(path));
}

// Writes the settings file and an old log into a fresh home, then
// activates the plug-in there.
void activateWith(PluginHost& ph, const std::string& settings) {
    std::string folder = ph.tempHome().settingsFolder();
    std::filesystem::create_directories(folder);
    std::filesystem::create_directories(ph.tempHome().logFolder());
    writeFile(logFile(ph), "old run\n");
    if (!settings.empty()) writeFile(settingsFile(ph), settings);
    ASSERT_EQ(ph.host().attachPlugin(XTActivateCallback), 0);
}

} // namespace

TEST(SettingsPrefs, FreshHomeGivesDefaultsAndWritesNothing) {
    PluginHost ph;
    ASSERT_EQ(ph.activationResult(), 0);
    EXPECT_EQ(getAddAlways(), 1);
    char folder[kMyPathSize] = "untouched";
    EXPECT_EQ(getUseLastFolder(folder), 0);
    EXPECT_STREQ(folder, "untouched");
    EXPECT_EQ(getLogging(), 0);
    EXPECT_EQ(getAllPages(), 0);
    EXPECT_EQ(std::string(getPrefs().path), settingsFile(ph));
    EXPECT_FALSE(exists(settingsFile(ph)));
    EXPECT_FALSE(exists(logFile(ph)));
}

TEST(SettingsPrefs, LastFolderIsStoredAndSavedAtOnce) {
    PluginHost ph;
    ASSERT_EQ(setUseLastFolder(1, "/srv/out put"), 0);
    EXPECT_EQ(readFile(settingsFile(ph)),
              withLineEnds("[General]\nFolderPath=/srv/out put\nLastFolder=1\n"));
    char folder[kMyPathSize] = "";
    EXPECT_EQ(getUseLastFolder(folder), 1);
    EXPECT_STREQ(folder, "/srv/out put");

    ASSERT_EQ(setUseLastFolder(0, nullptr), 0);
    char again[kMyPathSize] = "untouched";
    EXPECT_EQ(getUseLastFolder(again), 0);
    EXPECT_STREQ(again, "untouched");
    char value[kMyPathSize];
    EXPECT_GT(getPrefs().getString(kPrefsSection, keyFolderPath, value, sizeof value), 0);

    std::string tooLong(kMyPathSize, 'f');
    EXPECT_EQ(setUseLastFolder(1, tooLong.c_str()), -1);
    EXPECT_EQ(getUseLastFolder(folder), 1);
    EXPECT_STREQ(folder, "/srv/out put");
}

TEST(SettingsPrefs, SettingsCheckReadsOnlyAFileChangedOnDisk) {
    PluginHost ph(plxhost::HostOptions{}, false);
    activateWith(ph, "[General]\nAddAlways=0\nAllPages=1\n");
    EXPECT_EQ(getAddAlways(), 0);
    EXPECT_EQ(getAllPages(), 1);

    // An unsaved edit survives a check while the file is unchanged …
    ASSERT_EQ(setAddAlways(1), 0);
    ph.host().sendSettingsCheck();
    EXPECT_EQ(getAddAlways(), 1);

    // … and gives way to an edit made on disk by someone else.
    writeFile(settingsFile(ph), "[General]\nAllPages=0\nAddAlways=0\nLastFolder=1\n");
    ph.host().sendSettingsCheck();
    EXPECT_EQ(getAddAlways(), 0);
    EXPECT_EQ(getAllPages(), 0);
    EXPECT_EQ(getUseLastFolder(nullptr), 1);
}

TEST(SettingsPrefs, LogFollowsTheLoggingPreference) {
    {
        PluginHost ph(plxhost::HostOptions{}, false);
        activateWith(ph, "[General]\nLogging=0\n");
        EXPECT_FALSE(exists(logFile(ph))); // the old log went, no new one
        dprintf("not written");
        EXPECT_FALSE(exists(logFile(ph)));
        ASSERT_EQ(setLogging(1), 0);
        dprintf("now on");
        EXPECT_TRUE(std::regex_match(withLF(readFile(logFile(ph))),
                                     std::regex("\\d\\d:\\d\\d:\\d\\d:\\d{3}: now on\n")));
        setLogging(0);
    }
    PluginHost ph(plxhost::HostOptions{}, false);
    activateWith(ph, "[General]\nLogging=1\n");
    std::string log = withLF(readFile(logFile(ph)));
    EXPECT_TRUE(
        std::regex_match(log, std::regex("\\d\\d:\\d\\d:\\d\\d:\\d{3}: \nPlexmoor: 6.72\n\n")))
        << log;

    // A save that cannot replace the file says so in the log; the values
    // stay in memory.
    std::string file = settingsFile(ph);
    ASSERT_EQ(::remove(file.c_str()), 0);
    std::filesystem::create_directories(file + "/blocker");
    EXPECT_EQ(setUseLastFolder(1, "/x"), -1);
    EXPECT_NE(withLF(readFile(logFile(ph))).find(": writePrefsErr " + file + "\n"), std::string::npos);
    char folder[kMyPathSize] = "";
    EXPECT_EQ(getUseLastFolder(folder), 1);
    EXPECT_STREQ(folder, "/x");
    setLogging(0);
}
