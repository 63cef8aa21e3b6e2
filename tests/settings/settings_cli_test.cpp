// Settings files the plug-in cannot take whole, met through plexmoor: the
// user is told once and keeps the file (more in posix/).
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "tests/common/native_text.h"
#include "tests/common/plexmoor_run.h"
#include "tests/common/plugin_host.h"
#include "tests/settings/settings_cli_kit.h"

using namespace plxtest;
using namespace std::string_literals;

TEST(SettingsCli, AFileCutByANulKeepsWhatFollowsIt) {
    TempHome home;
    std::string mine = "[General]\nLogging=0\n\0\n[Mine]\nnotes=keep me\n"s;
    writeSettings(home, mine);
    ProgramRun run = runPlexmoor({"prefs", "--lang", "de", "--logging", "on"});
    EXPECT_EQ(run.status, 1) << run.out << run.err;
    EXPECT_EQ(count(run.err, "konnte nicht gelesen werden"), 1u) << run.err;
    EXPECT_EQ(readFile(settingsFile(home)), mine);
}

TEST(SettingsCli, AHeaderWithBlanksAfterItStaysOneSection) {
    TempHome home;
    writeSettings(home, "[General] \nAddAlways=0\n");
    ProgramRun run = runPlexmoor({"prefs"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("Always add page number      off"), std::string::npos) << run.out;
    ASSERT_EQ(runPlexmoor({"prefs", "--logging", "on"}).status, 0);
    ASSERT_EQ(runPlexmoor({"prefs", "--panel", "--last-folder", "on"}).status, 0);
    std::string file = readFile(settingsFile(home));
    EXPECT_EQ(count(file, "[General]"), 1u) << file;
    EXPECT_EQ(file,
              plxtest::withLineEnds("[General] \nAddAlways=0\nLastFolder=1\nLogging=1\n"));
}
