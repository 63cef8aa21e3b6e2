// The plug-in in the host's user interface: the submenu "Plexmoor" with
// its four commands, the context-menu entry, and the two panels in the
// host's preferences window and output-style editor. Each function is a
// host callback (its code in brackets) and returns 0.
#pragma once

#include <cstdint>

// [6] Builds the submenu in the menu the record carries: "exportPagesCmd…",
// "exportBoxCmd…", a separator, "prefsCmd…", "aboutCmd…", each with a
// command number from the host.
int32_t addMenusCallback(void* cbRecord);
// [7] The pages command needs an open layout, the box command a selected
// box; the other two are always enabled.
int32_t updateMenusCallback(void* cbRecord);
// [318] A separator and one export command: the box command when a box is
// selected, else the pages command.
int32_t contextMenuCallback(void* cbRecord);
// [618] Carries out a command of the submenu; other numbers are ignored.
int32_t menuCommandCallback(void* cbRecord);
// [279] Adds the preferences panel, shown first.
int32_t appPrefsCallback(void* cbRecord);
// [728] Adds the naming panel for an EPS or PDF style and remembers the
// style; styles of other media get none.
int32_t outputStylesCallback(void* cbRecord);

// The command numbers the host handed out (0 until the submenu is built).
struct PlxMenuCommands {
    int16_t exportPages = 0;
    int16_t exportBox = 0;
    int16_t prefs = 0;
    int16_t about = 0;
};
const PlxMenuCommands& plxMenuCommands();
// Forgets the command numbers and the style of an earlier activation.
void resetMenus();
