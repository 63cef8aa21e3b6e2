// A layout's boxes. The address of a Box is the box id the host hands to
// plug-ins, so a box never moves once made; the boxes lie in blocks of a
// fixed count, not each in a block of its own behind a pointer, which with
// the pointer list cost a third more than the boxes themselves.
#pragma once

#include <cstddef>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

namespace plxhost {

struct Box {
    int id = 0;
    int page = 1;           // page the box lies on
    double x = 0, y = 0;    // top-left corner in the page's coordinates (points, y down)
    double width = 0, height = 0;
    double fill = -1;       // gray level 0..1, negative = no fill
    std::string text;
};

class BoxList {
    template <typename List, typename Item>
    class Iter {
      public:
        using iterator_category = std::forward_iterator_tag;
        using value_type = Box;
        using difference_type = std::ptrdiff_t;
        using pointer = Item*;
        using reference = Item&;

        Iter(List* list, size_t i) : list_(list), i_(i) {}
        Item& operator*() const { return (*list_)[i_]; }
        Item* operator->() const { return &(*list_)[i_]; }
        Iter& operator++() {
            ++i_;
            return *this;
        }
        bool operator==(const Iter& other) const { return i_ == other.i_; }
        bool operator!=(const Iter& other) const { return i_ != other.i_; }

      private:
        List* list_;
        size_t i_;
    };

  public:
    using iterator = Iter<BoxList, Box>;
    using const_iterator = Iter<const BoxList, const Box>;

    BoxList() = default;
    BoxList(const BoxList&) = delete;
    BoxList& operator=(const BoxList&) = delete;
    BoxList(BoxList&&) = default;
    BoxList& operator=(BoxList&&) = default;

    // A new box after the others; the boxes made before stay where they are.
    Box& add();

    size_t size() const { return size_; }
    bool empty() const { return size_ == 0; }
    Box& operator[](size_t i) { return chunks_[i / kChunk][i % kChunk]; }
    const Box& operator[](size_t i) const { return chunks_[i / kChunk][i % kChunk]; }
    Box& back() { return (*this)[size_ - 1]; }

    iterator begin() { return iterator(this, 0); }
    iterator end() { return iterator(this, size_); }
    const_iterator begin() const { return const_iterator(this, 0); }
    const_iterator end() const { return const_iterator(this, size_); }

  private:
    static constexpr size_t kChunk = 128;
    std::vector<std::unique_ptr<Box[]>> chunks_;
    size_t size_ = 0;
};

} // namespace plxhost
