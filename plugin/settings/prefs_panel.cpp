// The preferences panel in the host's preferences window, built from
// template 25053 and run by the host's panel messages.
#include "plugin/core/panel_support.h"
#include "plugin/settings/prefs.h"
#include "plugin/settings/prefs_dialog.h"
#include "xt/xtpanels.h"

int32_t prefsPanelCallback(void* cbRecord) {
    auto* rec = static_cast<XTPanelMsgRec*>(cbRecord);
    if (!rec) return 0;
    auto panel = static_cast<PlxWindow>(rec->panel);
    switch (rec->message) {
    case kXTPanelTemplateRequest:
        answerPanelTemplate(rec, kPrefsPanelTemplate);
        break;
    case kXTPanelDeclareControls: {
        if (!buildPanelTemplate(rec, kPrefsPanelTemplate)) break;
        const int32_t boxes[] = {kPrefsLastFolder, kPrefsLogging, kPrefsAddAlways};
        declarePanelControls(rec, boxes, 3, kXTControlCheckBox);
        rec->result = 1;
        break;
    }
    case kXTPanelInit:
        showPrefs(panel);
        rec->result = 1;
        break;
    case kXTPanelNotify:
        // The window is opening: the file may have changed since the
        // plug-in last read it.
        if (rec->state == kXTPanelStateOpening) {
            reloadPrefs();
            rec->result = 1;
        }
        break;
    case kXTPanelSave:
        storeShownPrefs(panel, PrefsSurface::Panel);
        rec->result = 1;
        break;
    default:
        break;
    }
    return 0;
}
