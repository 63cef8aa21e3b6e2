// plexmoor export: what it tells while and after it writes: each file as
// written, paths written more than once, host messages once, the exit
// status that says whether every page was written, Ctrl-C.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <set>

#include "tests/cli/export_fixture.h"

using plxtest::CliResult;
using plxtest::runPlexmoor;
using plxtest::shellQuoted;

namespace {

class ExportReport : public plxtest::ExportCliFixture {};

TEST_F(ExportReport, PathsWrittenMoreThanOnceAreReportedAndCounted) {
    // Offset -3 leaves pages 1 to 3 without a number: all go to one file.
    CliResult r = exportWith("--absolute --offset -3 --pages 1-5 " + to("g.eps"));
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, out + "/g_.eps\n" + out + "/g_.eps\n" + out + "/g_.eps\n" + out +
                         "/g_001.eps\n" + out + "/g_002.eps\n");
    EXPECT_TRUE(has(r.err, out + "/g_.eps was written 3 times (pages 1, 2, 3); only page 3 is in it"))
        << r.err;
    EXPECT_TRUE(has(r.err, "5 files written; 2 pages lost")) << r.err;

    // Numbering "none" sends every numbered page to one file (a label like
    // "iii" is still written as it stands).
    ASSERT_EQ(runPlexmoor("style Plain --medium eps --numbering none").status, 0);
    r = exportWith("--lang de --style Plain --pages iv-3 " + to("p.eps"));
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, out + "/p_iv.eps\n" + out + "/p_.eps\n" + out + "/p_.eps\n" + out +
                         "/p_.eps\n");
    EXPECT_TRUE(has(r.err, out + "/p_.eps wurde 3-mal geschrieben (Seiten 1, 2, 3); nur Seite "
                                 "3 ist darin"))
        << r.err;
    EXPECT_TRUE(has(r.err, "2 Seiten verloren")) << r.err;
}

TEST_F(ExportReport, ArgumentErrorsKnownBeforeTheDialogExitWithTwoAndNameTheOption) {
    struct Case {
        const char* options;
        const char* named;
    } cases[] = {
        {"--layout Nope", "--layout"},        {"--box 99", "--box"},
        {"--page 99", "--page"},              {"--page x", "--page"},
        {"--absolute --offset abc", "--offset"}, {"--absolute --offset 1e3", "--offset"},
        {"--box 4 --pages 1", "--box"},       {"--box 4 --all", "--box"},
        {"--offset 5", "--offset"},           {"--base bogus", "--base"},
    };
    for (const Case& c : cases) {
        CliResult r = exportWith(std::string(c.options) + " " + to("a.eps"));
        EXPECT_EQ(r.status, 2) << c.options << "\n" << r.err;
        EXPECT_TRUE(has(r.err, c.named)) << c.options << "\n" << r.err;
        EXPECT_FALSE(has(r.err, "cancel")) << r.err;
    }
    EXPECT_TRUE(std::filesystem::is_empty(out));
    CliResult r = exportWith("--layout Nope --lang de " + to("a.eps"));
    EXPECT_TRUE(has(r.err, "das Projekt hat kein Layout \"Nope\"; es hat \"Spring\", \"Price list\""))
        << r.err;
}

TEST_F(ExportReport, ARefusedPageRangeShowsThePageLabels) {
    CliResult r = exportWith("--pages 13 " + to("a.eps"));
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(has(r.err, "Invalid page range!")) << r.err;
    EXPECT_TRUE(has(r.err, "the pages of layout \"Spring\" are labelled i-iv, 1-8; with "
                           "--absolute they are 1-12"))
        << r.err;
    EXPECT_FALSE(has(r.err, "cancel")) << r.err;
    r = exportWith("--lang de --pages 13 " + to("a.eps"));
    EXPECT_TRUE(has(r.err, "die Seiten von Layout \"Spring\" heißen i-iv, 1-8")) << r.err;
}

TEST_F(ExportReport, HostMessagesAloneDoNotMakeTheRunFail) {
    // A damaged styles file is set aside with a message; every page is
    // still written.
    std::filesystem::create_directories(home.file(".config/plexhost"));
    ASSERT_TRUE(plxtest::writeFile(home.file(".config/plexhost/OutputStyles.xml"), "<broken"));
    CliResult r = exportWith("--pages 1-2 " + to("a.eps"));
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, out + "/a_001.eps\n" + out + "/a_002.eps\n");
    EXPECT_TRUE(has(r.err, "OutputStyles.xml")) << r.err;
    // Also when --style has the styles read before the dialog opens.
    ASSERT_TRUE(plxtest::writeFile(home.file(".config/plexhost/OutputStyles.xml"), "<broken"));
    r = exportWith("--style \"Default EPS\" --pages 3 " + to("b.eps"));
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(has(r.err, "OutputStyles.xml")) << r.err;
}

TEST_F(ExportReport, WithoutGhostscriptThePagesFailOnceAndExitThree) {
    const char* saved = std::getenv("PATH");
    std::string path = saved ? saved : "";
    setenv("PATH", home.path().c_str(), 1);
    CliResult r = exportWith("--pages 1-3 " + to("a.pdf"));
    setenv("PATH", path.c_str(), 1);
    EXPECT_EQ(r.status, 3) << r.err;
    EXPECT_EQ(r.out, "");
    size_t first = r.err.find("Ghostscript");
    ASSERT_NE(first, std::string::npos) << r.err;
    EXPECT_EQ(r.err.find("Ghostscript", r.err.find('\n', first)), std::string::npos)
        << "told once:\n" << r.err;
    EXPECT_TRUE(has(r.err, "3 pages not written")) << r.err;
}

// A layout long enough that the run is still going when Ctrl-C comes.
std::string longProject(const std::string& path, int pages) {
    plxtest::writeFile(path, "layout \"Long\"\n  pages " + std::to_string(pages) + "\n");
    return path;
}

TEST_F(ExportReport, CtrlCLeavesEveryWrittenFilePrinted) {
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
        std::string program = std::string(PLX_BINARY_DIR) + "/bin/plexmoor";
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

} // namespace

namespace {

TEST_F(ExportReport, OnATerminalTheBarHasALineOfItsOwnAndIsCleared) {
    if (std::system("command -v script >/dev/null 2>&1") != 0) GTEST_SKIP() << "no script(1)";
    // script(1) gives the program a terminal; both streams arrive together.
    std::string command = std::string(PLX_BINARY_DIR) + "/bin/plexmoor export " +
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
    // The last bar is taken away before the summary.
    size_t lastBar = seen.rfind("] 3/3");
    ASSERT_NE(lastBar, std::string::npos) << seen;
    size_t summary = seen.find("files written", lastBar);
    ASSERT_NE(summary, std::string::npos) << seen;
    EXPECT_NE(seen.substr(lastBar, summary - lastBar).find(clear), std::string::npos);
}

} // namespace
