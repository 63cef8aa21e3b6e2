#include "plugin/export/page_selection.h"

#include <cctype>
#include <cstdio>
#include <cstring>

#include "plugin/core/xt_groups.h"
#include "plugin/core/xt_wrappers.h"
#include "plugin/styles/xml_nodes.h"
#include "plugin/support/bounded.h"
#include "plugin/support/myarray.h"
#include "xt/xtoutput.h"

namespace {

// The decimal value at the start of a text: blanks skipped, reading stops
// at the first non-digit, no digits give 0. Large values are held at a
// value no layout reaches rather than overflowing.
int readPageNumber(const char* text) {
    while (*text == ' ' || *text == '\t') ++text;
    long value = 0;
    while (*text >= '0' && *text <= '9') {
        value = value * 10 + (*text - '0');
        if (value > 1000000) value = 1000000;
        ++text;
    }
    return static_cast<int>(value);
}

int pageCountOf(XTHandle pages) {
    return pages ? xtmemory_funchndl->getHandleSize(pages) / static_cast<int>(sizeof(int16_t)) : 0;
}

int16_t pageAt(XTHandle pages, int index) {
    int16_t page;
    std::memcpy(&page,
                static_cast<const char*>(xtmemory_funchndl->handleData(pages)) + index * sizeof page,
                sizeof page);
    return page;
}

} // namespace

int16_t getPageRange1(char* text, ExportData* data) {
    clearPageBit(data, 0);
    if (!text || !*text) return 0;
    char* pos = text;
    for (;;) {
        char* item = pos;
        char* comma = std::strchr(item, ',');
        if (comma) *comma = 0;
        char* hyphen = std::strchr(item, '-');
        int first, last;
        if (data->absolute == 1) {
            first = readPageNumber(item);
            last = hyphen ? readPageNumber(hyphen + 1) : first;
        } else if (hyphen) {
            *hyphen = 0;
            first = xtGetPageNum(item);
            last = xtGetPageNum(hyphen + 1);
        } else {
            first = last = xtGetPageNum(item);
        }
        if (first <= 0 || last <= 0) return -1;
        if (last > data->numPages) last = data->numPages;
        if (first > data->numPages || last < first) return -1;
        if (last > kMaxExportPages) return -1; // pages past the set cannot be chosen
        for (int p = first; p <= last; ++p) setPageBit(data, p);
        if (!comma) break;
        pos = comma + 1;
        if (!*pos) break;
    }
    return 0;
}

void initialPageText(const ExportData& data, char* dst, size_t capacity) {
    if (!dst || capacity == 0) return;
    if (data.absolute == 1) {
        std::snprintf(dst, capacity, "%d", data.curPage);
        return;
    }
    char label[32];
    xtGetPageStr(data.curPage, label, sizeof label);
    copyText(dst, capacity, label);
}

void allPagesText(const ExportData& data, bool absolute, char* dst, size_t capacity) {
    if (!dst || capacity == 0) return;
    if (absolute) {
        std::snprintf(dst, capacity, "%d-%d", 1, data.numPages);
        return;
    }
    char first[256], last[256];
    xtGetPageStr(1, first, sizeof first);
    xtGetPageStr(data.numPages, last, sizeof last);
    std::snprintf(dst, capacity, "%s-%s", first, last);
}

bool spreadsForStyle(OutputStyleRef style, uint32_t medium) {
    uint32_t key;
    if (medium == kXTMediumPDF) key = kXTStyleKeyPDF;
    else if (medium == kXTMediumEPS) key = kXTStyleKeyEPS;
    else return false;
    XTXMLTreeRef tree = nullptr;
    if (!style || xtoutputstyle_funchndl->getStyleData(style, key, &tree) != 0 || !tree) return false;
    XTXMLNodeRef root = xtxmlnode_funchndl->rootNode(tree);
    XTXMLNodeRef node = medium == kXTMediumPDF ? childNode(root, "PageOptions")
                                               : childNode(childNode(root, "EPS"), "General");
    bool spreads =
        node && getNodeAttr(node, medium == kXTMediumPDF ? "Spreads" : "Spread", 0) == 1;
    xtxmlnode_funchndl->disposeTree(tree);
    return spreads;
}

void foldPagesIntoSpreads(ExportData* data) {
    int last = data->numPages < kMaxExportPages ? data->numPages : kMaxExportPages;
    for (int i = 1; i <= last; ++i) {
        if (data->pageFlags[i] != 1) continue;
        XTPageNumData page = xtGetPageNumData(data->docRef, static_cast<int16_t>(i), 0);
        XTHandle pages = xtGetSpreadPages(data->docRef, page.spreadNum);
        int count = pageCountOf(pages);
        if (count >= 2) {
            for (int k = 0; k < count; ++k) {
                int p = pageAt(pages, k);
                if (k == 0) setPageBit(data, p);
                else if (p >= 1) clearPageBit(data, p); // 0 would clear the whole set
            }
        }
        xtmemory_funchndl->disposeHandle(pages);
    }
}

void buildPageList(const ExportData& data, MyArray* list) {
    int last = data.numPages < kMaxExportPages ? data.numPages : kMaxExportPages;
    // Ascending, so each page is new to the list.
    for (int32_t p = 1; p <= last; ++p)
        if (data.pageFlags[p] == 1) list->appendElem(&p);
}
