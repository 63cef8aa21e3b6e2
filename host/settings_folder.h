// Where the host keeps its own settings (the output styles): the user's
// configuration folder of the platform.
#pragma once

#include <string>

namespace plxhost {

// The folder "plexhost" in $XDG_CONFIG_HOME (default ~/.config) on POSIX,
// in the user's application data folder (%APPDATA%) on Windows. Without a
// home folder, "plexhost" in the current folder.
std::string hostSettingsFolder();

} // namespace plxhost
