// Which spread each page of a layout lies on, and which boxes lie on it.
//
// A long export asks these for every page; looking through all spreads
// and boxes each time made the work grow with the square of the pages.
// The index is made when first asked for and made again when the layout's
// spreads, boxes or page count are no longer those it was made from
// (layouts do not change once read, but tests build their own).
#pragma once

#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

namespace plxhost {

struct Box;
struct Layout;

// The boxes of one page, in the layout's order.
struct BoxesOnPage {
    const Box* const* first = nullptr;
    const Box* const* last = nullptr;
    const Box* const* begin() const { return first; }
    const Box* const* end() const { return last; }
    size_t size() const { return static_cast<size_t>(last - first); }
    bool empty() const { return first == last; }
};

class PageIndex {
  public:
    // The spread (1-based) and place (0-based) of a page; spread 0 when
    // the page lies on none.
    std::pair<int, int> spreadOf(const Layout& layout, int page) const;
    // The boxes of a page in the layout's order (empty outside the layout).
    BoxesOnPage boxesOn(const Layout& layout, int page) const;

  private:
    void update(const Layout& layout) const;

    mutable bool built_ = false;
    mutable int pages_ = 0;
    mutable uint64_t spreadRevision_ = 0;
    mutable size_t boxCount_ = 0;
    mutable const void* firstBox_ = nullptr;
    mutable std::vector<std::pair<int, int>> spreadOfPage_; // index page - 1
    // The boxes of all pages, page after page; those of page p from
    // boxStart_[p - 1] up to boxStart_[p]. One list instead of one a page:
    // a list for each of ten thousand pages cost more than its boxes.
    mutable std::vector<const Box*> boxes_;
    mutable std::vector<uint32_t> boxStart_;
};

} // namespace plxhost
