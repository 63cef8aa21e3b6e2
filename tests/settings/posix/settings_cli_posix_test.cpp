// POSIX only: a file no one may read (chmod 000, run as another user when
// root) and the numbers of ended processes (fork); Wine has neither file
// permissions that keep its own user out nor a reliable way to name a dead
// process's number.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "tests/common/plexmoor_run.h"
#include "tests/common/plugin_host.h"
#include "tests/settings/settings_cli_kit.h"

using namespace plxtest;
using namespace std::string_literals;

namespace {

// plexmoor as a user whom file permissions keep out: as root that is
// another user (root reads every file), otherwise the user running.
ProgramRun runKeptOut(const TempHome& home, const std::vector<std::string>& args) {
    if (geteuid() != 0) return runPlexmoor(args);
    // The other user makes its way to the settings folder (and keeps its
    // own files in the home, as GNUstep does).
    std::filesystem::path root = std::filesystem::u8path(home.path());
    std::filesystem::path folder = root;
    chmod(folder.c_str(), 0777);
    for (const auto& part : std::filesystem::u8path(home.settingsFolder()).lexically_relative(root))
        chmod((folder /= part).c_str(), 0777);
    TempDir scratch;
    std::string command = "ASAN_OPTIONS=detect_leaks=0 setpriv --reuid=65534 --regid=65534 "
                          "--clear-groups " +
                          builtProgram("plexmoor");
    for (const std::string& a : args)
        command += " '" + a + "'";
    command += " >" + scratch.file("out") + " 2>" + scratch.file("err");
    ProgramRun run;
    int raw = std::system(command.c_str());
    run.status = raw != -1 && WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    run.out = readFile(scratch.file("out"));
    run.err = readFile(scratch.file("err"));
    return run;
}

pid_t endedProcess() {
    pid_t pid = fork();
    if (pid == 0) _exit(0);
    waitpid(pid, nullptr, 0);
    return pid;
}

} // namespace

TEST(SettingsCli, AnUnreadableFileIsToldOnceAndNeverReplaced) {
    TempHome home;
    std::string mine = "[General]\nAddAlways=0\nFolderPath=/srv/work\n";
    writeSettings(home, mine);
    chmod(settingsFile(home).c_str(), 0);
    ProgramRun run = runKeptOut(home, {"prefs", "--logging", "on", "--add-always", "off"});
    chmod(settingsFile(home).c_str(), 0644);
    EXPECT_EQ(run.status, 1) << run.out << run.err;
    EXPECT_EQ(count(run.err, "could not be read"), 1u) << run.err;
    EXPECT_EQ(run.out.find("saved"), std::string::npos) << run.out;
    EXPECT_EQ(readFile(settingsFile(home)), mine);
}

TEST(SettingsCli, TemporaryFilesOfCrashedSavesAreCleared) {
    TempHome home;
    writeSettings(home, "[General]\nLogging=1\n");
    std::string dead = settingsFile(home) + ".tmp-" + std::to_string(endedProcess()) + "-1";
    std::string running = settingsFile(home) + ".tmp-1-1";
    ASSERT_TRUE(writeFile(dead, std::string(100000, 'x')));
    ASSERT_TRUE(writeFile(running, "in the middle of a save"));
    ProgramRun run = runPlexmoor({"prefs"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_FALSE(std::filesystem::exists(dead));
    EXPECT_TRUE(std::filesystem::exists(running));
    EXPECT_EQ(readFile(settingsFile(home)), "[General]\nLogging=1\n");
}
