#include "cli/session.h"

#include "cli/program_path.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "cli/messages.h"

namespace plxcli {

std::string defaultPluginPath() {
    if (const char* env = std::getenv("PLEXMOOR_PLUGIN"); env && *env) return env;
    std::string exe = runningProgramPath();
    if (exe.empty()) return PLX_PLUGIN_FILE;
    std::filesystem::path folder = std::filesystem::u8path(exe).parent_path().parent_path();
    return (folder / "lib" / PLX_PLUGIN_FILE).lexically_normal().u8string();
}

Session::Session(const SessionOptions& options)
    : options_(options), host_(options.host), pluginPath_(defaultPluginPath()) {}

Session::~Session() = default;

bool Session::start(std::string* error) {
    // The host shows its window before it loads plug-ins, which take it as
    // the owner of their dialogs.
    host_.openMainWindow();
    std::string loadError;
    activation_ = host_.loadPlugin(pluginPath_, &loadError);
    if (activation_ == -1 && !loadError.empty()) {
        if (error) *error = loadError;
        return false;
    }
    if (activation_ != 0) {
        char code[16];
        std::snprintf(code, sizeof code, "0x%08X", static_cast<unsigned>(activation_));
        if (error) *error = say("%1: the plug-in refused to start (%2)", {pluginPath_, code});
        return false;
    }
    // A host reports its language once the plug-in is active, and checks
    // for changed settings whenever it comes to the front.
    host_.sendLanguage(options_.language);
    host_.sendSettingsCheck();
    return true;
}

} // namespace plxcli
