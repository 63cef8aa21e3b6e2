// On POSIX the plug-in and the host follow HOME and the XDG folders. The
// macOS build under test (GNUstep) takes its home from the password
// database, which the stage's preload library answers with $HOME, and
// keeps the plug-in's settings in Application Support and its log in
// Documents there; its host follows the XDG folders as here.
#include "tests/common/temp_home.h"

#include "tests/common/environment.h"
#include "tests/common/tested_platform.h"

namespace plxtest {

TempHome::TempHome() {
    setVariable("HOME", dir_.path());
    setVariable("XDG_CONFIG_HOME", dir_.file(".config"));
    setVariable("XDG_STATE_HOME", dir_.file(".local/state"));
    setVariable("XDG_DOCUMENTS_DIR", dir_.file("Documents"));
    setVariable("XDG_DATA_HOME", dir_.file(".local/share"));
}

TempHome::~TempHome() {
    for (const auto& [name, value] : saved_) plxtest::setVariable(name, value);
    for (const std::string& name : unset_) unsetVariable(name);
}

std::string TempHome::settingsFolder() const {
    return dir_.file(macBuildUnderTest() ? "GNUstep/Library/ApplicationSupport/Korvane"
                                         : ".config/Korvane");
}

std::string TempHome::logFolder() const {
    return dir_.file(macBuildUnderTest() ? "Documents/Korvane" : ".local/state/Korvane");
}

std::string TempHome::documentsFolder() const { return dir_.file("Documents"); }
std::string TempHome::hostFolder() const { return dir_.file(".config/plexhost"); }

} // namespace plxtest
