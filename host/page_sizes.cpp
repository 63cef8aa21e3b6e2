#include "host/project.h"

namespace plxhost {

namespace {

bool inRange(const Layout& layout, int page, size_t count) {
    return page >= 1 && static_cast<size_t>(page) <= count && page <= layout.numPages;
}

} // namespace

double pageWidthOf(const Layout& layout, int page) {
    if (!inRange(layout, page, layout.pageSizes.size())) return layout.pageWidth;
    return layout.pageSizes[static_cast<size_t>(page - 1)].first;
}

double pageHeightOf(const Layout& layout, int page) {
    if (!inRange(layout, page, layout.pageSizes.size())) return layout.pageHeight;
    return layout.pageSizes[static_cast<size_t>(page - 1)].second;
}

bool hasMixedSizes(const Layout& layout) {
    for (int p = 1; p <= layout.numPages; ++p)
        if (pageWidthOf(layout, p) != layout.pageWidth ||
            pageHeightOf(layout, p) != layout.pageHeight)
            return true;
    return false;
}

const PageSource* pageSourceOf(const Layout& layout, int page) {
    if (!inRange(layout, page, layout.pageSources.size())) return nullptr;
    const PageSource& s = layout.pageSources[static_cast<size_t>(page - 1)];
    return s.page > 0 ? &s : nullptr;
}

} // namespace plxhost
