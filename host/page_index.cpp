#include "host/page_index.h"

#include "host/project.h"

namespace plxhost {

void PageIndex::update(const Layout& layout) const {
    const void* firstBox = layout.boxes.empty() ? nullptr : &layout.boxes[0];
    if (built_ && pages_ == layout.numPages && spreadRevision_ == layout.spreads.revision() &&
        boxCount_ == layout.boxes.size() && firstBox_ == firstBox)
        return;
    size_t pages = layout.numPages > 0 ? static_cast<size_t>(layout.numPages) : 0;
    spreadOfPage_.assign(pages, {0, 0});
    // A page listed on two spreads belongs to the first.
    for (size_t s = 0; s < layout.spreads.size(); ++s) {
        PageSpan onSpread = layout.spreads[s];
        for (size_t k = 0; k < onSpread.size(); ++k) {
            int page = onSpread[k];
            if (page < 1 || static_cast<size_t>(page) > pages) continue;
            std::pair<int, int>& at = spreadOfPage_[static_cast<size_t>(page - 1)];
            if (at.first == 0) at = {static_cast<int>(s) + 1, static_cast<int>(k)};
        }
    }
    // Counted first, then placed: each page's boxes keep the layout's order.
    boxStart_.assign(pages + 1, 0);
    for (const Box& box : layout.boxes)
        if (box.page >= 1 && static_cast<size_t>(box.page) <= pages)
            ++boxStart_[static_cast<size_t>(box.page)];
    for (size_t p = 1; p <= pages; ++p) boxStart_[p] += boxStart_[p - 1];
    boxes_.assign(boxStart_[pages], nullptr);
    std::vector<uint32_t> next(boxStart_.begin(), boxStart_.end() - 1);
    for (const Box& box : layout.boxes)
        if (box.page >= 1 && static_cast<size_t>(box.page) <= pages)
            boxes_[next[static_cast<size_t>(box.page - 1)]++] = &box;
    built_ = true;
    pages_ = layout.numPages;
    spreadRevision_ = layout.spreads.revision();
    boxCount_ = layout.boxes.size();
    firstBox_ = firstBox;
}

std::pair<int, int> PageIndex::spreadOf(const Layout& layout, int page) const {
    update(layout);
    if (page < 1 || page > pages_) return {0, 0};
    return spreadOfPage_[static_cast<size_t>(page - 1)];
}

BoxesOnPage PageIndex::boxesOn(const Layout& layout, int page) const {
    update(layout);
    if (page < 1 || page > pages_) return BoxesOnPage{};
    const Box* const* all = boxes_.data();
    return BoxesOnPage{all + boxStart_[static_cast<size_t>(page - 1)],
                       all + boxStart_[static_cast<size_t>(page)]};
}

} // namespace plxhost
