// Puts the plug-in into the host's user interface at activation and takes
// it out at quit. The callback scheme (core/menu_install.cpp) registers the
// menu and panel callbacks by code, each panel handler under the
// identifier reserved for it at entry; the macOS build instead creates its
// one controller object, which registers with the host's callback object
// (platform/mac/plx_controller.mm).
#pragma once

// Registers the menus, then the two panels (activation, after the
// lifecycle callbacks).
void installMenus();
// Releases what installMenus made (the quit callback).
void removeMenus();
