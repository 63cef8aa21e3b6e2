// MyArray: a growable array of fixed-size elements compared bytewise, in
// one contiguous block owned by the array. Its main use is the ordered
// list of page numbers an export run walks (32-bit integers in host byte
// order).
#pragma once

#include <cstdint>

class MyArray {
  public:
    // Count 0, duplicates not allowed, a zero-filled block for
    // initialCapacity elements of elemSize bytes. When that block cannot
    // be had (or the sizes are not positive), the array stays without one
    // and adds nothing.
    MyArray(int32_t initialCapacity, int32_t elemSize);
    ~MyArray();

    MyArray(const MyArray&) = delete;
    MyArray& operator=(const MyArray&) = delete;

    // Copies the element's elemSize bytes to the end and returns its index.
    // An element equal to one already present is not added again; the
    // index of that one is returned. A full block grows by exactly 100
    // elements. -1 when nothing could be added (no memory, null element);
    // the elements held stay as they were.
    int32_t addElem(const void* elem);
    // addElem for an element the caller knows is not held yet: no search
    // (which would make filling a long list take the square of its length).
    int32_t appendElem(const void* elem);

    // Index of the first element bytewise equal to elem, or -1.
    int32_t getPos(const void* elem) const;

    // The element at index read as a 32-bit integer; 0 for an index
    // outside 0 .. count-1 or elements smaller than 4 bytes.
    int32_t integerValue(int32_t index) const;

    // The element at index, or null outside 0 .. count-1.
    const void* getElem(int32_t index) const;

    int32_t count() const { return count_; }
    int32_t capacity() const { return capacity_; }
    int32_t elemSize() const { return elemSize_; }

  private:
    int32_t count_ = 0;
    int32_t capacity_ = 0;
    int32_t elemSize_ = 0;
    unsigned char* data_ = nullptr;
    uint8_t duplicatesAllowed_ = 0;
};
