// The plug-in's submenu and context-menu entry in the host's menus: when
// the commands are enabled, their texts, and that each
// command reaches the part that carries it out.
#include <gtest/gtest.h>

#include "plugin/core/menus.h"
#include "tests/common/plugin_ui_test.h"
#include "xt/xtcallbacks.h"

using namespace plxtest;

namespace {

const char* const kProject = "layout \"Main\"\n"
                             "  pages 3\n"
                             "  box 7 page=1 x=10 y=10 w=50 h=50\n";

class Menus : public PluginUiTest {
  protected:
    // The plug-in's submenu as the user sees it when the menus open.
    std::string submenu() {
        host().menus().update();
        return plxhost::describeMenu(host().menus().menuTitled("Utilities"));
    }
    // What opened (windows, message boxes) when the command was chosen.
    std::vector<std::string> choose(int16_t command) {
        WindowWatch watch;
        EXPECT_TRUE(host().menus().choose(command));
        std::vector<std::string> titles;
        for (const WindowWatch::Seen& s : watch.seen())
            titles.push_back(s.opened.text);
        return titles;
    }
};

} // namespace

TEST_F(Menus, WithoutADocumentOnlyPreferencesAndAboutAreEnabled) {
    EXPECT_EQ(submenu(), "Plexmoor\n"
                         "  Save page(s) as EPS/PDF\xE2\x80\xA6 (disabled)\n"
                         "  Save current box as EPS/PDF\xE2\x80\xA6 (disabled)\n"
                         "  ----\n"
                         "  Preferences\xE2\x80\xA6\n"
                         "  About\xE2\x80\xA6\n");
    EXPECT_FALSE(host().menus().choose(plxMenuCommands().exportPages));
    EXPECT_FALSE(host().menus().choose(plxMenuCommands().exportBox));
    EXPECT_EQ(host().menus().contextMenu(), nullptr);
}

TEST_F(Menus, LayoutEnablesPagesAndABoxTheBoxCommandInBothMenus) {
    int32_t project = ph().openProjectText(kProject);
    ASSERT_NE(project, -1);
    EXPECT_NE(submenu().find("Save page(s) as EPS/PDF\xE2\x80\xA6\n"), std::string::npos);
    EXPECT_NE(submenu().find("box as EPS/PDF\xE2\x80\xA6 (disabled)"), std::string::npos);
    EXPECT_EQ(plxhost::describeMenu(host().menus().contextMenu()),
              "Deselect (disabled)\n----\nSave page(s) as EPS/PDF\xE2\x80\xA6\n");

    host().documents().selectBox(host().documents().front()->docRef, 7);
    EXPECT_EQ(submenu().find("(disabled)"), std::string::npos);
    EXPECT_EQ(plxhost::describeMenu(host().menus().contextMenu()),
              "Deselect\n----\nSave current box as EPS/PDF\xE2\x80\xA6\n");
}

TEST_F(Menus, EachCommandReachesItsDialog) {
    host().menus().mainMenu(); // the host hands out the numbers as it builds its menus
    EXPECT_EQ(choose(plxMenuCommands().prefs), std::vector<std::string>{"Plexmoor"});
    choose(plxMenuCommands().about); // a message box, no dialog
    std::vector<std::string> boxes = messageBoxTexts();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_NE(boxes[0].find("6.72"), std::string::npos) << boxes[0];

    ph().openProjectText(kProject);
    host().documents().selectBox(host().documents().front()->docRef, 7);
    // Both export commands open the export dialog; nothing more is scripted.
    for (int16_t command : {plxMenuCommands().exportPages, plxMenuCommands().exportBox}) {
        std::vector<std::string> opened = choose(command);
        EXPECT_FALSE(opened.empty()) << command;
    }
}

TEST_F(Menus, NumbersThatAreNoCommandOfTheMenuDoNothing) {
    // A layout is open and the submenu not built yet: no number is a command.
    ph().openProjectText(kProject);
    WindowWatch watch;
    XTMenuCommandRec rec{};
    for (int16_t number : {int16_t{0}, int16_t{-1}, int16_t{12345}}) {
        rec.command = number;
        host().sendCallback(kXTCBMenuCommand, &rec);
    }
    EXPECT_TRUE(watch.seen().empty());
    EXPECT_TRUE(messageBoxTexts().empty());
}
