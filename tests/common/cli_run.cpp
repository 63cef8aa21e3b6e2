#include "tests/common/cli_run.h"

namespace plxtest {

std::string shellQuoted(const std::string& text) {
    std::string out = "'";
    for (char c : text) {
        if (c == '\'') out += "'\\''";
        else out += c;
    }
    return out + "'";
}

CliResult runPlexmoor(const std::string& arguments, const std::string& workingFolder) {
    return runProgram(builtProgram("plexmoor"), shellWords(arguments), workingFolder);
}

} // namespace plxtest
