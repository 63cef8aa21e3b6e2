// What the log tests read back: where the log of a temporary home lies and
// its lines without their time stamps.
#pragma once

#include <gtest/gtest.h>

#include <regex>
#include <string>
#include <vector>

#include "tests/common/native_text.h"
#include "tests/common/plugin_host.h"

namespace plxtest {

inline std::string logPathIn(const TempHome& home) {
    return home.logFolder() + separator() + "Plexmoor.txt";
}

// Lines of the log without their time stamps; fails the test for a line
// whose stamp is not of the form "hh:mm:ss:mmm: ".
inline std::vector<std::string> logMessages(const std::string& log) {
    std::vector<std::string> out;
    static const std::regex stamp("^\\d\\d:\\d\\d:\\d\\d:\\d{3}: ");
    size_t start = 0;
    while (start < log.size()) {
        size_t end = log.find('\n', start);
        if (end == std::string::npos) end = log.size();
        std::string line = log.substr(start, end - start);
        EXPECT_TRUE(std::regex_search(line, stamp)) << line.substr(0, 40);
        out.push_back(line.size() >= 14 ? line.substr(14) : line);
        start = end + 1;
    }
    return out;
}

} // namespace plxtest
