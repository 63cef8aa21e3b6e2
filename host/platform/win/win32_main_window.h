// The host's main window on Win32: "Plexhost", with the main menu as its
// menu bar and the front layout's context menu on a right click. The menus
// are made from the host's menu data (host/menus.h) when shown; the states
// of their items are asked afresh (code 7) each time a menu opens, and a
// chosen item is carried out as Menus::choose does.
#pragma once

#include <windows.h>

struct XTMenu_;

namespace plxhost {

class Host;

// A Win32 menu of the host's menu: each item with its text and command
// number, greyed when disabled, separators and submenus as they are. A menu
// bar when `bar`, else a popup menu. The caller destroys it.
HMENU makeWin32Menu(const XTMenu_* menu, bool bar);

// Gives every item of `menu` and its submenus the enabled state the host's
// menus hold for its command now.
void refreshWin32Menu(Host& host, HMENU menu);

// Shows the front layout's context menu at the screen point and carries out
// the item chosen; false when no layout is open or nothing was chosen.
bool runWin32ContextMenu(Host& host, POINT at);

} // namespace plxhost
