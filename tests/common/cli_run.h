// Running the plexmoor program the way a person does, on the temporary
// home of a TempHome, and reading what it printed.
#pragma once

#include <string>

#include "tests/common/process.h"

namespace plxtest {

using CliResult = ProgramRun;

// Runs build/bin/plexmoor with the arguments (written as for a POSIX shell,
// see shellWords), in the folder `workingFolder` when one is given.
CliResult runPlexmoor(const std::string& arguments, const std::string& workingFolder = "");

// A text quoted for the shell.
std::string shellQuoted(const std::string& text);

} // namespace plxtest
