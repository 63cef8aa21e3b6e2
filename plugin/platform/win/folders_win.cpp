// The user's folders on Windows: the shell's personal folder (Documents)
// holds both the settings file and the log, each in "Korvane".
#include "plugin/support/folders.h"

#include "plugin/platform/win/wide_text.h"
#include "plugin/support/paths.h"

#include <windows.h>
#include <shlobj.h>

namespace {

bool shellFolder(int csidl, char* dst) {
    if (!dst) return false;
    dst[0] = 0;
    wchar_t wide[MAX_PATH];
    if (SHGetFolderPathW(nullptr, csidl, nullptr, SHGFP_TYPE_DEFAULT, wide) != S_OK) return false;
    return narrowInto(wide, dst, kMyPathSize);
}

} // namespace

bool getHomeFolder(char* dst) {
    return shellFolder(CSIDL_PROFILE, dst);
}

bool getDocumentsFolder(char* dst) {
    return shellFolder(CSIDL_PERSONAL, dst);
}

bool getAppSupportFolder(char* dst) {
    return shellFolder(CSIDL_PERSONAL, dst);
}

bool getStateFolder(char* dst) {
    return shellFolder(CSIDL_PERSONAL, dst);
}
