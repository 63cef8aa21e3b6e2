// Each window of the plug-in in the state it opens with. Nothing here runs
// a dialog: the set-up a window gets when it opens is applied to the built
// window, with the settings and styles the host holds now.
#include "plugin/core/window_request.h"

#include <cstdio>
#include <memory>
#include <strings.h>

#include "plugin/core/plexmoor.h"
#include "plugin/core/xt_groups.h"
#include "plugin/core/xt_wrappers.h"
#include "plugin/dialogs/dialogs.h"
#include "plugin/dialogs/msgbox.h"
#include "plugin/dialogs/progress.h"
#include "plugin/export/export_dialog.h"
#include "plugin/settings/prefs_dialog.h"
#include "plugin/styles/style_panel.h"
#include "plugin/support/mystrings.h"
#include "xt/xtcallbacks.h"
#include "xt/xtoutput.h"
#include "xt/xtwindows.h"

namespace {

// The message a box of the plug-in shows most often.
const char kSampleMessage[] = "kNoValidPageNum";

bool named(const char* name, const char* window) {
    return strcasecmp(name, window) == 0;
}

// The export options, inside the save dialog titled with the command, as
// they open for the front layout (without one: for a layout's first page).
void showExportOptions(PlxWindow window) {
    char title[kMyStringSize];
    setWindowTitle(window, getString("exportPagesCmd", title));
    auto data = std::make_unique<ExportData>();
    data->docRef = xtGetCurDocRef();
    data->curPage = 1;
    data->numPages = 1;
    if (data->docRef != -1) {
        data->numPages = xtNumPages(data->docRef);
        data->curPage = xtGetCurPage(data->docRef);
    }
    exportPanelOpened(window, window, data.get());
    char pages[kControlTextSize] = {0};
    PlxWindow field = getControl(window, kExpPages);
    if (data->docRef == -1 && getControlText(field, pages) && !pages[0])
        setControlLiteralText(field, "1");
}

// The progress window as it shows the first page.
void showProgress(PlxWindow window) {
    showProgressWindow(window, "saveAsEPS", 1);
    char format[kMyStringSize];
    setControlTextWithFormat(getControl(window, 4), getString("kProgress", format), "1");
}

// The naming panel showing the default EPS style.
void showStylePanel(PlxWindow window) {
    OutputStyleRef shown = stylesPanelStyle();
    OutputStyleRef style = nullptr;
    xtoutputstyle_funchndl->getDefaultStyle(kXTMediumEPS, &style);
    setStylesPanelStyle(style);
    XTPanelMsgRec rec{};
    rec.message = kXTPanelInit;
    rec.panel = static_cast<XTWindowRef>(window);
    stylesPanelCallback(&rec);
    setStylesPanelStyle(shown);
}

void showMessage(PlxWindow window) {
    setWindowTitle(window, kPlxProductName);
    char text[kMsgTextSize], ok[kMyStringSize];
    getString(kSampleMessage, text);
    const char* buttons[] = {getString("ok", ok)};
    layOutMessageWindow(window, text, buttons, 1);
}

void showAsOpened(const char* name, PlxWindow window) {
    if (named(name, "Prefs") || named(name, "25053"))
        showPrefs(window);
    else if (named(name, "Progress"))
        showProgress(window);
    else if (named(name, "Export") || named(name, "25051"))
        showExportOptions(window);
    else if (named(name, "25052"))
        showStylePanel(window);
    else if (named(name, "MSGBOX"))
        showMessage(window);
    else if (named(name, "MYDIALOG"))
        // The empty frame every dialog of the plug-in is built into.
        setWindowTitle(window, kPlxProductName);
}

} // namespace

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
    showAsOpened(rec->name, window);
    rec->window = static_cast<uint32_t>(window);
    rec->result = kXTWindowBuilt;
    return 0;
}
