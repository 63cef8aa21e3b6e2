#include "host/written_files.h"

#include <cstring>

namespace plxhost {

void WrittenFiles::add(const std::string& path, int page) {
    size_t slash = path.rfind('/');
    size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
    uint32_t folder = 0;
    // Runs write into one folder: the last entry's is tried first.
    if (!entries_.empty() && folders_[entries_.back().folder].size() == nameStart &&
        path.compare(0, nameStart, folders_[entries_.back().folder]) == 0) {
        folder = entries_.back().folder;
    } else {
        std::string folderText = path.substr(0, nameStart);
        auto found = folderIndex_.find(folderText);
        if (found != folderIndex_.end()) {
            folder = found->second;
        } else {
            folder = static_cast<uint32_t>(folders_.size());
            folders_.push_back(folderText);
            folderIndex_.emplace(std::move(folderText), folder);
        }
    }
    names_.append(path, nameStart, std::string::npos);
    entries_.push_back(Entry{names_.size(), folder, page});
}

std::string WrittenFiles::path(size_t i) const {
    size_t begin = nameBegin(i);
    return folders_[entries_[i].folder] + names_.substr(begin, entries_[i].nameEnd - begin);
}

int WrittenFiles::compareNames(size_t a, size_t b) const {
    size_t beginA = nameBegin(a), beginB = nameBegin(b);
    size_t lengthA = entries_[a].nameEnd - beginA, lengthB = entries_[b].nameEnd - beginB;
    int order = std::memcmp(names_.data() + beginA, names_.data() + beginB,
                            lengthA < lengthB ? lengthA : lengthB);
    if (order != 0) return order;
    return lengthA < lengthB ? -1 : lengthA > lengthB ? 1 : 0;
}

bool WrittenFiles::samePath(size_t a, size_t b) const {
    return entries_[a].folder == entries_[b].folder && compareNames(a, b) == 0;
}

bool WrittenFiles::pathBefore(size_t a, size_t b) const {
    if (entries_[a].folder != entries_[b].folder) return entries_[a].folder < entries_[b].folder;
    return compareNames(a, b) < 0;
}

} // namespace plxhost
