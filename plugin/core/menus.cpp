#include "plugin/core/menus.h"

#include "plugin/core/about.h"
#include "plugin/core/lifecycle.h"
#include "plugin/core/plexmoor.h"
#include "plugin/core/xt_groups.h"
#include "plugin/core/xt_wrappers.h"
#include "plugin/export/export_run.h"
#include "plugin/settings/prefs_dialog.h"
#include "plugin/styles/style_data.h"
#include "plugin/styles/style_panel.h"
#include "plugin/support/mystr.h"
#include "xt/xtcallbacks.h"
#include "xt/xtoutput.h"

namespace {

PlxMenuCommands sCommands;

// Appends the localized text of the key (its "…" kept) with the command.
void appendCommand(XTMenuRef menu, const char* key, int16_t command) {
    MyStr text(key, true);
    xtmenu_funchndl->appendItem(menu, text.qxStr(), command);
}

// A fresh command number for an item of the submenu, 0 when the host has
// none to give.
int16_t newCommand() {
    int16_t command = 0;
    if (xtmenu_funchndl->newCommandNumber(&command) != 0) return 0;
    return command;
}

bool boxSelected() {
    return xtGetCurBox() != nullptr;
}

} // namespace

const PlxMenuCommands& plxMenuCommands() {
    return sCommands;
}

void resetMenus() {
    sCommands = PlxMenuCommands{};
    setStylesPanelStyle(nullptr);
}

int32_t addMenusCallback(void* cbRecord) {
    auto* rec = static_cast<XTMenuRec*>(cbRecord);
    if (!rec || !xtmenu_funchndl || !xtxmenu_funchndl) return 0;
    MyStr title(kPlxProductName);
    XTMenuRef submenu = nullptr;
    if (xtxmenu_funchndl->createMenu(title.qxStr(), &submenu) != 0 || !submenu) return 0;
    sCommands.exportPages = newCommand();
    appendCommand(submenu, "exportPagesCmd\xE2\x80\xA6", sCommands.exportPages);
    sCommands.exportBox = newCommand();
    appendCommand(submenu, "exportBoxCmd\xE2\x80\xA6", sCommands.exportBox);
    xtmenu_funchndl->appendSeparator(submenu);
    sCommands.prefs = newCommand();
    appendCommand(submenu, "prefsCmd\xE2\x80\xA6", sCommands.prefs);
    sCommands.about = newCommand();
    appendCommand(submenu, "aboutCmd\xE2\x80\xA6", sCommands.about);

    int16_t item = newCommand();
    XTMenuRef menu = nullptr;
    if (xtmenu_funchndl->menuFromRecord(rec->menu, &menu) != 0 || !menu) return 0;
    xtmenu_funchndl->appendItem(menu, title.qxStr(), item);
    xtmenu_funchndl->attachSubmenu(menu, item, submenu);
    return 0;
}

int32_t updateMenusCallback(void*) {
    if (!xtmenu_funchndl || !sCommands.exportPages) return 0;
    xtmenu_funchndl->enableCommand(sCommands.exportPages, xtGetCurDocRef() != -1 ? 1 : 0);
    xtmenu_funchndl->enableCommand(sCommands.exportBox, boxSelected() ? 1 : 0);
    return 0;
}

int32_t contextMenuCallback(void* cbRecord) {
    auto* rec = static_cast<XTMenuRec*>(cbRecord);
    // Without the submenu there are no command numbers to offer.
    if (!rec || !xtmenu_funchndl || !sCommands.exportPages) return 0;
    XTMenuRef menu = nullptr;
    if (xtmenu_funchndl->menuFromRecord(rec->menu, &menu) != 0 || !menu) return 0;
    xtmenu_funchndl->appendSeparator(menu);
    if (boxSelected())
        appendCommand(menu, "exportBoxCmd\xE2\x80\xA6", sCommands.exportBox);
    else
        appendCommand(menu, "exportPagesCmd\xE2\x80\xA6", sCommands.exportPages);
    return 0;
}

int32_t menuCommandCallback(void* cbRecord) {
    auto* rec = static_cast<XTMenuCommandRec*>(cbRecord);
    // Number 0 is no command: the numbers are 0 only before the submenu exists.
    if (!rec || rec->command == 0) return 0;
    if (rec->command == sCommands.exportPages)
        doExport(0);
    else if (rec->command == sCommands.exportBox)
        doExport(1);
    else if (rec->command == sCommands.prefs)
        doPrefsDlg();
    else if (rec->command == sCommands.about)
        doAbout1(nullptr);
    return 0;
}

int32_t appPrefsCallback(void* cbRecord) {
    auto* rec = static_cast<XTAppPrefsRec*>(cbRecord);
    if (!rec || !xtxdctltab_funchndl || !gPrefsPanelCallbackId) return 0;
    xtxdctltab_funchndl->addPanel(rec->container, gPrefsPanelCallbackId, kXTPanelShowFirst);
    return 0;
}

int32_t outputStylesCallback(void* cbRecord) {
    auto* rec = static_cast<XTOutputStylesRec*>(cbRecord);
    if (!rec || !xtxdctltab_funchndl || !gStylesPanelCallbackId) return 0;
    uint32_t medium = outputMediaForStyle(rec->style);
    if (medium != kXTMediumEPS && medium != kXTMediumPDF) return 0;
    setStylesPanelStyle(rec->style);
    xtxdctltab_funchndl->addPanel(rec->container, gStylesPanelCallbackId, kXTPanelAfterHost);
    return 0;
}
