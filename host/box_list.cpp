#include "host/box_list.h"

namespace plxhost {

Box& BoxList::add() {
    if (size_ == chunks_.size() * kChunk) chunks_.push_back(std::make_unique<Box[]>(kChunk));
    return (*this)[size_++];
}

} // namespace plxhost
