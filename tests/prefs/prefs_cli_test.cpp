// plexmoor prefs: the preferences shown and set through the plug-in's
// dialog and through its panel in the host's preferences window.
#include <gtest/gtest.h>


#include <filesystem>

#include "tests/common/plexmoor_run.h"
#include "tests/common/plugin_host.h"

using namespace plxtest;

namespace {

std::string settingsFile(const TempHome& home) {
    return home.settingsFolder() + "/Plexmoor.ini";
}

const char* const kDefaults = "Use last folder             off\n"
                              "Logfile                     off\n"
                              "Always add page number      on\n";

} // namespace

TEST(PrefsCommand, WithoutAFileTheDefaultsAreShownAndNothingIsWritten) {
    TempHome home;
    for (const char* panel : {"", "--panel"}) {
        std::vector<std::string> args{"prefs"};
        if (*panel) args.push_back(panel);
        ProgramRun run = runPlexmoor(args);
        ASSERT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(run.out, kDefaults) << panel;
    }
    EXPECT_FALSE(std::filesystem::exists(settingsFile(home)));
}

TEST(PrefsCommand, DialogAndPanelStoreWhatIsConfirmedAndKeepTheFolder) {
    TempHome home;
    std::filesystem::create_directories(home.settingsFolder());
    ASSERT_TRUE(writeFile(settingsFile(home), "[General]\nLastFolder=1\nFolderPath=/srv/out\n"));
    ProgramRun run = runPlexmoor({"prefs", "--last-folder", "off", "--logging", "on"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "Use last folder             off\n"
                       "Logfile                     on\n"
                       "Always add page number      on\n"
                       "saved\n");
    std::string file = readFile(settingsFile(home));
    EXPECT_NE(file.find("LastFolder=0"), std::string::npos) << file;
    EXPECT_NE(file.find("FolderPath=/srv/out"), std::string::npos) << file;

    run = runPlexmoor({"prefs", "--panel", "--add-always", "off", "--lang", "de"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("Seitennummer immer anf\xC3\xBCgen  aus\n"), std::string::npos)
        << run.out;
    EXPECT_NE(readFile(settingsFile(home)).find("AddAlways=0"), std::string::npos);
    EXPECT_EQ(runPlexmoor({"prefs", "--logging", "yes"}).status, 2);
}

TEST(PrefsCommand, LookingWithoutChangingLeavesTheFileUntouched) {
    TempHome home;
    ASSERT_EQ(runPlexmoor({"prefs", "--logging", "on"}).status, 0);
    auto before = std::filesystem::last_write_time(std::filesystem::u8path(settingsFile(home)));
    for (const char* panel : {"", "--panel"}) {
        std::vector<std::string> args{"prefs"};
        if (*panel) args.push_back(panel);
        ProgramRun run = runPlexmoor(args);
        ASSERT_EQ(run.status, 0) << run.err;
        EXPECT_NE(run.out.find("Logfile                     on\n"), std::string::npos);
        EXPECT_TRUE(std::filesystem::last_write_time(std::filesystem::u8path(settingsFile(home))) ==
                    before)
            << panel;
    }
}

TEST(PrefsCommand, AFileThatCannotBeWrittenIsAFailureNotASave) {
    TempHome home;
    // A file where the settings folder should be: nothing can be saved there.
    std::filesystem::create_directories(std::filesystem::u8path(home.settingsFolder()).parent_path());
    ASSERT_TRUE(writeFile(home.settingsFolder(), ""));
    ProgramRun run = runPlexmoor({"prefs", "--add-always", "off"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out.find("saved"), std::string::npos) << run.out;
    EXPECT_NE(run.err.find("could not be written"), std::string::npos) << run.err;
}
