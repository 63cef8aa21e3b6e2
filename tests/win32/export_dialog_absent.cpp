// The export dialog's platform layer, absent from this program: the host's
// windows are checked here, not the export, and the Win32 save dialog is
// not part of the toolkit this program links. An export chosen here would
// be cancelled as by the user.
#include "plugin/export/export_dialog.h"

bool getExportPath2(ExportData*) {
    return false;
}

void setSaveDialogFileName(PlxWindow, const char*) {}
