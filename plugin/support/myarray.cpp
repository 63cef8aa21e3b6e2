#include "plugin/support/myarray.h"

#include "plugin/support/mymemory.h"

#include <cstdlib>
#include <cstring>

namespace {
constexpr int32_t kGrowBy = 100;
} // namespace

MyArray::MyArray(int32_t initialCapacity, int32_t elemSize) {
    if (elemSize <= 0 || initialCapacity < 0) return;
    elemSize_ = elemSize;
    data_ = static_cast<unsigned char*>(
        myalloc(static_cast<size_t>(initialCapacity), static_cast<size_t>(elemSize)));
    if (data_) capacity_ = initialCapacity;
}

MyArray::~MyArray() {
    myfree(data_);
}

int32_t MyArray::addElem(const void* elem) {
    if (!elem || !data_) return -1;
    if (!duplicatesAllowed_) {
        int32_t pos = getPos(elem);
        if (pos >= 0) return pos;
    }
    return appendElem(elem);
}

int32_t MyArray::appendElem(const void* elem) {
    if (!elem || !data_) return -1;
    auto size = static_cast<size_t>(elemSize_);
    if (count_ == capacity_) {
        if (capacity_ > INT32_MAX - kGrowBy) return -1;
        auto grown = static_cast<size_t>(capacity_ + kGrowBy);
        if (grown > SIZE_MAX / size) return -1;
        // realloc keeps the old block when it fails, so nothing is lost.
        auto* block = static_cast<unsigned char*>(realloc(data_, grown * size));
        if (!block) return -1;
        memset(block + static_cast<size_t>(capacity_) * size, 0, kGrowBy * size);
        data_ = block;
        capacity_ += kGrowBy;
    }
    memcpy(data_ + static_cast<size_t>(count_) * size, elem, size);
    return count_++;
}

int32_t MyArray::getPos(const void* elem) const {
    if (!elem) return -1;
    auto size = static_cast<size_t>(elemSize_);
    for (int32_t i = 0; i < count_; ++i)
        if (memcmp(data_ + static_cast<size_t>(i) * size, elem, size) == 0) return i;
    return -1;
}

int32_t MyArray::integerValue(int32_t index) const {
    const void* elem = getElem(index);
    if (!elem || elemSize_ < static_cast<int32_t>(sizeof(int32_t))) return 0;
    int32_t value;
    memcpy(&value, elem, sizeof value);
    return value;
}

const void* MyArray::getElem(int32_t index) const {
    if (index < 0 || index >= count_) return nullptr;
    return data_ + static_cast<size_t>(index) * static_cast<size_t>(elemSize_);
}
