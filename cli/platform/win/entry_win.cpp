// The arguments are taken in UTF-16 from the command line itself, not from
// the C runtime's argv, which has them in the ANSI code page: a path with a
// letter outside that page would arrive as "?" there. Inside, every text is
// UTF-8; what is printed goes to the console as UTF-8 too.
#include "cli/commands.h"

#include <windows.h>
#include <shellapi.h>

#include <string>
#include <vector>

namespace {

std::string utf8(const wchar_t* wide) {
    int bytes = WideCharToMultiByte(CP_UTF8, 0, wide, -1, nullptr, 0, nullptr, nullptr);
    if (bytes <= 1) return {};
    std::string out(static_cast<size_t>(bytes), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide, -1, &out[0], bytes, nullptr, nullptr);
    out.pop_back(); // the terminating NUL
    return out;
}

} // namespace

int main() {
    int count = 0;
    wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
    if (!wide) return plxcli::kExitFailed;
    std::vector<std::string> words;
    for (int i = 0; i < count; ++i) words.push_back(utf8(wide[i]));
    LocalFree(wide);
    std::vector<char*> argv;
    for (std::string& w : words) argv.push_back(&w[0]);
    argv.push_back(nullptr);
    SetConsoleOutputCP(CP_UTF8);
    return plxcli::runCommandLine(count, argv.data());
}
