// The record of one export job. The plug-in keeps exactly one, sExportData:
// the export command fills it, the export dialog edits it, and the host's
// print callbacks read it while the host writes each file.
#pragma once

#include <cstdint>

#include "plugin/styles/style_data.h"
#include "xt/xttypes.h"

// An absolute page number as the host's page group gives it.
using PlxPageNum = int16_t;

// Every page the host can name can be chosen: the set holds pages
// 1..kMaxExportPages (the largest page number), entry 0 is unused.
constexpr int kMaxExportPages = INT16_MAX;

// Output-style names are as long as the host lets them be: 255 bytes.
constexpr int kStyleNameSize = 256;

struct ExportData {
    char styleName[kStyleNameSize]; // the chosen output style
    OutputStyleRef styleRef;    // found by name whenever the choice changes
    int16_t exporting;          // 1 while the run outputs pages
    uint8_t pageFlags[kMaxExportPages + 1]; // 1 = export that absolute page
    PlxPageNum numPages;        // pages of the layout
    PlxPageNum curPage;         // the page being exported (at first: the current page)
    int16_t absolute;           // 1 = absolute page numbers, 0 = page labels
    int16_t pageOffset;         // added to absolute numbers in file names
    boxid box;                  // the selected box at the start
    int16_t mode;               // 0 pages, 1 the current box
    int32_t docRef;             // the layout being exported
    int16_t spreads;            // 1 when the style exports spreads
    PlxStyleData styleData;     // the chosen style's naming options
    fixedrect bounds;           // the output being written, in points (print space)
    char projectName[256];      // without its extension
    char layoutName[256];
    char docPath[512];          // the project file
    char exportPath[512];       // proposed path; after OK the chosen one without extension
    char jobPath[512];          // the file of the current job
    uint32_t medium;            // "XEPS", "XPDF" or "XNON"
    uint8_t pdfSetting;         // the PDF module's setting 0, saved for the run
    void* dialogWindow;         // the export dialog while it is open
};

extern ExportData sExportData;

// True while a run is outputting pages.
bool exportWorking();

// Sets one page of the set; pages outside 1..kMaxExportPages are ignored.
void setPageBit(ExportData* data, int page);
// Page 0 clears the whole set; any other page clears just that page.
void clearPageBit(ExportData* data, int page);
