// On Windows the plug-in asks the shell for the Documents folder in its
// default place (SHGFP_TYPE_DEFAULT), which follows neither USERPROFILE nor
// the redirection under "User Shell Folders": it is the profiles folder
// (HKLM ProfileList "ProfilesDirectory"), the user's name, "Documents". So
// the temporary home holds a profile folder of the user's name and
// ProfilesDirectory points at the home while it lives. That is a machine
// setting: these tests run in a Wine prefix of their own, one at a time,
// never on a machine where a person works.
#include "tests/common/temp_home.h"

#include <windows.h>

#include <filesystem>
#include <stdexcept>

#include "tests/common/environment.h"
#include "tests/common/platform/win/wide.h"

namespace plxtest {

namespace {

const wchar_t kProfileList[] = L"Software\\Microsoft\\Windows NT\\CurrentVersion\\ProfileList";

std::wstring backslashed(const std::string& path) {
    std::wstring wide = toWide(path);
    for (wchar_t& c : wide)
        if (c == L'/') c = L'\\';
    return wide;
}

bool setProfilesFolder(const std::wstring& folder) {
    HKEY key;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, kProfileList, 0, KEY_SET_VALUE, &key) != ERROR_SUCCESS)
        return false;
    LONG rc = RegSetValueExW(key, L"ProfilesDirectory", 0, REG_EXPAND_SZ,
                             reinterpret_cast<const BYTE*>(folder.c_str()),
                             static_cast<DWORD>((folder.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(key);
    return rc == ERROR_SUCCESS;
}

std::wstring profilesFolder() {
    wchar_t value[MAX_PATH] = L"";
    DWORD size = sizeof value - sizeof(wchar_t);
    if (RegGetValueW(HKEY_LOCAL_MACHINE, kProfileList, L"ProfilesDirectory",
                     RRF_RT_REG_SZ | RRF_RT_REG_EXPAND_SZ | RRF_NOEXPAND, nullptr, value,
                     &size) != ERROR_SUCCESS)
        return L"%SystemDrive%\\users";
    return value;
}

std::string userName() {
    wchar_t name[256];
    DWORD size = 256;
    return GetUserNameW(name, &size) ? fromWide(name) : "user";
}

} // namespace

TempHome::TempHome() {
    profile_ = dir_.file(userName());
    // A profile has its Desktop: the system's save dialog reads a typed path
    // through it and takes none without it.
    for (const char* folder : {"Desktop", "Documents", "AppData/Roaming", "AppData/Local"})
        std::filesystem::create_directories(std::filesystem::u8path(profile_ + "/" + folder));
    savedProfiles_ = fromWide(profilesFolder());
    if (!setProfilesFolder(backslashed(dir_.path())))
        throw std::runtime_error("cannot point ProfilesDirectory at a temporary home");
    setVariable("USERPROFILE", profile_);
    setVariable("APPDATA", profile_ + "\\AppData\\Roaming");
    setVariable("LOCALAPPDATA", profile_ + "\\AppData\\Local");
}

TempHome::~TempHome() {
    setProfilesFolder(toWide(savedProfiles_));
    for (const auto& [name, value] : saved_) plxtest::setVariable(name, value);
    for (const std::string& name : unset_) unsetVariable(name);
}

std::string TempHome::settingsFolder() const { return profile_ + "\\Documents\\Korvane"; }
std::string TempHome::logFolder() const { return profile_ + "\\Documents\\Korvane"; }
std::string TempHome::documentsFolder() const { return profile_ + "\\Documents"; }
std::string TempHome::hostFolder() const { return profile_ + "\\AppData\\Roaming\\plexhost"; }

} // namespace plxtest
