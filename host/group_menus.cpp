// Menu and extended menu groups: plug-ins' items in the host's menus.
#include "host/groups.h"
#include "host/host.h"
#include "host/host_objects.h"
#include "host/menus.h"

namespace plxhost {

namespace {

Menus& menus() {
    return Host::current()->menus();
}

int32_t newCommandNumber(int16_t* command) {
    return menus().newCommandNumber(command);
}

int32_t menuFromRecord(void* recordMenu, XTMenuRef* menu) {
    if (!menu) return kXTParamErr;
    auto* m = static_cast<XTMenu_*>(recordMenu);
    *menu = menus().isMenu(m) ? m : nullptr;
    return *menu ? 0 : kXTParamErr;
}

int32_t appendItem(XTMenuRef menu, QXStringRef text, int16_t command) {
    if (!menus().isMenu(menu) || !text || command == 0) return kXTParamErr;
    MenuItem item;
    item.text = hostStringUtf8(text);
    item.command = command;
    menu->items.push_back(item);
    return 0;
}

int32_t appendSeparator(XTMenuRef menu) {
    if (!menus().isMenu(menu)) return kXTParamErr;
    menu->items.push_back(MenuItem{});
    return 0;
}

int32_t enableCommand(int16_t command, uint8_t enabled) {
    if (command == 0) return kXTParamErr;
    return menus().setEnabled(command, enabled != 0) ? 0 : kXTNotFoundErr;
}

// Whether `menu` is `candidate` or hangs beneath it.
bool within(const XTMenu_* menu, const XTMenu_* candidate) {
    for (const XTMenu_* m = menu; m; m = m->parent)
        if (m == candidate) return true;
    return false;
}

int32_t attachSubmenu(XTMenuRef menu, int16_t command, XTMenuRef submenu) {
    if (!menus().isMenu(menu) || !menus().isMenu(submenu)) return kXTParamErr;
    // A submenu hangs from one item only, and never from itself or a menu
    // beneath it: the menus stay a tree.
    if (submenu->parent || within(menu, submenu) || menus().isRootMenu(submenu)) return kXTParamErr;
    for (MenuItem& item : menu->items) {
        if (item.command != command || item.separator()) continue;
        if (item.submenu) return kXTParamErr;
        item.submenu = submenu;
        submenu->parent = menu;
        return 0;
    }
    return kXTNotFoundErr;
}

int32_t createMenu(QXStringRef title, XTMenuRef* menu) {
    if (!menu) return kXTParamErr;
    *menu = nullptr;
    if (!title) return kXTParamErr;
    *menu = menus().createMenu(hostStringUtf8(title));
    return 0;
}

} // namespace

const XTMenuFuncs kMenuGroup = {
    sizeof(XTMenuFuncs), newCommandNumber, menuFromRecord, appendItem,
    appendSeparator,     enableCommand,    attachSubmenu,
};

const XTXMenuFuncs kXMenuGroup = {sizeof(XTXMenuFuncs), createMenu};

} // namespace plxhost
