// A temporary home for one test: the plug-in's settings and log and the
// host's own settings land in it for as long as it lives, and the
// environment (and on Windows the profile folder the shell uses) is
// restored afterwards. Tests using it run one at a time.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "tests/common/temp_dir.h"

namespace plxtest {

class TempHome {
  public:
    TempHome();
    ~TempHome();
    TempHome(const TempHome&) = delete;
    TempHome& operator=(const TempHome&) = delete;

    const std::string& path() const { return dir_.path(); }
    std::string file(const std::string& name) const { return dir_.file(name); }

    // The folder holding the plug-in's "Plexmoor.ini" ("…/Korvane"), the one
    // holding its log "Plexmoor.txt", the user's Documents folder and the
    // host's settings folder ("…/plexhost"), as the build under test places
    // them (tested_platform.h).
    std::string settingsFolder() const;
    std::string logFolder() const;
    std::string documentsFolder() const;
    std::string hostFolder() const;

  private:
    void setVariable(const std::string& name, const std::string& value);

    TempDir dir_;
    std::vector<std::pair<std::string, std::string>> saved_; // name, old value
    std::vector<std::string> unset_;                         // names that were not set
    std::string profile_; // Windows: the user's profile folder inside path()
    std::string savedProfiles_;
};

} // namespace plxtest
