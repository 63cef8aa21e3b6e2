// What the tests of settings files met through plexmoor share, the
// portable ones and the POSIX-only ones (posix/).
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "tests/common/plexmoor_run.h"
#include "tests/common/plugin_host.h"

namespace plxtest {

inline std::string settingsFile(const TempHome& home) {
    return home.settingsFolder() + "/Plexmoor.ini";
}

inline void writeSettings(const TempHome& home, const std::string& text) {
    std::filesystem::create_directories(home.settingsFolder());
    ASSERT_TRUE(writeFile(settingsFile(home), text));
}

// How often `part` stands in `text`, overlaps counted.
inline size_t count(const std::string& text, const std::string& part) {
    size_t n = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
    return n;
}

} // namespace plxtest
