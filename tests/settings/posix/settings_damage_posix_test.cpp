// POSIX only: a file no one may read (chmod 000, another user when root) and
// the numbers of ended processes (fork); Wine has neither file permissions
// that keep its own user out nor a reliable way to name a dead process.
#include <gtest/gtest.h>

#include <algorithm>
#include <dirent.h>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#include "plugin/settings/atomic_file.h"
#include "plugin/settings/settings_store.h"
#include "tests/common/temp_dir.h"
#include "tests/settings/message_catcher.h"

using plxtest::MessageCatcher;
using plxtest::readFile;
using plxtest::sMessages;
using plxtest::TempDir;
using plxtest::writeFile;

namespace {

// The number of a process that has ended.
pid_t endedProcess() {
    pid_t pid = fork();
    if (pid == 0) _exit(0);
    waitpid(pid, nullptr, 0);
    return pid;
}

std::vector<std::string> entries(const std::string& folder) {
    std::vector<std::string> names;
    DIR* d = opendir(folder.c_str());
    while (d) {
        dirent* e = readdir(d);
        if (!e) break;
        std::string name = e->d_name;
        if (name != "." && name != "..") names.push_back(name);
    }
    if (d) closedir(d);
    std::sort(names.begin(), names.end());
    return names;
}

// Loads, changes and saves the store at path; the result of save, or -2
// when the load already failed. As root, file permissions do not keep a
// process out, so that part runs in a child under another user.
int loadChangeAndSave(const std::string& path, bool asOtherUser) {
    if (!asOtherUser || geteuid() != 0) {
        CMySettings store;
        if (store.setupWithPath(path.c_str()) != 0) return -2;
        if (store.readState() != kSettingsReadFailed) return -3;
        if (store.getInt32("General", "AddAlways", 1) != 1) return -4;
        store.set("General", "OutputStyle", "Default EPS");
        return store.save();
    }
    pid_t pid = fork();
    if (pid == 0) {
        if (setgid(65534) != 0 || setuid(65534) != 0) _exit(100);
        _exit(loadChangeAndSave(path, false) + 10);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) - 10 : -100;
}

} // namespace

TEST(SettingsDamage, AnUnreadableFileIsKeptAndNeverSavedOver) {
    MessageCatcher messages;
    TempDir dir;
    chmod(dir.path().c_str(), 0777);
    std::string file = dir.file("s.ini");
    std::string mine = "[General]\nAddAlways=0\nFolderPath=/srv/work\n";
    writeFile(file, mine);
    chmod(file.c_str(), 0);
    EXPECT_EQ(loadChangeAndSave(file, true), -1);
    chmod(file.c_str(), 0644);
    EXPECT_EQ(readFile(file), mine);
    EXPECT_EQ(entries(dir.path()), std::vector<std::string>{"s.ini"});
    if (geteuid() != 0) {
        EXPECT_EQ(sMessages, std::vector<std::string>{"readPrefsErr " + file});
    }
}

TEST(SettingsDamage, TemporaryFilesOfEndedProcessesGoWhenTheStoreOpens) {
    TempDir dir;
    std::string file = dir.file("s.ini");
    writeFile(file, "[G]\nx=1\n");
    std::string dead = std::to_string(endedProcess());
    std::string self = std::to_string(getpid());
    std::vector<std::string> kept = {
        "other.ini.tmp-" + dead + "-1", // another file's
        "s.ini",
        "s.ini.tmp-" + dead + "-x",    // not a name a save makes
        "s.ini.tmp-" + self + "-1",    // this process's own
        "s.ini.tmp-1-4",               // a process that runs
        "s.ini.tmp-" + dead + "-2-3",
    };
    for (const std::string& name : kept)
        if (name != "s.ini") writeFile(dir.file(name), "x");
    writeFile(dir.file("s.ini.tmp-" + dead + "-1"), std::string(1000, 'y'));
    writeFile(dir.file("s.ini.tmp-" + dead + "-27"), "");

    CMySettings store;
    ASSERT_EQ(store.setupWithPath(file.c_str()), 0);
    std::sort(kept.begin(), kept.end());
    EXPECT_EQ(entries(dir.path()), kept);
    EXPECT_EQ(store.getInt32("G", "x", 0), 1);
    EXPECT_EQ(removeStaleTemporaries(file.c_str()), 0);
}
