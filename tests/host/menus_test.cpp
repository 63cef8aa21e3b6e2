// The host's menus: the main menu plug-ins append to (code 6), enabling
// (code 7), choosing (code 618 or the host's own command), the context
// menu (code 318) and the menu groups' checks.
#include <gtest/gtest.h>

#include "host/host_objects.h"
#include "host/menus.h"
#include "tests/common/plugin_host.h"
#include "tests/host/ui_plugin.h"
#include "ui/ui.h"
#include "xt/xtmenu.h"

using namespace plxtest;

namespace {

const char* const kProject = "layout \"Main\"\n"
                             "  pages 2\n"
                             "  box 7 page=1 x=10 y=10 w=50 h=50\n";

class HostMenus : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(ui::reset());
        ASSERT_EQ(attachUiPlugin(host_), 0);
    }
    int32_t openProject() {
        std::string path = home_.file("Menus.proj");
        EXPECT_TRUE(writeFile(path, kProject));
        std::string error;
        int32_t ref = host_.documents().openProject(path, &error);
        EXPECT_NE(ref, -1) << error;
        return ref;
    }
    std::vector<std::string>& events() { return uiPluginSeen().events; }

    TempHome home_;
    plxhost::Host host_;
};

const XTMenuFuncs* menuGroup() {
    const void* table = nullptr;
    plxhost::Host::current()->setupRecord()->bindFuncGroup(kXTGroupMenu, &table, 0, 0);
    return static_cast<const XTMenuFuncs*>(table);
}

} // namespace

TEST_F(HostMenus, MainMenuIsBuiltOnceWithThePluginsSubmenuUnderUtilities) {
    EXPECT_TRUE(events().empty()); // nothing is built before the menu is first needed
    XTMenu_* utilities = host_.menus().menuTitled("Utilities");
    ASSERT_NE(utilities, nullptr);
    host_.menus().mainMenu();
    EXPECT_EQ(events(), std::vector<std::string>{"6"});
    EXPECT_EQ(plxhost::describeMenu(utilities), "Tester\n  One\n  ----\n  Two\n");
    const std::vector<int16_t>& numbers = uiPluginSeen().commands;
    ASSERT_EQ(numbers.size(), 3u);
    EXPECT_GE(numbers[0], plxhost::kFirstPluginCommand);
    EXPECT_EQ(numbers[1], numbers[0] + 1);
    // The host's own commands sit in Edit.
    EXPECT_EQ(plxhost::describeMenu(host_.menus().menuTitled("Edit")),
              "Output Styles\xE2\x80\xA6\nPreferences\xE2\x80\xA6\n");
}

TEST_F(HostMenus, ChoosingUpdatesFirstAndSendsOnlyEnabledPluginCommands) {
    const std::vector<int16_t>& numbers = uiPluginSeen().commands;
    host_.menus().mainMenu();
    events().clear();
    EXPECT_TRUE(host_.menus().choose(numbers[1]));
    EXPECT_EQ(events(), (std::vector<std::string>{"7", "618 " + std::to_string(numbers[1])}));

    events().clear();
    uiPluginScript().enableSecond = false;
    EXPECT_FALSE(host_.menus().choose(numbers[2]));
    EXPECT_EQ(events(), std::vector<std::string>{"7"});
    EXPECT_NE(plxhost::describeMenu(host_.menus().menuTitled("Utilities")).find("Two (disabled)"),
              std::string::npos);

    // The item that opens the submenu and unknown numbers are no commands.
    EXPECT_FALSE(host_.menus().choose(numbers[0]));
    EXPECT_FALSE(host_.menus().choose(0));
    EXPECT_FALSE(host_.menus().choose(31000));
}

TEST_F(HostMenus, ContextMenuNeedsALayoutAndCarriesTheHostsAndThePluginsItems) {
    EXPECT_EQ(host_.menus().contextMenu(), nullptr);
    EXPECT_TRUE(std::find(events().begin(), events().end(), "318") == events().end());

    int32_t doc = openProject();
    XTMenu_* menu = host_.menus().contextMenu();
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(uiPluginSeen().contextMenu, menu);
    EXPECT_EQ(plxhost::describeMenu(menu), "Deselect (disabled)\n----\nTwo here\n");

    // Deselect follows the selection and does its work when chosen.
    host_.documents().selectBox(doc, 7);
    menu = host_.menus().contextMenu();
    EXPECT_EQ(plxhost::describeMenu(menu), "Deselect\n----\nTwo here\n");
    EXPECT_TRUE(host_.menus().choose(plxhost::kCmdDeselect));
    EXPECT_EQ(host_.documents().currentBox(), nullptr);

    // Each context menu replaces the one before; the old one is no menu any more.
    XTMenu_* next = host_.menus().contextMenu();
    EXPECT_TRUE(host_.menus().isMenu(next));
    EXPECT_EQ(host_.menus().isMenu(menu), next == menu);
}

TEST_F(HostMenus, GroupRefusesWhatWouldBreakTheMenus) {
    const XTMenuFuncs* group = menuGroup();
    ASSERT_NE(group, nullptr);
    XTMenuRef menu = nullptr;
    int garbage = 0;
    EXPECT_EQ(group->menuFromRecord(&garbage, &menu), kXTParamErr);
    EXPECT_EQ(menu, nullptr);
    EXPECT_EQ(group->newCommandNumber(nullptr), kXTParamErr);

    XTMenu_* utilities = host_.menus().menuTitled("Utilities");
    ASSERT_EQ(group->menuFromRecord(utilities, &menu), 0);
    QXStringRef text = plxhost::newHostStringUtf8("X");
    EXPECT_EQ(group->appendItem(menu, text, 0), kXTParamErr);
    EXPECT_EQ(group->appendItem(menu, nullptr, 5), kXTParamErr);
    plxhost::releaseHostString(text);
    EXPECT_EQ(group->enableCommand(30000, 1), kXTNotFoundErr);

    // A submenu hangs from one item, never from itself or beneath itself.
    int16_t item = uiPluginSeen().commands[0];
    XTMenu_* tester = host_.menus().findCommand(utilities, item)->submenu;
    EXPECT_EQ(group->attachSubmenu(utilities, item, tester), kXTParamErr); // attached already
    EXPECT_EQ(group->attachSubmenu(tester, uiPluginSeen().commands[1], utilities), kXTParamErr);
    EXPECT_EQ(group->attachSubmenu(tester, uiPluginSeen().commands[1], tester), kXTParamErr);
    EXPECT_EQ(group->attachSubmenu(tester, uiPluginSeen().commands[1], host_.menus().mainMenu()),
              kXTParamErr);
    XTMenu_* loose = host_.menus().createMenu("Loose");
    EXPECT_EQ(group->attachSubmenu(tester, 29999, loose), kXTNotFoundErr);
    EXPECT_EQ(group->attachSubmenu(tester, uiPluginSeen().commands[1], loose), 0);
}
