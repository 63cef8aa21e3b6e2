#include <gtest/gtest.h>

#include <filesystem>
#include <regex>
#include <string>

#include "plugin/support/log.h"
#include "tests/common/native_text.h"
#include "tests/common/plugin_host.h"

using plxtest::readFile;
using plxtest::TempHome;

namespace {

std::string logPathIn(const TempHome& home) {
    return home.logFolder() + plxtest::separator() + "Plexmoor.txt";
}

// Lines of the log without their time stamps; fails the test for a line
// whose stamp is not of the form "hh:mm:ss:mmm: ".
std::vector<std::string> messages(const std::string& log) {
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

} // namespace

TEST(SupportLog, LongMessagesAreCutAtACharacterBoundary) {
    TempHome home;
    setupDump(1, nullptr, nullptr);
    EXPECT_EQ(std::string(getLogPath()), logPathIn(home));
    std::string text(7997, 'a');
    dprintf("%s\xC3\xA4\xC3\xA4 tail", text.c_str()); // "ä" straddles byte 7999
    dprintf("%s", std::string(7999, 'b').c_str());
    std::vector<std::string> lines = messages(plxtest::withLF(readFile(logPathIn(home))));
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], text + "\xC3\xA4");
    EXPECT_EQ(lines[1], std::string(7999, 'b'));
    setLogMode(0);
}

TEST(SupportLog, UnwritableLogDropsLinesSilently) {
    TempHome home;
    std::filesystem::create_directories(std::filesystem::u8path(home.logFolder()).parent_path());
    plxtest::writeFile(home.logFolder(), "not a folder");
    setupDump(1, nullptr, nullptr);
    dprintf("dropped");
    EXPECT_FALSE(std::filesystem::exists(logPathIn(home)));
    setLogMode(0);
}
