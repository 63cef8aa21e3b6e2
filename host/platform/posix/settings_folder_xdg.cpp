#include "host/settings_folder.h"

#include <cstdlib>

namespace plxhost {

std::string hostSettingsFolder() {
    const char* config = std::getenv("XDG_CONFIG_HOME");
    std::string base;
    if (config && config[0] == '/') {
        base = config;
    } else {
        const char* home = std::getenv("HOME");
        base = std::string(home && home[0] ? home : ".") + "/.config";
    }
    return base + "/plexhost";
}

std::string hostSettingsFile(const std::string& name) {
    return hostSettingsFolder() + "/" + name;
}

} // namespace plxhost
