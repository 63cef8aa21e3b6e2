// The arguments arrive as the bytes the caller passed: UTF-8 on the systems
// this program is meant for.
#include "cli/commands.h"

int main(int argc, char** argv) {
    return plxcli::runCommandLine(argc, argv);
}
