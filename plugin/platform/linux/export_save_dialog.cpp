// The export dialog on the headless window system: its save dialog, with
// the export panel built from template 25051 into the dialog's panel.
#include <string>

#include "plugin/dialogs/dialog_builder.h"
#include "plugin/export/export_dialog.h"
#include "plugin/platform/linux/dlg_linux.h"
#include "plugin/support/mystrings.h"


namespace {

// 281 x 107 dialog units, the template's size.
constexpr int kPanelWidth = 422;
constexpr int kPanelHeight = 174;

bool exportHook(const ui::SaveEvent& event, void* user) {
    auto* data = static_cast<ExportData*>(user);
    PlxWindow dialog = event.dialog, panel = event.panel;
    switch (event.kind) {
    case ui::SaveEventKind::Init:
        buildWindowFromDescription(panel, "25051");
        exportPanelOpened(dialog, panel, data);
        return false;
    case ui::SaveEventKind::Command:
        exportPanelCommand(dialog, panel, event.id, data);
        return false;
    case ui::SaveEventKind::FileOk:
        return !exportPanelConfirmed(panel, data);
    }
    return false;
}

} // namespace

bool getExportPath2(ExportData* data) {
    char title[kMyStringSize];
    getString(data->mode == 1 ? "exportBoxCmd" : "exportPagesCmd", title);
    ui::SaveDialogOptions options;
    options.title = title;
    options.initialPath = data->exportPath;
    options.confirmOverwrite = false;
    options.owner = uiHandle(gHostMainWindow);
    options.panelSize = ui::Size{kPanelWidth, kPanelHeight};
    options.hook = exportHook;
    options.hookUser = data;
    std::string chosen;
    data->dialogWindow = nullptr;
    if (ui::runSaveDialog(options, &chosen) != 1) return false;
    exportDialogAccepted(chosen.c_str(), data);
    return true;
}

void setSaveDialogFileName(PlxWindow dialog, const char* name) {
    ui::saveDialogSetFileName(uiHandle(dialog), name ? name : "");
}
