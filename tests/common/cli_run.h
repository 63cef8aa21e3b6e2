// Running the plexmoor program the way a person does, on the temporary
// home of a TempHome, and reading what it printed.
#pragma once

#include <string>

namespace plxtest {

struct CliResult {
    int status = -1;
    std::string out; // standard output
    std::string err; // standard error
};

// Runs build/bin/plexmoor with the arguments (already quoted for the shell),
// in the folder `workingFolder` when one is given.
CliResult runPlexmoor(const std::string& arguments, const std::string& workingFolder = "");

// A text quoted for the shell.
std::string shellQuoted(const std::string& text);

} // namespace plxtest
