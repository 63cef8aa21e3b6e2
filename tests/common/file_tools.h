// File-system chores of the tests that differ between the platforms.
#pragma once

#include <ctime>
#include <string>
#include <vector>

namespace plxtest {

// The names in a folder, sorted; empty when it cannot be read.
std::vector<std::string> folderEntries(const std::string& folder);

// Sets a file's modification time to `seconds` after 1970 and `nanoseconds`
// (Windows keeps steps of 100 ns).
bool setModTime(const std::string& path, std::time_t seconds, long nanoseconds);

// Marks a file read-only (POSIX: no write permission; Windows: the
// read-only attribute).
bool makeReadOnly(const std::string& path);

} // namespace plxtest
