#include "cli/program_path.h"

#include <filesystem>

namespace plxcli {

std::string runningProgramPath() {
    std::error_code ec;
    std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::string() : exe.string();
}

bool isPathSeparator(char c) {
    return c == '/';
}

} // namespace plxcli
