// Page, master-page and spread groups.
#include <algorithm>
#include <climits>
#include <cmath>
#include <cstring>

#include "host/groups.h"
#include "host/host.h"
#include "host/host_objects.h"

namespace plxhost {

namespace {

Documents& docs() { return Host::current()->documents(); }

Fixed toFixed(double points) { return static_cast<Fixed>(std::lround(points * kFixedOne)); }

int16_t numPages(int32_t docRef) {
    Layout* l = docs().layout(docRef);
    return l ? static_cast<int16_t>(l->numPages) : 0;
}

int32_t pageNumForLabel(QXStringRef label, int16_t* page) {
    Layout* l = docs().front();
    if (!l || !label || !page) return kXTParamErr;
    std::string text = hostStringUtf8(label);
    for (int p = 1; p <= l->numPages; ++p) {
        if (pageLabel(*l, p) == text) {
            *page = static_cast<int16_t>(p);
            return 0;
        }
    }
    return kXTNotFoundErr;
}

int32_t labelForPage(int16_t internalPage, QXStringRef* label) {
    if (!label) return kXTParamErr;
    *label = nullptr;
    Layout* l = docs().front();
    if (!l) return kXTParamErr;
    int masters = static_cast<int>(l->masters.size());
    if (internalPage >= 1 && internalPage <= masters) {
        *label = newHostStringUtf8(l->masters[static_cast<size_t>(internalPage - 1)]);
        return 0;
    }
    int page = internalPage - masters;
    if (page < 1 || page > l->numPages) return kXTParamErr;
    *label = newHostStringUtf8(pageLabel(*l, page));
    return 0;
}

int32_t getPageNumData(DocViewRef view, int16_t page, int16_t, XTPageNumData* out) {
    Layout* l = docs().findView(view);
    int spread = 0, place = 0;
    if (!l || !out || !spreadOfPage(*l, page, &spread, &place)) return kXTParamErr;
    *out = XTPageNumData{};
    out->spreadNum = static_cast<int16_t>(spread);
    out->pageInSpread = static_cast<int16_t>(place);
    out->absPage = page;
    return 0;
}

int16_t numMasterPages(int32_t docRef) {
    Layout* l = docs().layout(docRef);
    return l ? static_cast<int16_t>(l->masters.size()) : 0;
}

XTHandle pagesOfSpread(int32_t docRef, int16_t spreadNum) {
    Layout* l = docs().layout(docRef);
    if (!l || spreadNum < 1 || static_cast<size_t>(spreadNum) > l->spreads.size()) return nullptr;
    PageSpan pages = l->spreads[static_cast<size_t>(spreadNum - 1)];
    XTHandle h = newHandle(static_cast<int32_t>(pages.size() * sizeof(int16_t)));
    if (!h) return nullptr;
    for (size_t i = 0; i < pages.size(); ++i) {
        int16_t p = static_cast<int16_t>(pages[i]);
        std::memcpy(&h->bytes[i * sizeof(int16_t)], &p, sizeof p);
    }
    return h;
}

int32_t pageRectToSpread(int32_t docRef, const XTPageNumData* page, fixedrect* rect) {
    Layout* l = docs().layout(docRef);
    if (!l || !page || !rect || page->spreadNum < 1 ||
        static_cast<size_t>(page->spreadNum) > l->spreads.size())
        return kXTParamErr;
    // Pages of a spread sit side by side; a page's left edge lies right of
    // the spread's origin by the widths of the pages left of it.
    PageSpan spread = l->spreads[static_cast<size_t>(page->spreadNum - 1)];
    double left = 0;
    for (int k = 0; k < page->pageInSpread && static_cast<size_t>(k) < spread.size(); ++k)
        left += pageWidthOf(*l, spread[static_cast<size_t>(k)]);
    if (page->pageInSpread > static_cast<int>(spread.size()))
        left += l->pageWidth * (page->pageInSpread - static_cast<int>(spread.size()));
    // Pages of the largest size side by side soon pass what a Fixed holds
    // (32767 points): such a rectangle has no place in the spread's
    // coordinates, and a wrapped one would lie elsewhere.
    double newLeft = rect->left + left * kFixedOne;
    double newRight = rect->right + left * kFixedOne;
    if (std::max(newLeft, newRight) > INT32_MAX || std::min(newLeft, newRight) < INT32_MIN)
        return kXTParamErr;
    Fixed dx = toFixed(left);
    rect->left += dx;
    rect->right += dx;
    return 0;
}

// A layout has at most 9999 pages (project_file.cpp), so no more spreads:
// the count always fits.
int16_t numSpreads(int32_t docRef) {
    Layout* l = docs().layout(docRef);
    return l ? static_cast<int16_t>(l->spreads.size()) : 0;
}

} // namespace

const XTPageFuncs kPageGroup = {
    sizeof(XTPageFuncs), numPages, pageNumForLabel, labelForPage, getPageNumData,
};

const XTMasterFuncs kMasterGroup = {sizeof(XTMasterFuncs), numMasterPages};

const XTSpreadFuncs kSpreadGroup = {sizeof(XTSpreadFuncs), pagesOfSpread, pageRectToSpread,
                                    numSpreads};

} // namespace plxhost
