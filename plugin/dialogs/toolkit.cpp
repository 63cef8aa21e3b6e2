#include "plugin/dialogs/toolkit.h"

#include "plugin/core/plexmoor.h"
#include "plugin/dialogs/dialogs.h"
#include "plugin/dialogs/msgbox.h"
#include "plugin/dialogs/native_controls.h"
#include "plugin/settings/settings_store.h"
#include "plugin/support/log.h"
#include "xt/xtwindows.h"

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

int32_t windowRequestCallback(void* cbRecord) {
    auto* rec = static_cast<XTWindowRequestRec*>(cbRecord);
    if (!rec || rec->xtId != kPlxId) return 0;
    rec->window = 0;
    rec->result = kXTWindowUnknown;
    if (!rec->name) return 0;
    bool described = false;
    PlxWindow window = createDialogWindow(rec->name, nullptr, &described);
    if (!described) {
        // Without a description the window would only be the empty dialog
        // titled with the name: nothing of the plug-in's to look at.
        destroyDialogWindow(window);
        return 0;
    }
    rec->window = static_cast<uint32_t>(window);
    rec->result = kXTWindowBuilt;
    return 0;
}
