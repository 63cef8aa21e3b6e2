// The files a print engine wrote, in order, with the first page of the job
// that wrote each: what the command line prints and reports when a path
// was written twice. A long run writes ten thousand paths that share a
// folder or a few, so each path keeps only its name, beside the index of
// its folder; the names lie one after another in one buffer, and an entry
// is twelve bytes, in blocks of a fixed count that are not copied as the
// list grows.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace plxhost {

class WrittenFiles {
  public:
    void add(const std::string& path, int page);
    size_t size() const { return count_; }
    bool empty() const { return count_ == 0; }
    // The i-th path as it was given, and the page that wrote it.
    std::string path(size_t i) const;
    int page(size_t i) const { return entry(i).page; }
    // Whether two entries name the same path, and an order of paths
    // (by folder, then name) in which equal paths lie together.
    bool samePath(size_t a, size_t b) const;
    bool pathBefore(size_t a, size_t b) const;

  private:
    struct Entry {
        uint32_t nameEnd; // the name is names_[previous nameEnd, nameEnd)
        uint32_t folder;  // index in folders_
        int32_t page;
    };
    static constexpr size_t kBlock = 1024;
    const Entry& entry(size_t i) const { return blocks_[i / kBlock][i % kBlock]; }
    size_t nameBegin(size_t i) const { return i == 0 ? 0 : entry(i - 1).nameEnd; }
    std::string_view name(size_t i) const {
        return std::string_view(names_).substr(nameBegin(i), entry(i).nameEnd - nameBegin(i));
    }
    int compareNames(size_t a, size_t b) const;

    // A folder is the path up to and with its last separator, "/" or "\\"
    // (empty for a bare name), so that folder and name give back the path
    // exactly.
    std::vector<std::string> folders_;
    std::unordered_map<std::string, uint32_t> folderIndex_;
    std::string names_;
    std::vector<std::unique_ptr<Entry[]>> blocks_;
    size_t count_ = 0;
};

} // namespace plxhost
