#include "tests/common/plexmoor_run.h"

namespace plxtest {

ProgramRun runPlexmoor(const std::vector<std::string>& args) {
    // The plug-in keeps its string table until the program unloads it.
    return runProgram(builtProgram("plexmoor"), args, "", false);
}

} // namespace plxtest
