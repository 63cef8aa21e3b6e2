// The names of the files an export writes: the path proposed to the export
// dialog, what becomes of the chosen path, and each job's file path from
// that path, the page number or label and the style's naming options.
#pragma once

#include "plugin/export/export_data.h"

// Writes the proposed exportPath: the last folder (when "LastFolder" is on
// and one is stored) or the project's folder, then the base name, without
// a suffix.
void setupExportPath(ExportData* data);
// When "LastFolder" is on, stores the path's folder as "FolderPath" and
// saves the settings.
void saveLastFolder(const char* path);
// After the dialog's OK: remembers the folder, then cuts the extension from
// the chosen exportPath.
void finishExportPath(ExportData* data);
// Builds jobPath for the current page. False, with jobPath empty, when the
// composed path would not fit its buffer (the job then gets no file rather
// than one of a wrong name).
bool composeJobPath(ExportData* data);
