// plexmoor export stopped by Ctrl-C (a signal) and on a terminal
// (script(1)): POSIX only; Windows has neither signals nor that tool.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <set>

#include "tests/cli/export_fixture.h"
#include "tests/common/process.h"

using plxtest::shellQuoted;

namespace {

class ExportInterrupt : public plxtest::ExportCliFixture {};

// A layout long enough that the run is still going when Ctrl-C comes.
std::string longProject(const std::string& path, int pages) {
    plxtest::writeFile(path, "layout \"Long\"\n  pages " + std::to_string(pages) + "\n");
    return path;
}

TEST_F(ExportInterrupt, CtrlCLeavesEveryWrittenFilePrinted) {
    const int pages = 2000;
    std::string proj = longProject(home.file("Long.proj"), pages);
    int fromChild[2];
    ASSERT_EQ(pipe(fromChild), 0);
    std::string errFile = home.file("err");
    pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        dup2(fromChild[1], STDOUT_FILENO);
        close(fromChild[0]);
        close(fromChild[1]);
        std::freopen(errFile.c_str(), "w", stderr);
        setenv("ASAN_OPTIONS", "detect_leaks=0", 1);
        std::string program = plxtest::builtProgram("plexmoor");
        std::string target = out + "/L.eps";
        execl(program.c_str(), program.c_str(), "export", proj.c_str(), "--all", "--to",
              target.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    close(fromChild[1]);
    std::FILE* in = fdopen(fromChild[0], "r");
    ASSERT_NE(in, nullptr);
    std::string printed;
    char line[4096];
    if (std::fgets(line, sizeof line, in)) {
        printed += line;
        kill(child, SIGINT);
    }
    while (std::fgets(line, sizeof line, in)) printed += line;
    std::fclose(in);
    int raw = 0;
    waitpid(child, &raw, 0);
    ASSERT_TRUE(WIFEXITED(raw)) << "ended by the signal instead of stopping";
    std::set<std::string> listed;
    for (size_t start = 0, end; (end = printed.find('\n', start)) != std::string::npos;
         start = end + 1)
        listed.insert(printed.substr(start, end - start));
    size_t files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(out)) {
        ++files;
        EXPECT_TRUE(listed.count(entry.path().string())) << entry.path() << " not printed";
    }
    if (WEXITSTATUS(raw) == 0 && files == static_cast<size_t>(pages))
        GTEST_SKIP() << "the run ended before Ctrl-C arrived";
    EXPECT_EQ(WEXITSTATUS(raw), 130);
    EXPECT_LT(files, static_cast<size_t>(pages));
    EXPECT_TRUE(has(plxtest::readFile(errFile), "stopped by Ctrl-C"));
}

TEST_F(ExportInterrupt, OnATerminalTheBarHasALineOfItsOwnAndIsCleared) {
    if (std::system("command -v script >/dev/null 2>&1") != 0) GTEST_SKIP() << "no script(1)";
    // script(1) gives the program a terminal; both streams arrive together.
    std::string command = shellQuoted(plxtest::builtProgram("plexmoor")) + " export " +
                          shellQuoted(project) + " --pages 1-3 " + to("T.eps");
    std::string capture = home.file("terminal");
    ASSERT_EQ(std::system(("ASAN_OPTIONS=detect_leaks=0 script -qc " + shellQuoted(command) +
                           " /dev/null >" + shellQuoted(capture))
                              .c_str()),
              0);
    std::string seen = plxtest::readFile(capture);
    const std::string clear = "\r\033[K";
    // Each file is printed on a line the bar was taken from.
    for (const char* name : {"/T_001.eps", "/T_002.eps", "/T_003.eps"})
        EXPECT_TRUE(has(seen, clear + out + name)) << name;
    // The last bar is taken away before the summary. The bar is the
    // progress window's, on macOS too: it reads 3/3 at the last page.
    size_t lastBar = seen.rfind("] 3/3");
    ASSERT_NE(lastBar, std::string::npos) << seen;
    size_t summary = seen.find("files written", lastBar);
    ASSERT_NE(summary, std::string::npos) << seen;
    EXPECT_NE(seen.substr(lastBar, summary - lastBar).find(clear), std::string::npos);
}

} // namespace
