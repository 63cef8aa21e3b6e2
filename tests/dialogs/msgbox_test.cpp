// Message boxes: texts, buttons, results, and the boxes others show.
#include "tests/dialogs/dialog_fixture.h"

#include "tests/common/native_text.h"

#include "plugin/core/about.h"
#include "plugin/dialogs/msgbox.h"
#include "plugin/settings/prefs.h"

#include <filesystem>

namespace plxtest {
namespace {

using MsgBoxTest = DialogTest;

std::vector<std::string> lastButtons() {
    std::vector<ui::Record> all = ui::transcript();
    for (auto r = all.rbegin(); r != all.rend(); ++r)
        if (r->kind == ui::RecordKind::MessageBox) return r->items;
    return {};
}

TEST_F(MsgBoxTest, msgBox_resultsAreOneForTheFirstButtonElseTwo) {
    script("[@message] answer 2\n");
    EXPECT_EQ(msgBoxYesNo("kNoValidPageNum"), 2); // "no"
    EXPECT_EQ(lastButtons(), (std::vector<std::string>{"Yes", "No"}));
    EXPECT_EQ(msgBoxYesNo("kNoValidPageNum"), 2); // closed: nothing in the script
    script("[@message] answer 1\n");
    EXPECT_EQ(msgBoxYesNo("kNoValidPageNum"), 1);
    script("[@message] answer 3\n");
    EXPECT_EQ(msgBoxYesNoCancel("kNoValidPageNum"), 2);
    EXPECT_EQ(lastButtons(), (std::vector<std::string>{"Yes", "Cancel", "No"}));
    script("[@message] answer 1\n");
    EXPECT_EQ(msgBoxOkCancel("kNoValidPageNum"), 1);
    EXPECT_EQ(msgBox("kNoValidPageNum"), 2);
    EXPECT_EQ(lastButtons(), (std::vector<std::string>{"OK"}));
    // Every box beeps first.
    EXPECT_EQ(ui::beepCount(), 6);
    EXPECT_EQ(records(ui::RecordKind::MessageBox),
              std::vector<std::string>(6, "Invalid page range!"));
}

TEST_F(MsgBoxTest, msgBox_keysOf200BytesOrMoreAreShownNotFormatted) {
    std::string key200 = "%d" + std::string(198, 'k');
    std::string key199 = "%d" + std::string(197, 'k');
    msgBox(key200.c_str(), 5);
    msgBox(key199.c_str(), 5);
    std::string longer(5000, 'z');
    msgBox(longer.c_str());
    std::vector<std::string> shown = records(ui::RecordKind::MessageBox);
    ASSERT_EQ(shown.size(), 3u);
    EXPECT_EQ(shown[0], key200 + "\xE2\x80\xA6");
    EXPECT_EQ(shown[1], "5" + std::string(197, 'k'));
    EXPECT_EQ(shown[2], std::string(200, 'z') + "\xE2\x80\xA6");
}

TEST_F(MsgBoxTest, msgBox_formatsIntoAtMost2047BytesOfWholeCharacters) {
    std::string umlauts;
    for (int i = 0; i < 1500; ++i)
        umlauts += "\xC3\xA4";
    msgBox("%s", umlauts.c_str()); // no such key: the key is the format
    std::vector<std::string> shown = records(ui::RecordKind::MessageBox);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0], umlauts.substr(0, 2046));
}

TEST_F(MsgBoxTest, msgBox_secondTextFollowsOnceAndFocusComesBackSelected) {
    ui::Handle host = ui::createWindow(ui::CreateParams{});
    ui::Handle field = ui::createControl(host, ui::Kind::Edit, 3, ui::Rect{0, 0, 80, 20}, "1-4");
    ui::setFocus(field);
    gHostMainWindow = host;
    setMsg2("kDiskFull", 28);
    msgBox("kWriteToDisk", 5);
    msgBox("ok");
    EXPECT_EQ(
        records(ui::RecordKind::MessageBox),
        (std::vector<std::string>{"Error 5 on writing to disk!\n\nDisk is full (28)!", "OK"}));
    EXPECT_EQ(records(ui::RecordKind::Answer), std::vector<std::string>(2, "Plexmoor"));
    EXPECT_TRUE(ui::isEnabled(host));
    EXPECT_EQ(ui::focus(), field);
    EXPECT_EQ(ui::selectedText(field), "1-4");
}

TEST_F(MsgBoxTest, about_showsNameVersionAndCopyrightInBothLanguages) {
    XTAboutRec rec{};
    EXPECT_EQ(doAbout1(&rec), 0);
    EXPECT_EQ(rec.shown, 1);
    german();
    EXPECT_EQ(doAbout1(nullptr), 0);
    EXPECT_EQ(records(ui::RecordKind::MessageBox),
              (std::vector<std::string>{
                  "Plexmoor 6.72\n\nCopyright \xC2\xA9 2017 Korvane. All rights reserved.",
                  "Plexmoor 6.72\n\nCopyright \xC2\xA9 2017 Korvane. Alle Rechte vorbehalten."}));
}

TEST_F(MsgBoxTest, settings_aFailedSaveIsShownInABox) {
    std::string file = plxtest::joined(host().tempHome().settingsFolder(), "Plexmoor.ini");
    std::filesystem::remove(file);
    std::filesystem::create_directories(file + "/blocker");
    EXPECT_EQ(savePrefs(), -1);
    // The message names the file that could not be written.
    EXPECT_EQ(records(ui::RecordKind::MessageBox),
              std::vector<std::string>{"The settings file " + file + " could not be written!"});
}

} // namespace
} // namespace plxtest
