// What a PDF run leaves behind when it dies: Ghostscript ends with the
// program that started it, and the next run removes the dead run's work
// folder with Ghostscript's files in it. The files of a run are made
// durable when the run ends, and a failure to do so is reported.
// POSIX only: it kills runs and watches processes through /proc; the
// Windows build keeps no Ghostscript process between jobs yet.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <thread>

#include "host/work_folder.h"
#include "tests/host/print_kit.h"

using namespace plxtest;
namespace fs = std::filesystem;

namespace {

const char* const kOne = "layout \"One\"\n page-size 200 100\n pages 2\n"
                         " box 1 x=10 y=10 w=50 h=20 text=\"Hi\"\n";

// Sets an environment variable for the scope.
class Variable {
  public:
    Variable(const char* name, const std::string& value) : name_(name) {
        const char* old = std::getenv(name);
        had_ = old != nullptr;
        if (old) old_ = old;
        setenv(name, value.c_str(), 1);
    }
    ~Variable() {
        if (had_) setenv(name_, old_.c_str(), 1);
        else unsetenv(name_);
    }

  private:
    const char* name_;
    bool had_ = false;
    std::string old_;
};

std::vector<std::string> names(const std::string& folder) {
    std::vector<std::string> out;
    for (const auto& e : fs::directory_iterator(folder)) out.push_back(e.path().filename());
    std::sort(out.begin(), out.end());
    return out;
}

// Children of a process, from /proc.
std::vector<pid_t> childrenOf(pid_t parent) {
    std::vector<pid_t> out;
    for (const auto& e : fs::directory_iterator("/proc")) {
        std::ifstream stat(e.path() / "stat");
        std::string line;
        if (!std::getline(stat, line)) continue;
        size_t close = line.rfind(')');
        if (close == std::string::npos) continue;
        std::istringstream rest(line.substr(close + 2));
        char state;
        long ppid = 0;
        rest >> state >> ppid;
        if (ppid == parent) out.push_back(static_cast<pid_t>(std::stol(e.path().filename())));
    }
    return out;
}

// A process number that no process has: a child that has been waited for.
pid_t deadProcess() {
    pid_t pid = fork();
    if (pid == 0) _exit(0);
    waitpid(pid, nullptr, 0);
    return pid;
}

void makeFolderWith(const std::string& folder, std::initializer_list<const char*> files) {
    fs::create_directories(folder);
    for (const char* f : files) std::ofstream(folder + "/" + f) << "x";
}

class PrintLeftovers : public ::testing::Test {
  protected:
    void SetUp() override {
        out_ = h_.file("out");
        tmp_ = h_.file("tmp");
        ASSERT_TRUE(fs::create_directories(out_));
        ASSERT_TRUE(fs::create_directories(tmp_));
        h_.open(kOne);
    }
    PrintHost h_;
    std::string out_, tmp_;
};

} // namespace

TEST_F(PrintLeftovers, WorkFoldersOfDeadRunsGoThoseOfLiveRunsStay) {
    Variable tmpdir("TMPDIR", tmp_);
    std::string dead = tmp_ + "/plexhost-" + std::to_string(deadProcess()) + "-a1b2c3";
    std::string live = tmp_ + "/plexhost-" + std::to_string(getppid()) + "-d4e5f6";
    std::string other = tmp_ + "/plexhost-x1y2z3"; // not named after a process
    makeFolderWith(dead, {"job.ps", "job.pdf", "gs_AbCdEf"});
    makeFolderWith(live, {"job.ps"});
    makeFolderWith(other, {"job.ps"});
    std::ofstream(tmp_ + "/plexhost-" + std::to_string(deadProcess()) + "-plain1") << "a file";

    testJob().outputFile = out_ + "/one.pdf";
    ASSERT_EQ(h_.output(kXTMediumPDF), 0) << h_.host().errors().back().text;
    EXPECT_FALSE(fs::exists(dead));
    EXPECT_TRUE(fs::exists(live + "/job.ps"));
    EXPECT_TRUE(fs::exists(other + "/job.ps"));
    EXPECT_EQ(names(tmp_).size(), 4u) << "live, other, the file and our own folder";
    std::string own = h_.engine().ghostscriptFolder();
    EXPECT_EQ(fs::path(own).filename().string().rfind(
                  "plexhost-" + std::to_string(getpid()) + "-", 0),
              0u)
        << own;
    h_.engine().stopGhostscript();
    EXPECT_FALSE(fs::exists(own));
}

// What the process's environment says a variable is.
static std::string environmentOf(long pid, const std::string& name) {
    std::ifstream in("/proc/" + std::to_string(pid) + "/environ", std::ios::binary);
    std::string entry;
    while (std::getline(in, entry, '\0'))
        if (entry.rfind(name + "=", 0) == 0) return entry.substr(name.size() + 1);
    return std::string();
}

