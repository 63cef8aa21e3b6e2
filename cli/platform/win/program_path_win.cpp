#include "cli/program_path.h"

#include <windows.h>

namespace plxcli {

std::string runningProgramPath() {
    static wchar_t wide[32768];
    DWORD n = GetModuleFileNameW(nullptr, wide, sizeof wide / sizeof wide[0]);
    if (n == 0 || n >= sizeof wide / sizeof wide[0]) return {};
    int bytes = WideCharToMultiByte(CP_UTF8, 0, wide, static_cast<int>(n), nullptr, 0, nullptr,
                                    nullptr);
    if (bytes <= 0) return {};
    std::string out(static_cast<size_t>(bytes), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide, static_cast<int>(n), &out[0], bytes, nullptr, nullptr);
    return out;
}

bool isPathSeparator(char c) {
    return c == '/' || c == '\\';
}

} // namespace plxcli
