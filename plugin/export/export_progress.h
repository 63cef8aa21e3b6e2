// The pages of one export run, output one after the other while a progress
// window advances and can be cancelled between pages. The Windows scheme
// runs the toolkit's progress runner (export_progress.cpp); the macOS
// build a modal session of its own (PlxProgressController).
#pragma once

#include <cstdint>

#include "plugin/export/export_data.h"

class MyArray;

// Runs the list of absolute page numbers (int32_t elements) for the record:
// the window is titled with the localized titleKey; for each page the
// record's curPage is set and the host outputs the layout with the
// record's medium. A host result of kXTCanceled or the Cancel button ends
// the run after the page under way. Returns 1.
int16_t doExportWithProgressBar(const char* titleKey, const MyArray* pages, ExportData* data);
