#include <gtest/gtest.h>

#include <filesystem>
#include <regex>
#include <string>

#include "plugin/support/log.h"
#include "tests/common/native_text.h"
#include "tests/common/plugin_host.h"
#include "tests/support/log_lines.h"

using plxtest::readFile;
using plxtest::logMessages;
using plxtest::logPathIn;
using plxtest::TempHome;

TEST(SupportLog, LongMessagesAreCutAtACharacterBoundary) {
    TempHome home;
    setupDump(1, nullptr, nullptr);
    EXPECT_EQ(std::string(getLogPath()), logPathIn(home));
    std::string text(7997, 'a');
    dprintf("%s\xC3\xA4\xC3\xA4 tail", text.c_str()); // "ä" straddles byte 7999
    dprintf("%s", std::string(7999, 'b').c_str());
    std::vector<std::string> lines = logMessages(plxtest::withLF(readFile(logPathIn(home))));
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
