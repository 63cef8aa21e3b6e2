#include <cstring>

#include "plugin/core/xt_groups.h"
#include "plugin/core/xt_wrappers.h"
#include "plugin/support/bounded.h"
#include "plugin/support/mystr.h"

namespace {
int32_t resolveDocRef(int32_t docRef) { return docRef == -1 ? xtGetCurDocRef() : docRef; }
} // namespace

int16_t xtNumPages(int32_t docRef) { return xtpage_funchndl->numPages(resolveDocRef(docRef)); }

int16_t xtGetCurPage(int32_t docRef) {
    int16_t page = 0;
    DocViewRef view = xtGetDocView(docRef);
    if (view) xtdoc_funchndl->getCurPage(view, &page);
    return page;
}

int16_t xtGetPageNum(const char* label) {
    int16_t page = 0;
    if (!label) return page;
    MyStr s(label);
    QXStringRef text = s.qxStr();
    if (text) xtpage_funchndl->pageNumForLabel(text, &page);
    return page;
}

void xtGetPageStr(int16_t page, char* buffer, int16_t capacity) {
    if (!buffer || capacity <= 0) return;
    buffer[0] = 0;
    // The host numbers the master pages before the layout's own pages.
    int32_t internal = page + xtmaster_funchndl->numMasterPages(xtGetCurDocRef());
    if (internal < 1 || internal > INT16_MAX) return;
    QXStringRef label = nullptr;
    if (xtpage_funchndl->labelForPage(static_cast<int16_t>(internal), &label) != 0) return;
    // A label longer than the buffer is cut at a character boundary: a
    // shortened label still tells the page apart, an empty one does not.
    MyStr s(label, true);
    copyText(buffer, static_cast<size_t>(capacity), s.UTF8Str());
}

XTPageNumData xtGetPageNumData(int32_t docRef, int16_t page, int16_t flag) {
    XTPageNumData data;
    xtmemory_funchndl->clearMem(&data, sizeof data);
    DocViewRef view = xtGetDocView(docRef);
    if (view) xtpage_funchndl->getPageNumData(view, page, flag, &data);
    return data;
}

XTHandle xtGetSpreadPages(int32_t docRef, int16_t spread) {
    return xtspread_funchndl->pagesOfSpread(resolveDocRef(docRef), spread);
}

int32_t xtPageRectToSpread(int32_t docRef, const XTPageNumData& page, fixedrect* rect) {
    return xtspread_funchndl->pageRectToSpread(resolveDocRef(docRef), &page, rect);
}
