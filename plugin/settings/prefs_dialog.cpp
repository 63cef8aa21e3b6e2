#include "plugin/settings/prefs_dialog.h"

#include "plugin/settings/prefs.h"

namespace {

uint8_t okClicked(PlxWindow, PlxWindow dialog, void*) {
    storeShownPrefs(dialog, PrefsSurface::Dialog);
    quitModalDialog(dialog, 1);
    return 1;
}

void setupPrefs(PlxWindow dialog, void*) {
    showPrefs(dialog);
    setControlHandler(dialog, 1, okClicked, nullptr);
}

} // namespace

void showPrefs(PlxWindow window) {
    setControlValue(window, kPrefsLastFolder, getUseLastFolder(nullptr) ? 1 : 0);
    setControlValue(window, kPrefsLogging, getLogging() ? 1 : 0);
    setControlValue(window, kPrefsAddAlways, getAddAlways() ? 1 : 0);
}

void storeShownPrefs(PlxWindow window, PrefsSurface surface) {
    // The folder stays as it is either way: turning "LastFolder" off only
    // stops it being read, and on again finds it still there.
    int32_t lastFolder = getControlValue(window, kPrefsLastFolder) ? 1 : 0;
    int32_t logging = getControlValue(window, kPrefsLogging) ? 1 : 0;
    if (surface == PrefsSurface::Panel) {
        setLogging(logging);
        setUseLastFolder(lastFolder, nullptr);
    } else {
        setUseLastFolder(lastFolder, nullptr);
        setLogging(logging);
    }
    setAddAlways(getControlValue(window, kPrefsAddAlways) ? 1 : 0);
    savePrefs();
}

int32_t doPrefsDlg() {
    return doModalDialog("Prefs", setupPrefs, nullptr);
}
