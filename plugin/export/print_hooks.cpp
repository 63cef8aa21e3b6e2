#include "plugin/export/print_hooks.h"

#include <algorithm>
#include <cstdint>

#include "plugin/core/plexmoor.h"
#include "plugin/core/xt_groups.h"
#include "plugin/core/xt_wrappers.h"
#include "plugin/export/export_data.h"
#include "plugin/export/naming.h"
#include "plugin/export/ps_output.h"
#include "plugin/settings/settings_store.h"
#include "plugin/support/log.h"
#include "plugin/support/mystr.h"
#include "xt/xtcallbacks.h"
#include "xt/xtoutput.h"

namespace {

float toPoints(Fixed value) { return static_cast<float>(value) / 65536.0f; }

int spreadPageCount(int32_t docRef, int16_t spread) {
    XTHandle pages = xtGetSpreadPages(docRef, spread);
    if (!pages) return 0;
    int count = xtmemory_funchndl->getHandleSize(pages) / static_cast<int>(sizeof(int16_t));
    xtmemory_funchndl->disposeHandle(pages);
    return count;
}

// right + pages * width: a spread of a few wide pages passes what a 16.16
// value can hold (32767 points), so the edge stops at the largest one
// instead of wrapping round to a negative frame.
Fixed widened(Fixed right, int pages, Fixed width) {
    int64_t edge = static_cast<int64_t>(right) + static_cast<int64_t>(pages) * width;
    if (edge > INT32_MAX) return INT32_MAX;
    if (edge < INT32_MIN) return INT32_MIN;
    return static_cast<Fixed>(edge);
}

void setOutputRectangle(ExportData* data) {
    if (data->medium == kXTMediumEPS && data->mode == 1) {
        xtbox_funchndl->getBoxBounds(data->box, &data->bounds);
        XTShapeRef shape = nullptr;
        xtshape_funchndl->shapeFromRect(&data->bounds, &shape);
        if (shape) {
            xtprint_funchndl->setJobOutputArea(shape, 1);
            xtshape_funchndl->disposeShape(shape);
        }
        return;
    }
    Fixed width = 0, height = 0;
    xtdocmeasure_funchndl->getPageWidth(data->docRef, &width);
    xtdocmeasure_funchndl->getPageHeight(data->docRef, &height);
    data->bounds = fixedrect{0, 0, height, width};
    XTPageNumData page = xtGetPageNumData(data->docRef, data->curPage, 0);
    xtPageRectToSpread(data->docRef, page, &data->bounds);
    xtfixedrect_funchndl->offsetRect(&data->bounds, 65536, 65536);
    if (data->spreads == 1) {
        int count = spreadPageCount(data->docRef, page.spreadNum);
        if (count > 0) data->bounds.right = widened(data->bounds.right, count - 1, width);
    }
}

void setPageRange(const ExportData& data) {
    int16_t first = data.curPage, last = first;
    if (data.spreads == 1) {
        XTPageNumData page = xtGetPageNumData(data.docRef, data.curPage, 0);
        int count = spreadPageCount(data.docRef, page.spreadNum);
        if (count > 0) last = static_cast<int16_t>(std::min(first + count - 1, INT16_MAX));
    }
    xtprint_funchndl->setJobPageRange(0, 0, first, last);
}

void applyOutputStyle(const ExportData& data) {
    dprintf("applyOutputStyle: %s", data.styleName);
    XTOutputStyleContextRef context = nullptr;
    xtoutputstyle_funchndl->getCurrentContext(&context);
    MyStr name(data.styleName);
    OutputStyleRef style = nullptr;
    int32_t err = name.qxStr() ? xtoutputstyle_funchndl->findStyleByName(context, name.qxStr(), &style)
                               : kXTParamErr;
    if (err != 0 || !style) {
        if (err == 0) err = kXTNotFoundErr;
        dprintf("findStyle: err = %d", err);
        xterror_funchndl->reportError(static_cast<int16_t>(err));
        return;
    }
    err = xtoutputstyle_funchndl->applyStyle(context, style);
    if (err != 0) {
        dprintf("applyStyle: err = %d", err);
        xterror_funchndl->reportError(static_cast<int16_t>(err));
    }
}

void registerCallback(int32_t code, XTCallbackProc proc) {
    xtsetupptr->registerCallback(code, proc, kPlxRegistrationFlags, kPlxRegistrationPriority, 0);
}

} // namespace

