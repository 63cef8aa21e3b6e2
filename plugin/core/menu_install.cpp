#include "plugin/core/menu_install.h"

#include "plugin/core/lifecycle.h"
#include "plugin/core/menus.h"
#include "plugin/core/plexmoor.h"
#include "plugin/core/xt_groups.h"
#include "plugin/settings/prefs_dialog.h"
#include "plugin/styles/style_panel.h"

namespace {

void registerCallback(int32_t code, XTCallbackProc proc) {
    xtsetupptr->registerCallback(code, proc, kPlxRegistrationFlags, kPlxRegistrationPriority, 0);
}

} // namespace

void installMenus() {
    resetMenus();
    registerCallback(kXTCBAddMenus, addMenusCallback);
    registerCallback(kXTCBUpdateMenus, updateMenusCallback);
    registerCallback(kXTCBContextMenu, contextMenuCallback);
    registerCallback(kXTCBMenuCommand, menuCommandCallback);
    registerCallback(kXTCBAppPrefs, appPrefsCallback);
    if (gPrefsPanelCallbackId)
        registerCallback(static_cast<int32_t>(gPrefsPanelCallbackId), prefsPanelCallback);
    registerCallback(kXTCBOutputStyles, outputStylesCallback);
    if (gStylesPanelCallbackId)
        registerCallback(static_cast<int32_t>(gStylesPanelCallbackId), stylesPanelCallback);
}

// Plain callbacks keep no object to release.
void removeMenus() {}
