#include "plugin/dialogs/toolkit.h"

#include "plugin/dialogs/dialogs.h"
#include "plugin/dialogs/msgbox.h"
#include "plugin/dialogs/native_controls.h"
#include "plugin/settings/settings_store.h"
#include "plugin/support/log.h"

namespace {

// A settings file that cannot be written is told to the user; the log
// keeps the line as well, because a box is gone once it is answered.
void showSettingsMessage(const char* key, const char* path) {
    dprintf("%s %s", key, path);
    msgBox(key, path);
}

} // namespace

void startDialogToolkit() {
    registerDialogClasses();
    setSettingsMessageProc(showSettingsMessage);
}
