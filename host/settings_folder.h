// Where the host keeps its own settings (the output styles): the user's
// configuration folder of the platform.
#pragma once

#include <string>

namespace plxhost {

// The folder "plexhost" in $XDG_CONFIG_HOME (default ~/.config) on POSIX,
// in the user's application data folder (%APPDATA%) on Windows. Without a
// home folder, "plexhost" in the current folder.
std::string hostSettingsFolder();

// The file of that name in the settings folder, joined with the platform's
// separator, so that the path the host shows and opens is the system's own.
std::string hostSettingsFile(const std::string& name);

} // namespace plxhost
