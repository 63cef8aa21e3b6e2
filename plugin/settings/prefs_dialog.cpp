#include "plugin/settings/prefs_dialog.h"

#include "plugin/settings/prefs.h"

namespace {

uint8_t okClicked(PlxWindow, PlxWindow dialog, void*) {
    storeShownPrefs(dialog);
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

void storeShownPrefs(PlxWindow window) {
    // The folder stays as it is either way: turning "LastFolder" off only
    // stops it being read, and on again finds it still there.
    setUseLastFolder(getControlValue(window, kPrefsLastFolder) ? 1 : 0, nullptr);
    setLogging(getControlValue(window, kPrefsLogging) ? 1 : 0);
    setAddAlways(getControlValue(window, kPrefsAddAlways) ? 1 : 0);
    savePrefs();
}

int32_t doPrefsDlg() {
    return doModalDialog("Prefs", setupPrefs, nullptr);
}
