// The host's menus: the main menu with its command numbers, the context
// menu of the front layout, enabling (code 7) and carrying out commands
// (the host's own, or code 618 for a plug-in's).
//
// The main menu is built on first use, once the plug-ins are loaded: the
// host's own menus Edit and Utilities, then code 6 with the
// Utilities menu, to which plug-ins append their items and submenus.
// Every menu, the plug-ins' included, belongs to the Menus object; an
// XTMenu_ address is the XTMenuRef of the menu groups and the menu a
// callback record carries.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "xt/xttypes.h"

struct XTMenu_;

namespace plxhost {

class Host;

struct MenuItem {
    std::string text;    // UTF-8; empty for a separator
    int16_t command = 0; // 0 for a separator
    bool enabled = true;
    XTMenu_* submenu = nullptr;
    bool separator() const { return command == 0; }
};

} // namespace plxhost

struct XTMenu_ {
    std::string title;
    std::vector<plxhost::MenuItem> items;
    XTMenu_* parent = nullptr; // the menu whose item it hangs from
};

namespace plxhost {

// The host's own commands.
enum HostCommand : int16_t {
    kCmdOutputStyles = 1, // Edit > Output Styles…
    kCmdPreferences = 2,  // Edit > Preferences…
    kCmdDeselect = 3,     // context menu: Deselect
};
// Command numbers handed to plug-ins start here.
constexpr int16_t kFirstPluginCommand = 1000;

class Menus {
  public:
    explicit Menus(Host& host);
    ~Menus();
    Menus(const Menus&) = delete;
    Menus& operator=(const Menus&) = delete;

    // The main menu, built on the first call (code 6 goes out then).
    XTMenu_* mainMenu();
    // The menu of the main menu with that title ("Utilities"), or null.
    XTMenu_* menuTitled(const std::string& title);

    // Sends code 7 after setting the host's own items' states.
    void update();
    // Chooses a command as the user would from a menu shown now: the menus
    // are updated, then a command that is in the main menu or the current
    // context menu and enabled is carried out. False for anything else.
    bool choose(int16_t command);

    // A fresh context menu of the front layout: the host's items, code 318
    // for the plug-ins' items, then code 7. Null when no layout is open.
    // It lives until the next context menu is made.
    XTMenu_* contextMenu();
    // The context menu made last, or null.
    XTMenu_* currentContextMenu() const { return context_; }
    // Whether the main menu has been built.
    bool built() const { return main_ != nullptr; }

    // The item of `menu` (searched depth-first through submenus) with the
    // command, or null.
    MenuItem* findCommand(XTMenu_* menu, int16_t command);

    // For the menu groups.
    int32_t newCommandNumber(int16_t* command);
    XTMenu_* createMenu(const std::string& title);
    bool isMenu(const XTMenu_* menu) const;
    // The main menu and the context menu hang from nothing.
    bool isRootMenu(const XTMenu_* menu) const {
        return menu && (menu == main_ || menu == context_);
    }
    // Sets the enabled state of every item with the command; false when
    // none has it.
    bool setEnabled(int16_t command, bool enabled);

  private:
    void build();
    void release(XTMenu_* menu); // frees a menu and everything attached to it
    bool carryOut(int16_t command);

    Host& host_;
    std::vector<std::unique_ptr<XTMenu_>> menus_;
    XTMenu_* main_ = nullptr;
    XTMenu_* context_ = nullptr;
    int16_t nextCommand_ = kFirstPluginCommand;
};

// The menu as indented text, one item a line: the item's text, "(disabled)"
// after a disabled one, "----" for a separator; a submenu's items indented
// beneath its item.
std::string describeMenu(const XTMenu_* menu, int indent = 0);

} // namespace plxhost
