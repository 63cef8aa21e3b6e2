#include "host/spread_list.h"

namespace plxhost {

void SpreadList::add(const int* pages, size_t count) {
    pages_.insert(pages_.end(), pages, pages + count);
    ends_.push_back(static_cast<uint32_t>(pages_.size()));
    ++revision_;
}

SpreadList& SpreadList::operator=(const std::vector<std::vector<int>>& spreads) {
    pages_.clear();
    ends_.clear();
    for (const std::vector<int>& pages : spreads) add(pages);
    ++revision_;
    return *this;
}

void SpreadList::reserve(size_t spreads, size_t pages) {
    ends_.reserve(spreads);
    pages_.reserve(pages);
}

} // namespace plxhost