void registerExportCallbacks() {
    registerCallback(kXTCBJobInfo, doJobInfo);
    registerCallback(kXTCBPSComments, psCommentsCallback);
    registerCallback(kXTCBPSPage, psPageCallback);
}

int32_t doJobInfo(void*) {
    if (!exportWorking()) return 0;
    ExportData* data = &sExportData;
    setOutputRectangle(data);
    setPageRange(*data);
    applyOutputStyle(*data);
    if (composeJobPath(data)) {
        XFile file(data->jobPath);
        if (file.fileInfo) xtprint_funchndl->setJobOutputFile(file.fileInfo);
    }
    return 0;
}

int32_t psCommentsCallback(void* cbRecord) {
    auto* rec = static_cast<XTPSCommentsRec*>(cbRecord);
    if (rec && rec->selector == 1) {
        XTPrintSetupRec setup;
        xtmemory_funchndl->clearMem(&setup, sizeof setup);
        xtprint_funchndl->getPrintSetup(&setup, sizeof setup);
        if (gPrefs.getInt32("General", "AddBlack", 0) == 1 && (setup.flags & 1))
            psPrintf("%%%%DocumentProcessColors: Black" kPlxLineEnd);
    }
    if (exportWorking()) psPrintf("%%%%%s: %s" kPlxLineEnd, kPlxProductName, kPlxVersion);
    return 0;
}

int32_t psPageCallback(void*) {
    if (!exportWorking()) return 0;
    ExportData* data = &sExportData;
    if (data->medium == kXTMediumPDF && data->mode == 1) {
        xtbox_funchndl->getBoxBounds(data->box, &data->bounds);
        psPrintf(kPlxLineEnd "\t\t%%%%\t%s CropBox" kPlxLineEnd kPlxLineEnd, kPlxProductName);
        const fixedrect& b = data->bounds;
        psPrintf("10 dict begin" kPlxLineEnd
                 "\t/m matrix currentmatrix matrix defaultmatrix matrix invertmatrix matrix "
                 "concatmatrix def" kPlxLineEnd
                 "\t%s %s m transform /y1 exch def /x1 exch def" kPlxLineEnd
                 "\t%s %s m transform /y2 exch def /x2 exch def" kPlxLineEnd
                 "\t/pdfmark where {pop [{ThisPage} <</CropBox [x1 y1 x2 y2]>> /PUT pdfmark} "
                 "if" kPlxLineEnd,
                 psNumber(toPoints(b.left), 3).text, psNumber(toPoints(b.bottom), 3).text,
                 psNumber(toPoints(b.right), 3).text, psNumber(toPoints(b.top), 3).text);
        psPrintf("end" kPlxLineEnd kPlxLineEnd);
    }
    if (data->styleData.pageMargins == 1) {
        const fixedrect& b = data->bounds;
        float x = toPoints(b.left) - 0.125f, y = toPoints(b.top) - 0.125f;
        float w = toPoints(b.right) + 0.125f - x, h = toPoints(b.bottom) + 0.125f - y;
        psPrintf("\tgsave 0 setgray %s setlinewidth %s %s %s %s rectstroke grestore" kPlxLineEnd
                     kPlxLineEnd,
                 psNumber(0.25, 6).text, psNumber(x, 3).text, psNumber(y, 3).text,
                 psNumber(w, 3).text, psNumber(h, 3).text);
    }
    return 0;
}