TEST_F(PrintLeftovers, GhostscriptsOwnFilesGoToAFolderInMemoryThatLaterRunsClearUp) {
    Variable tmpdir("TMPDIR", tmp_);
    std::string memory = h_.file("memory");
    ASSERT_TRUE(fs::create_directories(memory));
    std::string dead = memory + "/plexhost-" + std::to_string(deadProcess()) + "-a1b2c3";
    makeFolderWith(dead, {"gs_AbCdEf"});
    h_.engine().options().ghostscriptMemoryFolder = memory;

    testJob().outputFile = out_ + "/one.pdf";
    ASSERT_EQ(h_.output(kXTMediumPDF), 0) << h_.host().errors().back().text;
    EXPECT_FALSE(fs::exists(dead));
    std::string own = h_.engine().ghostscriptMemoryFolder();
    ASSERT_EQ(fs::path(own).parent_path().string(), memory);
    EXPECT_EQ(names(memory), (std::vector<std::string>{fs::path(own).filename().string()}));
    // The jobs' files are made there too (the kept process's idle output
    // lies beside them) and copied into place; the disk work folder stays
    // for jobs that show pages of PDF files.
    EXPECT_EQ(fs::path(h_.engine().ghostscriptFolder()).parent_path().string(), tmp_);
    auto idleIn = [](const std::string& folder) {
        for (const std::string& name : names(folder))
            if (name.rfind("idle", 0) == 0) return true;
        return false;
    };
    EXPECT_TRUE(idleIn(own));
    EXPECT_FALSE(idleIn(h_.engine().ghostscriptFolder()));
    EXPECT_TRUE(fs::exists(out_ + "/one.pdf"));
    long gs = h_.engine().ghostscriptProcess();
    ASSERT_NE(gs, 0);
    EXPECT_EQ(environmentOf(gs, "TMPDIR"), own);
    h_.engine().stopGhostscript();
    EXPECT_TRUE(names(memory).empty());

    // Without a folder in memory the work folder takes them, as before.
    h_.engine().options().ghostscriptMemoryFolder.clear();
    testJob().outputFile = out_ + "/two.pdf";
    ASSERT_EQ(h_.output(kXTMediumPDF), 0) << h_.host().errors().back().text;
    EXPECT_TRUE(h_.engine().ghostscriptMemoryFolder().empty());
    EXPECT_EQ(environmentOf(h_.engine().ghostscriptProcess(), "TMPDIR"),
              h_.engine().ghostscriptFolder());
    EXPECT_TRUE(idleIn(h_.engine().ghostscriptFolder()));
    EXPECT_TRUE(fs::exists(out_ + "/two.pdf"));
}

