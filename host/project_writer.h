// Writing a project back into the host's project file format.
#pragma once

#include <string>

#include "host/project.h"

namespace plxhost {

// The project in the project file format: every layout with its pages,
// masters, sections, explicit spreads, boxes, current page and slug data,
// and the layout in front. For a project made in memory; one read from a
// file is saved by editing its own text (host/project_edit.h).
std::string projectFileText(const Project& project, int32_t frontDocRef);

// Writes the project to its path (a temporary file renamed into place): a
// project read from a file as that file's text with only its changed data
// statements edited, else projectFileText; and remembers what was written
// as the project's text. False with *error set (among others when the file
// was changed since it was read); the old file is then untouched.
bool writeProjectFile(Project& project, int32_t frontDocRef, std::string* error);

// The statement "data "TAG" hex=…" for slug data, without indentation or
// line end; empty for a tag whose four bytes are not printable ASCII, which
// the file cannot name.
std::string dataStatement(uint32_t tag, const std::string& bytes);

} // namespace plxhost
