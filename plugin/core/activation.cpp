#include "plugin/core/lifecycle.h"
#include "plugin/core/menu_install.h"
#include "plugin/core/module_info.h"
#include "plugin/core/pdf_module.h"
#include "plugin/core/plexmoor.h"
#include "plugin/core/xt_groups.h"
#include "plugin/dialogs/dialogs.h"
#include "plugin/core/window_request.h"
#include "plugin/dialogs/toolkit.h"
#include "plugin/export/print_hooks.h"
#include "plugin/settings/prefs.h"
#include "plugin/support/log.h"
#include "xt/xtcallbacks.h"
#include "xt/xtwindows.h"

namespace {

void registerCallback(int32_t code, XTCallbackProc proc) {
    xtsetupptr->registerCallback(code, proc, kPlxRegistrationFlags, kPlxRegistrationPriority, 0);
}

} // namespace

int32_t activateCallback(XTSetupRec* setup) {
    if (!setup) return static_cast<int32_t>(kPlxFailure);
    xtsetupptr = setup;

    // Without every group the plug-in works through it cannot run at all;
    // nothing after a failed binding is set up.
    xtUnbindFunctionGroups();
    if (xtBindFunctionGroups(setup) != 0) return static_cast<int32_t>(kPlxFailure);

    // The PDF module is optional: exports simply skip its setting without it.
    lookUpPdfModule(setup);

    findModulePath();
    // The host's main window owns the plug-in's dialogs; a host that shows
    // none leaves them ownerless.
    XTWindowRef mainWindow = 0;
    if (xtscreen_funchndl->getMainWindow(&mainWindow) == 0) gHostMainWindow = mainWindow;

    // Settings and log problems never fail the activation: the store then
    // holds defaults and the log drops its lines.
    gPrefs.setupWithinAppSupport(nullptr, nullptr);
    setupDump(static_cast<int16_t>(getLogging()), nullptr, nullptr);
    dprintf(kPlxLineEnd kPlxProductName ": %s" kPlxLineEnd, kPlxVersion);

    startDialogToolkit();

    registerCallback(kXTCBLanguage, languageCallback);
    registerCallback(kXTCBSettingsCheck, settingsCheckCallback);
    registerCallback(kXTCBQuit, quitCallback);

    // Menus, then the two panels.
    installMenus();

    registerExportCallbacks();

    // Not one of the product's own callbacks: a debugging aid through which
    // a host may ask for a picture of one of the plug-in's windows.
    registerCallback(kXTCBWindowRequest, windowRequestCallback);
    return 0;
}
