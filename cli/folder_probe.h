// Whether a file can be made in a folder: one is made and removed, so the
// answer is the file system's own, whoever runs the program.
#pragma once

#include <string>

namespace plxcli {

// False with *reason (the system's words) when no file can be made in the
// folder (a UTF-8 path).
bool folderTakesFiles(const std::string& folder, std::string* reason);

} // namespace plxcli
