// The preferences dialog (menu command "Preferences") and the preferences
// panel in the host's preferences window: what they show, what OK stores,
// and that Cancel leaves the settings file alone.
#include <gtest/gtest.h>

#include <filesystem>

#include "host/preferences_window.h"
#include "plugin/core/lifecycle.h"
#include "plugin/settings/prefs.h"
#include "plugin/settings/prefs_dialog.h"
#include "plugin/support/log.h"
#include "tests/common/native_text.h"
#include "tests/common/plugin_ui_test.h"

using namespace plxtest;

namespace {

class Prefs : public PluginUiTest {
  protected:
    std::string settingsFile() const { return plxtest::joined(ph().tempHome().settingsFolder(), "Plexmoor.ini"); }
    std::string logFile() const { return plxtest::joined(ph().tempHome().logFolder(), "Plexmoor.txt"); }
    // The three check boxes 3, 4, 5 of an observed window, as "010".
    static std::string boxes(const ui::ControlInfo& window) {
        std::string out;
        for (int id : {3, 4, 5})
            out += controlIn(window, id).value ? '1' : '0';
        return out;
    }
};

std::filesystem::file_time_type modified(const std::string& path) {
    std::error_code ec;
    return std::filesystem::last_write_time(std::filesystem::u8path(path), ec);
}

} // namespace

TEST_F(Prefs, DialogWithoutAFileShowsTheDefaultsAndCancelWritesNothing) {
    WindowWatch watch;
    playScript("[Plexmoor] toggle #3\n[Plexmoor] toggle #5\n[Plexmoor] click #2\n");
    EXPECT_EQ(doPrefsDlg(), 2);
    EXPECT_EQ(boxes(titled(watch, "Plexmoor").opened), "001");
    EXPECT_EQ(boxes(titled(watch, "Plexmoor").closed), "100");
    EXPECT_FALSE(std::filesystem::exists(settingsFile()));
    EXPECT_EQ(getUseLastFolder(nullptr), 0);
    EXPECT_EQ(getAddAlways(), 1);
}

TEST_F(Prefs, OkStoresTheBoxesKeepsTheFolderAndSwitchesTheLogAtOnce) {
    ASSERT_EQ(setUseLastFolder(1, "/srv/exports"), 0);
    playScript("[Plexmoor] toggle #3\n[Plexmoor] toggle #4\n[Plexmoor] toggle #5\n"
               "[Plexmoor] click #1\n");
    EXPECT_EQ(doPrefsDlg(), 1);
    std::string file = plxtest::withLF(readFile(settingsFile()));
    EXPECT_NE(file.find("LastFolder=0"), std::string::npos) << file;
    EXPECT_NE(file.find("Logging=1"), std::string::npos) << file;
    EXPECT_NE(file.find("AddAlways=0"), std::string::npos) << file;
    EXPECT_NE(file.find("FolderPath=/srv/exports"), std::string::npos) << file;
    // Each key written goes to the top: the dialog writes LastFolder,
    // Logging, AddAlways.
    EXPECT_EQ(file.find("[General]\nAddAlways=0\nLogging=1\nLastFolder=0\n"), 0u) << file;
    // The next log line is written without a restart.
    dprintf("after the dialog");
    EXPECT_NE(readFile(logFile()).find("after the dialog"), std::string::npos);

    // On again: the kept folder is the one used.
    playScript("[Plexmoor] check #3 on\n[Plexmoor] click #1\n");
    EXPECT_EQ(doPrefsDlg(), 1);
    char folder[kMyPathSize] = "";
    EXPECT_EQ(getUseLastFolder(folder), 1);
    EXPECT_STREQ(folder, "/srv/exports");
}

TEST_F(Prefs, CancelLeavesAnExistingFileUntouched) {
    ASSERT_EQ(setUseLastFolder(1, "/srv/exports"), 0);
    std::string before = readFile(settingsFile());
    auto stamp = modified(settingsFile());
    playScript("[Plexmoor] toggle #3\n[Plexmoor] toggle #4\n[Plexmoor] key Escape\n");
    EXPECT_EQ(doPrefsDlg(), 2);
    EXPECT_TRUE(modified(settingsFile()) == stamp);
    EXPECT_EQ(readFile(settingsFile()), before);
    EXPECT_EQ(getLogging(), 0);
}

TEST_F(Prefs, PanelOpensFirstWithTheFileAsItIsNowAndStoresOnOk) {
    // The file changes behind the plug-in's back: the panel shows it anyway.
    std::filesystem::create_directories(ph().tempHome().settingsFolder());
    ASSERT_TRUE(writeFile(settingsFile(), "[General]\nLogging=1\nAddAlways=0\n"));
    WindowWatch watch;
    playScript("[Preferences] toggle #3\n[Preferences] click \"OK\"\n");
    EXPECT_EQ(plxhost::runPreferencesWindow(ph().host()), 1);
    const WindowWatch::Seen& window = titled(watch, "Preferences");
    ui::ControlInfo tabs = controlIn(window.opened, 102);
    EXPECT_EQ(tabs.items, (std::vector<std::string>{"General", "Plexmoor"}));
    EXPECT_EQ(tabs.selection, 1);
    EXPECT_EQ(boxes(window.opened), "010");
    // The panel writes Logging, LastFolder, AddAlways; each goes to the top.
    EXPECT_EQ(readFile(settingsFile()),
              plxtest::withLineEnds("[General]\nAddAlways=0\nLastFolder=1\nLogging=1\n"));
}
