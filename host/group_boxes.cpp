// Box, text-box, error and PDF groups.
#include <cmath>
#include <cstring>
#include <memory>

#include "host/groups.h"
#include "host/host.h"
#include "host/host_objects.h"
#include "host/job_plan.h"

namespace plxhost {

namespace {

Host& host() { return *Host::current(); }
Documents& docs() { return host().documents(); }

boxid getCurBox() { return reinterpret_cast<boxid>(docs().currentBox()); }

int32_t getBoxDocRef(boxid box, int32_t* docRef) {
    if (!docRef) return kXTParamErr;
    Layout* l = nullptr;
    Box* b = docs().findBox(box, &l);
    *docRef = b ? l->docRef : -1;
    return b ? 0 : kXTParamErr;
}

int32_t getBoxBounds(boxid box, fixedrect* bounds) {
    Layout* l = nullptr;
    Box* b = docs().findBox(box, &l);
    if (!b || !bounds) return kXTParamErr;
    int spread = 0, place = 0;
    spreadOfPage(*l, b->page, &spread, &place);
    // Print space: the spread's coordinates with the origin one point above
    // and left of its top-left corner.
    double dx = fixedPoints(pagePrintRect(*l, b->page).left);
    auto fx = [](double v) { return static_cast<Fixed>(std::lround(v * kFixedOne)); };
    bounds->top = fx(b->y + 1);
    bounds->left = fx(b->x + dx);
    bounds->bottom = fx(b->y + 1 + b->height);
    bounds->right = fx(b->x + dx + b->width);
    return 0;
}

XTSlugHolderRef boxSlugHolder(boxid box) {
    Layout* l = nullptr;
    Box* b = docs().findBox(box, &l);
    return b ? &l->boxSlugs[b].own : nullptr;
}

XTSlugHolderRef layoutSlugHolder(int32_t docRef) {
    Layout* l = docs().layout(docRef);
    return l ? &l->slugs : nullptr;
}

int32_t setSlugData(XTSlugHolderRef holder, uint32_t tag, XTHandle data) {
    if (!docs().isSlugHolder(holder) || !data) return kXTParamErr;
    holder->data[tag] = data->bytes;
    return 0;
}

int32_t getSlugData(XTSlugHolderRef holder, uint32_t tag, void* buffer, int32_t* length) {
    if (!docs().isSlugHolder(holder) || !buffer || !length || *length < 0) return kXTParamErr;
    auto it = holder->data.find(tag);
    if (it == holder->data.end()) return kXTNotFoundErr;
    size_t n = std::min(static_cast<size_t>(*length), it->second.size());
    std::memcpy(buffer, it->second.data(), n);
    *length = static_cast<int32_t>(n);
    return 0;
}

XTSlugHolderRef textSlugHolder(boxid box) {
    Layout* l = nullptr;
    Box* b = docs().findBox(box, &l);
    return b ? &l->boxSlugs[b].text : nullptr;
}

void reportError(int16_t code) { host().reportError(code); }

int32_t getPdfSetting(int32_t which, uint8_t* value) {
    if (!value || which < 0 || which >= 4) return kXTParamErr;
    *value = host().pdfSetting(which);
    return 0;
}

int32_t setPdfSetting(int32_t which, uint8_t value) {
    return host().setPdfSetting(which, value) ? 0 : kXTParamErr;
}

} // namespace

const XTBoxFuncs kBoxGroup = {
    sizeof(XTBoxFuncs), getCurBox,   getBoxDocRef, getBoxBounds, boxSlugHolder,
    layoutSlugHolder,   setSlugData, getSlugData,
};

const XTTextBoxFuncs kTextBoxGroup = {sizeof(XTTextBoxFuncs), textSlugHolder};

const XTErrorFuncs kErrorGroup = {sizeof(XTErrorFuncs), reportError};

const XTPdfFuncs kPdfGroup = {sizeof(XTPdfFuncs), getPdfSetting, setPdfSetting};

} // namespace plxhost
