// The export run's pages on the dialog toolkit's progress runner: a 1 ms
// timer outputs one page per tick, the window's text names the page.
#include "plugin/export/export_progress.h"

#include <cstdio>
#include <cstring>

#include "plugin/core/xt_groups.h"
#include "plugin/core/xt_wrappers.h"
#include "plugin/dialogs/progress.h"
#include "plugin/support/log.h"
#include "plugin/support/mystrings.h"
#include "plugin/support/unicode.h"
#include "xt/xtoutput.h"

namespace {

// Output flags of each page's job.
constexpr int32_t kExportOutputFlags = 0xD81;
// The progress window's static text.
constexpr int32_t kProgressText = 4;
// Its format, looked up once per run: searching the string table for
// every page cost more than the rest of the plug-in's work on a page.
char sProgressFormat[kMyStringSize];

int32_t exportStep(PlxWindow dialog, const void* item, const void*, void* user) {
    if (!item) return 1; // the window is being set up
    auto* data = static_cast<ExportData*>(user);
    int32_t page;
    std::memcpy(&page, item, sizeof page);
    // The list holds 32-bit numbers; one outside the layout could not be
    // told to the host without turning into another page.
    if (page < 1 || page > data->numPages) return 1;
    data->curPage = static_cast<PlxPageNum>(page);
    char label[64], text[kControlFormatSize];
    xtGetPageStr(data->curPage, label, sizeof label);
    // The format is already in the user's language: the text is shown as
    // it stands, not looked up again in the string table.
    int n = std::snprintf(text, sizeof text, sProgressFormat, label);
    if (n < 0) text[0] = 0;
    if (n >= static_cast<int>(sizeof text)) trimPartialUTF8(text);
    setControlLiteralText(getControl(dialog, kProgressText), text);
    dprintf("exportPage: %d", page);
    int32_t result = xtprint_funchndl->outputLayout(data->docRef, data->medium, kExportOutputFlags);
    return result == kXTCanceled ? 0 : 1;
}

} // namespace

int16_t doExportWithProgressBar(const char* titleKey, const MyArray* pages, ExportData* data) {
    getString("kProgress", sProgressFormat);
    doProgressDialog(titleKey, exportStep, pages, data);
    return 1;
}
