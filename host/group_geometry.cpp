// Document-measure, shape and fixed-rectangle groups.
#include <cmath>
#include <cstdint>

#include "host/groups.h"
#include "host/host.h"
#include "host/shapes.h"

namespace plxhost {

namespace {

Layout* layoutOf(int32_t docRef) {
    Documents& docs = Host::current()->documents();
    return docRef == -1 ? docs.front() : docs.layout(docRef);
}

Fixed toFixed(double points) { return static_cast<Fixed>(std::lround(points * kFixedOne)); }

int32_t getPageWidth(int32_t docRef, Fixed* width) {
    Layout* l = layoutOf(docRef);
    if (!l || !width) return kXTParamErr;
    *width = toFixed(pageWidthOf(*l, l->currentPage));
    return 0;
}

int32_t getPageHeight(int32_t docRef, Fixed* height) {
    Layout* l = layoutOf(docRef);
    if (!l || !height) return kXTParamErr;
    *height = toFixed(pageHeightOf(*l, l->currentPage));
    return 0;
}

int32_t shapeFromRect(const fixedrect* rect, XTShapeRef* shape) {
    if (!shape) return kXTParamErr;
    *shape = nullptr;
    if (!rect || rect->right < rect->left || rect->bottom < rect->top) return kXTParamErr;
    *shape = newShape(*rect);
    return 0;
}

// Moved coordinates stop at the ends of the Fixed range instead of
// wrapping round to the other side of the page.
Fixed moved(Fixed v, Fixed by) {
    int64_t r = static_cast<int64_t>(v) + by;
    if (r > INT32_MAX) return INT32_MAX;
    if (r < INT32_MIN) return INT32_MIN;
    return static_cast<Fixed>(r);
}

void offsetRect(fixedrect* rect, Fixed dh, Fixed dv) {
    if (!rect) return;
    rect->left = moved(rect->left, dh);
    rect->right = moved(rect->right, dh);
    rect->top = moved(rect->top, dv);
    rect->bottom = moved(rect->bottom, dv);
}

} // namespace

const XTDocMeasureFuncs kDocMeasureGroup = {sizeof(XTDocMeasureFuncs), getPageWidth,
                                            getPageHeight};

const XTShapeFuncs kShapeGroup = {sizeof(XTShapeFuncs), shapeFromRect, disposeShape};

const XTFixedRectFuncs kFixedRectGroup = {sizeof(XTFixedRectFuncs), offsetRect};

} // namespace plxhost
