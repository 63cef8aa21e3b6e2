// The host's project file: a line-oriented text a person can write. See
// docs/project-format.md for the format.
#pragma once

#include <memory>
#include <string>

#include "host/project.h"

namespace plxhost {

// Reads the project file at path. On failure returns null and sets *error
// to "FILE:LINE: what is wrong" (or "FILE: what is wrong" when the file
// cannot be read). The project's path is made absolute and its name is the
// file name. Layout references are left at -1 for the caller to assign.
std::unique_ptr<Project> readProjectFile(const std::string& path, std::string* error);

// The same for a text, reported under fileName.
std::unique_ptr<Project> parseProject(const std::string& text, const std::string& fileName,
                                      std::string* error);

} // namespace plxhost
