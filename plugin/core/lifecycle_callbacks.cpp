#include "plugin/core/lifecycle.h"
#include "plugin/core/menu_install.h"
#include "plugin/settings/prefs.h"
#include "plugin/support/mystrings.h"
#include "xt/xtcallbacks.h"

int32_t languageCallback(void* cbRecord) {
    if (!cbRecord) return 0;
    gLanguage = languageFromHost(static_cast<XTLanguageRec*>(cbRecord)->language);
    setupMyStrings();
    return 0;
}

// The file may have been changed by hand or by another running host.
int32_t settingsCheckCallback(void*) {
    reloadPrefs();
    return 0;
}

int32_t quitCallback(void*) {
    // Nothing is saved at quit. The macOS controller is released; the
    // string table goes before the host unloads the module.
    removeMenus();
    releaseMyStrings();
    return 0;
}
