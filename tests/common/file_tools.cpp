#include "tests/common/file_tools.h"

#include <algorithm>
#include <filesystem>

namespace plxtest {

std::vector<std::string> folderEntries(const std::string& folder) {
    std::vector<std::string> names;
    std::error_code ec;
    for (const auto& e : std::filesystem::directory_iterator(std::filesystem::u8path(folder), ec))
        names.push_back(e.path().filename().u8string());
    std::sort(names.begin(), names.end());
    return names;
}

} // namespace plxtest