TEST_F(PrintLeftovers, GhostscriptEndsWithAKilledRunAndTheNextRunClearsUp) {
    Variable tmpdir("TMPDIR", tmp_);
    // Orphans come to this process, so it can see that they ended.
    ASSERT_EQ(prctl(PR_SET_CHILD_SUBREAPER, 1), 0);
    pid_t run = fork();
    ASSERT_GE(run, 0);
    if (run == 0) {
        testJob().outputFile = out_ + "/stuck.pdf";
        testJob().pageText = "{ } loop\n";
        h_.output(kXTMediumPDF);
        _exit(0);
    }
    // Wait until Ghostscript works on the job, then kill the run.
    pid_t gs = 0;
    for (int i = 0; i < 600 && !gs; ++i) {
        std::vector<pid_t> children = childrenOf(run);
        if (!children.empty()) gs = children.front();
        else std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    ASSERT_NE(gs, 0) << "Ghostscript never started";
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    kill(run, SIGKILL);
    ASSERT_EQ(waitpid(run, nullptr, 0), run);
    // Ghostscript is killed with its parent and waited for here.
    int status = 0;
    EXPECT_EQ(waitpid(gs, &status, 0), gs);
    EXPECT_TRUE(WIFSIGNALED(status));
    prctl(PR_SET_CHILD_SUBREAPER, 0);

    std::vector<std::string> left = names(tmp_);
    ASSERT_EQ(left.size(), 1u) << "the dead run's work folder";
    EXPECT_EQ(left[0].rfind("plexhost-" + std::to_string(run) + "-", 0), 0u) << left[0];

    testJob().outputFile = out_ + "/next.pdf";
    testJob().pageText.clear();
    ASSERT_EQ(h_.output(kXTMediumPDF), 0);
    h_.engine().stopGhostscript();
    EXPECT_TRUE(names(tmp_).empty()) << names(tmp_).front();
    EXPECT_TRUE(hiddenFiles(out_).empty());
}

TEST_F(PrintLeftovers, ReplacedProcessesAreWaitedForAndTheirSuccessorsStartAhead) {
    // A kept process makes way after its share of jobs for one started
    // while it ran its last ones, and ends on its own: it is waited for a
    // replacement later, so no process is left over, not even a zombie.
    h_.engine().options().ghostscriptJobsPerProcess = 40;
    pid_t successor = 0;
    std::set<long> serving;
    for (int job = 1; job <= 125; ++job) {
        testJob().outputFile = out_ + "/job" + std::to_string(job) + ".pdf";
        ASSERT_EQ(h_.output(kXTMediumPDF), 0) << h_.host().errors().back().text;
        long process = h_.engine().ghostscriptProcess();
        serving.insert(process);
        std::vector<pid_t> children = childrenOf(getpid());
        EXPECT_LE(children.size(), 3u) << "job " << job;
        if (job == 40) {
            ASSERT_EQ(children.size(), 2u) << "the process and its successor";
            successor = children[0] == process ? children[1] : children[0];
        }
        if (job == 41) {
            EXPECT_EQ(process, successor);
        }
    }
    EXPECT_EQ(serving.size(), 4u);
    // The successor took the set-up: the text is drawn in its font.
    RunResult text = run("pdftotext '" + out_ + "/job41.pdf' -");
    EXPECT_NE(text.output.find("Hi"), std::string::npos) << text.output;
    h_.engine().stopGhostscript();
    EXPECT_TRUE(childrenOf(getpid()).empty());
}

TEST_F(PrintLeftovers, ASuccessorThatEndedWhileItWaitedGivesWayToAFreshStart) {
    h_.engine().options().ghostscriptJobsPerProcess = 40;
    for (int job = 1; job <= 45; ++job) {
        testJob().outputFile = out_ + "/job" + std::to_string(job) + ".pdf";
        ASSERT_EQ(h_.output(kXTMediumPDF), 0) << "job " << job << ": "
                                              << h_.host().errors().back().text;
        if (job != 20) continue;
        std::vector<pid_t> children = childrenOf(getpid());
        ASSERT_EQ(children.size(), 2u);
        pid_t successor = children[0] == h_.engine().ghostscriptProcess() ? children[1] : children[0];
        kill(successor, SIGKILL);
        // Ended (not yet waited for) before its turn comes.
        siginfo_t info{};
        for (int i = 0; i < 500 && info.si_pid != successor; ++i) {
            waitid(P_PID, static_cast<id_t>(successor), &info, WEXITED | WNOHANG | WNOWAIT);
            if (info.si_pid != successor) std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        ASSERT_EQ(info.si_pid, successor);
    }
    EXPECT_TRUE(h_.host().errors().empty());
    h_.engine().stopGhostscript();
    EXPECT_TRUE(childrenOf(getpid()).empty());
}

TEST_F(PrintLeftovers, FilesOfARunAreWholeAndAFailureToMakeThemDurableIsReported) {
    std::string sub = out_ + "/sub";
    fs::create_directories(sub);
    for (const char* name : {"a.eps", "b.eps"}) {
        testJob().outputFile = sub + "/" + name;
        ASSERT_EQ(h_.output(kXTMediumEPS), 0);
        EXPECT_TRUE(hiddenFiles(sub).empty());
        std::ifstream eps(testJob().outputFile);
        std::string all((std::istreambuf_iterator<char>(eps)), std::istreambuf_iterator<char>());
        EXPECT_NE(all.find("%%EOF"), std::string::npos);
    }
    EXPECT_TRUE(h_.engine().endRun());
    EXPECT_TRUE(h_.host().errors().empty());

    // The folder is gone before the run ends: its files cannot be vouched for.
    testJob().outputFile = sub + "/c.eps";
    ASSERT_EQ(h_.output(kXTMediumEPS), 0);
    fs::remove_all(sub);
    EXPECT_FALSE(h_.engine().endRun());
    ASSERT_EQ(h_.host().errors().size(), 1u);
    EXPECT_NE(h_.host().errors()[0].text.find("may not have reached the disk"), std::string::npos)
        << h_.host().errors()[0].text;
}

TEST_F(PrintLeftovers, GhostscriptTimeCanBeSetForHugePages) {
    Variable seconds("PLEXHOST_GHOSTSCRIPT_SECONDS", "600");
    plxhost::PrintEngine engine;
    EXPECT_EQ(engine.options().ghostscriptTimeout, 600);
    Variable nonsense("PLEXHOST_GHOSTSCRIPT_SECONDS", "12 hours");
    plxhost::PrintEngine other;
    EXPECT_EQ(other.options().ghostscriptTimeout, plxhost::PrintOptions().ghostscriptTimeout);
}
