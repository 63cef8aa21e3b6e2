// Which spread each page of a layout lies on, and which boxes lie on it.
//
// A long export asks these for every page; looking through all spreads
// and boxes each time made the work grow with the square of the pages.
// The index is made when first asked for and made again when the layout's
// spreads, boxes or page count are no longer those it was made from
// (layouts do not change once read, but tests build their own).
#pragma once

#include <cstddef>
#include <utility>
#include <vector>

namespace plxhost {

struct Box;
struct Layout;

class PageIndex {
  public:
    // The spread (1-based) and place (0-based) of a page; spread 0 when
    // the page lies on none.
    std::pair<int, int> spreadOf(const Layout& layout, int page) const;
    // The boxes of a page in the layout's order (empty outside the layout).
    const std::vector<const Box*>& boxesOn(const Layout& layout, int page) const;

  private:
    void update(const Layout& layout) const;

    mutable bool built_ = false;
    mutable int pages_ = 0;
    mutable size_t spreadCount_ = 0, boxCount_ = 0;
    mutable const void* firstSpread_ = nullptr;
    mutable const void* firstBox_ = nullptr;
    mutable std::vector<std::pair<int, int>> spreadOfPage_; // index page - 1
    mutable std::vector<std::vector<const Box*>> boxesOnPage_;
};

} // namespace plxhost
