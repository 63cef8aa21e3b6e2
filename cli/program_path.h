// What the command line needs to know of the platform's paths: where the
// running program lies and which characters separate folders.
#pragma once

#include <string>

namespace plxcli {

// The program's own file as a UTF-8 path; empty when the system cannot
// tell.
std::string runningProgramPath();

// True for a character that ends a folder name in a path ("/"; on Windows
// also the backslash).
bool isPathSeparator(char c);

} // namespace plxcli
