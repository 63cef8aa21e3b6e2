// The export dialog: the platform's save dialog with the export panel
// (template 25051). The file part chooses the folder and the name every
// output file is built from; the panel chooses pages, numbering, base
// name, page frame and output style. The dialog edits the record in place.
#pragma once

#include "plugin/dialogs/dialogs.h"
#include "plugin/export/export_data.h"

// Ids of the panel's controls.
enum {
    kExpPages = 3,
    kExpAll = 4,
    kExpAbsolute = 5,
    kExpOffset = 6,
    kExpBaseName = 7,
    kExpPageMargins = 8,
    kExpStyles = 9,
    kExpEditStyle = 10
};

// Proposes a path, runs the dialog and, on OK, remembers the folder and
// cuts the extension from the chosen path. True when the user confirmed.
bool getExportPath(ExportData* data);
// Runs the dialog (platform layer). True on OK, with exportPath holding the
// chosen path when it fits.
bool getExportPath2(ExportData* data);

// The panel's behaviour, called by the platform layer with the save
// dialog and its panel:
// the panel is built and about to be shown;
void exportPanelOpened(PlxWindow dialog, PlxWindow panel, ExportData* data);
// a control of the panel notified;
void exportPanelCommand(PlxWindow dialog, PlxWindow panel, int32_t id, ExportData* data);
// OK was pressed: false keeps the dialog open (an invalid page range);
bool exportPanelConfirmed(PlxWindow panel, ExportData* data);
// the dialog closed with OK on this path.
void exportDialogAccepted(const char* path, ExportData* data);

// Sets the save dialog's file-name field (platform layer).
void setSaveDialogFileName(PlxWindow dialog, const char* name);
// Asks the host to open its output-style editor and returns when it closes.
void openOutputStyleEditor();
