// A layout's spreads: the pages of each, left to right. All pages lie in
// one list with each spread's end beside it; a list of its own for each of
// five thousand spreads cost more than the pages in them.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <vector>

namespace plxhost {

// The pages of one spread, as a view into the list (valid until the list
// changes).
struct PageSpan {
    const int* first = nullptr;
    const int* last = nullptr;
    const int* begin() const { return first; }
    const int* end() const { return last; }
    size_t size() const { return static_cast<size_t>(last - first); }
    bool empty() const { return first == last; }
    int operator[](size_t i) const { return first[i]; }
    int front() const { return *first; }
    int back() const { return last[-1]; }
    bool operator==(const std::vector<int>& pages) const {
        return size() == pages.size() && std::equal(first, last, pages.begin());
    }
};

class SpreadList {
    class Iter {
      public:
        Iter(const SpreadList* list, size_t i) : list_(list), i_(i) {}
        PageSpan operator*() const { return (*list_)[i_]; }
        Iter& operator++() {
            ++i_;
            return *this;
        }
        bool operator!=(const Iter& other) const { return i_ != other.i_; }

      private:
        const SpreadList* list_;
        size_t i_;
    };

  public:
    size_t size() const { return ends_.size(); }
    bool empty() const { return ends_.empty(); }
    PageSpan operator[](size_t i) const {
        const int* all = pages_.data();
        return PageSpan{all + (i == 0 ? 0 : ends_[i - 1]), all + ends_[i]};
    }
    Iter begin() const { return Iter(this, 0); }
    Iter end() const { return Iter(this, size()); }

    // A spread after the others.
    void add(std::initializer_list<int> pages) { add(pages.begin(), pages.size()); }
    void add(const std::vector<int>& pages) { add(pages.data(), pages.size()); }
    void add(const int* pages, size_t count);
    SpreadList& operator=(const std::vector<std::vector<int>>& spreads);
    void reserve(size_t spreads, size_t pages);

    // Counts every change, so that what was worked out from the spreads
    // (the page index) knows when to look again.
    uint64_t revision() const { return revision_; }

  private:
    std::vector<int> pages_;
    std::vector<uint32_t> ends_; // spread i is pages_[ends_[i - 1], ends_[i])
    uint64_t revision_ = 0;
};

} // namespace plxhost
