#include "host/written_files.h"

#include <stdexcept>

namespace plxhost {

void WrittenFiles::add(const std::string& path, int page) {
    // Either separator: the folder and the name give back the path as it
    // was, and Windows paths share their folders too.
    size_t slash = path.find_last_of("/\\");
    size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
    uint32_t folder = 0;
    // Runs write into one folder: the last entry's is tried first.
    if (count_ > 0 && folders_[entry(count_ - 1).folder].size() == nameStart &&
        path.compare(0, nameStart, folders_[entry(count_ - 1).folder]) == 0) {
        folder = entry(count_ - 1).folder;
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
    // Names are counted in 32 bits; four gigabytes of them are not a run.
    if (path.size() - nameStart > UINT32_MAX - names_.size())
        throw std::length_error("the written files' names pass 4 GiB");
    names_.append(path, nameStart, std::string::npos);
    if (count_ == blocks_.size() * kBlock) blocks_.push_back(std::make_unique<Entry[]>(kBlock));
    blocks_[count_ / kBlock][count_ % kBlock] = Entry{static_cast<uint32_t>(names_.size()), folder, page};
    ++count_;
}

std::string WrittenFiles::path(size_t i) const {
    return folders_[entry(i).folder] + std::string(name(i));
}

int WrittenFiles::compareNames(size_t a, size_t b) const {
    return name(a).compare(name(b));
}

bool WrittenFiles::samePath(size_t a, size_t b) const {
    return entry(a).folder == entry(b).folder && compareNames(a, b) == 0;
}

bool WrittenFiles::pathBefore(size_t a, size_t b) const {
    if (entry(a).folder != entry(b).folder) return entry(a).folder < entry(b).folder;
    return compareNames(a, b) < 0;
}

} // namespace plxhost
