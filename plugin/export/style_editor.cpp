#include "plugin/core/xt_groups.h"
#include "plugin/dialogs/dialogs.h"
#include "plugin/export/export_dialog.h"
#include "xt/xtrequest.h"

// The host opens its output-style editor modally; when it cannot (its
// editor is open already), the person hears the alert sound.
void openOutputStyleEditor() {
    if (xthostrequest_funchndl->sendHostRequest(kXTRequestEditOutputStyles, nullptr) != 0) beep();
}
