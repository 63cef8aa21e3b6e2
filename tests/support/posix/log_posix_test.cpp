// POSIX only: several writers made with fork; Windows starts processes
// only from programs, and the log's appending there is FILE_APPEND_DATA,
// one write per line, the same guarantee.
#include <gtest/gtest.h>

#include <filesystem>
#include <regex>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

#include "plugin/support/log.h"
#include "tests/common/plugin_host.h"
#include "tests/support/log_lines.h"

using plxtest::readFile;
using plxtest::logMessages;
using plxtest::logPathIn;
using plxtest::TempHome;

TEST(SupportLog, LinesFromSeveralProcessesNeverInterleave) {
    TempHome home;
    setupDump(1, nullptr, nullptr);
    const int kWriters = 4, kLines = 100;
    std::vector<pid_t> children;
    for (int w = 0; w < kWriters; ++w) {
        pid_t pid = fork();
        if (pid == 0) {
            std::string body(4000, static_cast<char>('a' + w));
            for (int i = 0; i < kLines; ++i)
                dprintf("%s", body.c_str());
            _exit(0);
        }
        children.push_back(pid);
    }
    for (pid_t pid : children)
        waitpid(pid, nullptr, 0);
    std::vector<std::string> lines = logMessages(readFile(logPathIn(home)));
    EXPECT_EQ(lines.size(), static_cast<size_t>(kWriters * kLines));
    for (const std::string& line : lines)
        EXPECT_EQ(line, std::string(4000, line.empty() ? '?' : line[0]));
    setLogMode(0);
}
