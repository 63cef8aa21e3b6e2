// The probe file is made through its UTF-16 name, so a folder whose name
// lies outside the ANSI code page is checked as itself; the system removes
// it when its handle closes.
#include "cli/folder_probe.h"

#include <windows.h>

#include "host/platform/win/wide.h"

namespace plxcli {

bool folderTakesFiles(const std::string& folder, std::string* reason) {
    std::string base = folder;
    if (base.back() != '\\' && base.back() != '/') base += '\\';
    base += ".plexmoor-" + std::to_string(GetCurrentProcessId()) + "-";
    DWORD code = ERROR_FILE_EXISTS;
    for (unsigned n = 0; n < 100 && code == ERROR_FILE_EXISTS; ++n) {
        HANDLE probe = CreateFileW(plxhost::toWide(base + std::to_string(n)).c_str(), GENERIC_WRITE,
                                   0, nullptr, CREATE_NEW,
                                   FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
        if (probe != INVALID_HANDLE_VALUE) {
            CloseHandle(probe);
            return true;
        }
        code = GetLastError();
    }
    *reason = plxhost::systemMessage(code);
    return false;
}

} // namespace plxcli
