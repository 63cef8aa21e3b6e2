// One run of the stand-in host with the plug-in loaded, as every command
// of the program starts it.
#pragma once

#include <cstdint>
#include <string>

#include "host/host.h"

namespace plxcli {

struct SessionOptions {
    uint16_t language = 0; // host language code (0 English, 3 German)
    plxhost::HostOptions host;
};

class Session {
  public:
    explicit Session(const SessionOptions& options);
    ~Session();

    // Loads the plug-in module and reports the host's language to it.
    // False with *error set when the module cannot be loaded or refuses.
    bool start(std::string* error);

    plxhost::Host& host() { return host_; }
    const std::string& pluginPath() const { return pluginPath_; }
    int32_t activationResult() const { return activation_; }

  private:
    SessionOptions options_;
    plxhost::Host host_;
    std::string pluginPath_;
    int32_t activation_ = -1;
};

// The plug-in module beside the program (../lib/Plexmoor.so), or the file
// named by PLEXMOOR_PLUGIN.
std::string defaultPluginPath();

} // namespace plxcli
