#include "host/settings_folder.h"

#include "host/platform/win/wide.h"

#include <windows.h>
#include <shlobj.h>

namespace plxhost {

std::string hostSettingsFolder() {
    wchar_t wide[MAX_PATH];
    if (SHGetFolderPathW(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, wide) != S_OK)
        return "plexhost";
    return fromWide(wide) + "\\plexhost";
}

std::string hostSettingsFile(const std::string& name) {
    return hostSettingsFolder() + "\\" + name;
}

} // namespace plxhost
