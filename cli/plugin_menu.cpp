#include "cli/plugin_menu.h"

#include <vector>

#include "cli/messages.h"

namespace plxcli {

namespace {

constexpr const char* kPluginMenuTitle = "Plexmoor";

std::vector<const plxhost::MenuItem*> commandsOf(const XTMenu_* menu) {
    std::vector<const plxhost::MenuItem*> out;
    for (const plxhost::MenuItem& item : menu->items)
        if (!item.separator()) out.push_back(&item);
    return out;
}

} // namespace

XTMenu_* contextMenuShown(plxhost::Host& host) {
    return host.menus().contextMenu();
}

XTMenu_* pluginSubmenu(plxhost::Host& host, std::string* error) {
    XTMenu_* utilities = host.menus().menuTitled("Utilities");
    if (utilities) {
        for (const plxhost::MenuItem& item : utilities->items)
            if (item.submenu && item.text == kPluginMenuTitle) return item.submenu;
    }
    if (error) *error = say("the plug-in added no menu to the host");
    return nullptr;
}

const plxhost::MenuItem* pluginCommand(plxhost::Host& host, PluginCommand which,
                                       std::string* error) {
    XTMenu_* submenu = pluginSubmenu(host, error);
    if (!submenu) return nullptr;
    std::vector<const plxhost::MenuItem*> commands = commandsOf(submenu);
    if (static_cast<size_t>(which) >= commands.size()) {
        if (error) *error = say("the plug-in's menu lacks the command");
        return nullptr;
    }
    return commands[static_cast<size_t>(which)];
}

bool choosePluginCommand(plxhost::Host& host, PluginCommand which, std::string* error) {
    const plxhost::MenuItem* item = pluginCommand(host, which, error);
    if (!item) return false;
    // Copied: choosing rebuilds the menus the item lives in.
    std::string text = item->text;
    if (!host.menus().choose(item->command)) {
        if (error) *error = say("\"%1\" is not available now", {text});
        return false;
    }
    return true;
}

} // namespace plxcli
