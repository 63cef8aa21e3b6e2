// Writing a project back into the host's project file format.
#pragma once

#include <string>

#include "host/project.h"

namespace plxhost {

// The project in the project file format: every layout with its pages,
// masters, sections, explicit spreads, boxes, current page and slug data,
// and the layout in front. Comments of the file it was read from are not kept.
std::string projectFileText(const Project& project, int32_t frontDocRef);

// Writes the text to the project's path (a temporary file renamed into
// place). False with *error set; the old file is then untouched.
bool writeProjectFile(const Project& project, int32_t frontDocRef, std::string* error);

} // namespace plxhost
