#include "plugin/export/export_run.h"

#include <cstdio>
#include <cstring>

#include "plugin/core/pdf_module.h"
#include "plugin/core/plexmoor.h"
#include "plugin/core/xt_groups.h"
#include "plugin/core/xt_wrappers.h"
#include "plugin/export/export_data.h"
#include "plugin/export/export_dialog.h"
#include "plugin/export/export_progress.h"
#include "plugin/export/page_selection.h"
#include "plugin/settings/prefs.h"
#include "plugin/support/log.h"
#include "plugin/support/myarray.h"
#include "plugin/support/mystrings.h"
#include "plugin/support/paths.h"
#include "plugin/support/unicode.h"
#include "xt/xtoutput.h"

namespace {

const char kSection[] = "General";
const char kOutputStyleKey[] = "OutputStyle";

void collect(ExportData* data) {
    // The last style: the settings first, else the one stored with the layout.
    getPrefs().getString(kSection, kOutputStyleKey, data->styleName, sizeof data->styleName);
    if (!data->styleName[0]) {
        int32_t length = sizeof data->styleName;
        xtGetLayoutSlugData(data->docRef, kPlxId, data->styleName, &length);
        data->styleName[sizeof data->styleName - 1] = 0;
    }
    data->numPages = xtNumPages(data->docRef);
    data->box = xtGetCurBox();
    data->curPage = xtGetCurPage(data->docRef);
    xtGetDocPath(data->docRef, data->docPath, sizeof data->docPath);
    xtGetLayoutName(data->docRef, data->layoutName, sizeof data->layoutName);
    xtGetProjectName(getProjectFromDocRef(data->docRef), data->projectName,
                     sizeof data->projectName);
    replaceExtension(data->projectName, "");
}

// The layout keeps the name in a block of 64 bytes, as it always has; only a
// longer name (the host allows 255 bytes) takes a longer block, so that
// layouts that never saw one stay as they were.
constexpr int32_t kSlugNameSize = 64;

// The chosen style is remembered in the settings and, when it changed, in
// the layout (which marks the document as changed).
void rememberStyle(const ExportData* data) {
    getPrefs().set(kSection, kOutputStyleKey, data->styleName);
    getPrefs().save();
    char stored[kStyleNameSize];
    std::memset(stored, 0, sizeof stored);
    int32_t length = sizeof stored;
    xtGetLayoutSlugData(data->docRef, kPlxId, stored, &length);
    stored[sizeof stored - 1] = 0;
    if (std::strcmp(stored, data->styleName) == 0) return;
    auto used = static_cast<int32_t>(std::strlen(data->styleName)) + 1;
    xt_setslugdata(nullptr, kSlugLayout, kPlxId, data->styleName,
                   used <= kSlugNameSize ? kSlugNameSize : used);
}

} // namespace

void doExport(unsigned char isBox) {
    int32_t docRef = xtGetCurDocRef();
    if (docRef == -1) return;
    dprintf("doExport: %d", docRef);

    ExportData* data = &sExportData;
    xtmemory_funchndl->clearMem(data, sizeof *data);
    data->docRef = docRef;
    data->mode = isBox ? 1 : 0;
    collect(data);

    if (!getExportPath(data)) return;
    rememberStyle(data);
    dprintf("doExport");

    if (data->spreads == 1) foldPagesIntoSpreads(data);
    MyArray pages(2000, sizeof(int32_t));
    dprintf("setupPgArray");
    buildPageList(*data, &pages);

    if (gPDF == 1) {
        gPDFFuncGrpHndl->getSetting(0, &data->pdfSetting);
        if (data->pdfSetting == 1) gPDFFuncGrpHndl->setSetting(0, 0);
    }
    data->exporting = 1;
    doExportWithProgressBar(data->medium == kXTMediumEPS ? "saveAsEPS" : "saveAsPDF", &pages, data);
    data->exporting = 0;
    if (gPDF == 1) gPDFFuncGrpHndl->setSetting(0, data->pdfSetting);
}
