// The plug-in's submenu in the host's main menu, as a person finds it:
// the item "Plexmoor" in the Utilities menu, its commands in their order
// (save pages, save box, preferences, about; the separator skipped).
#pragma once

#include <cstdint>
#include <string>

#include "host/host.h"

namespace plxcli {

enum PluginCommand { kExportPagesItem = 0, kExportBoxItem, kPrefsItem, kAboutItem };

// The submenu, or null with *error set when the plug-in added none.
XTMenu_* pluginSubmenu(plxhost::Host& host, std::string* error);

// The submenu's command at that place, or null with *error set.
const plxhost::MenuItem* pluginCommand(plxhost::Host& host, PluginCommand which,
                                       std::string* error);

// The context menu of the front layout as a person sees it: the host's
// entries, then those the plug-in added (in the macOS build a Cocoa menu,
// each entry validated by its target). Null when no layout is open.
XTMenu_* contextMenuShown(plxhost::Host& host);

// Chooses the submenu's command at that place as a person would (the
// menus are updated first). False with *error set when there is no such
// command or it is disabled.
bool choosePluginCommand(plxhost::Host& host, PluginCommand which, std::string* error);

} // namespace plxcli
