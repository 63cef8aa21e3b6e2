// Running the command line the way a user does, for end-to-end tests: the
// program of this build, in the current environment (a TempHome points it
// at a temporary home), its standard output and error kept apart.
#pragma once

#include <string>
#include <vector>

#include "tests/common/process.h"

namespace plxtest {

// build/bin/plexmoor with the arguments, each passed as one word.
ProgramRun runPlexmoor(const std::vector<std::string>& args);

} // namespace plxtest
