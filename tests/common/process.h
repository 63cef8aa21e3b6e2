// Starting programs from a test and reading what they printed and how
// they ended. The platform folders hold the two ways of doing it.
#pragma once

#include <string>
#include <vector>

namespace plxtest {

struct ProgramRun {
    int status = -1; // exit status, -1 when it did not exit normally
    std::string out;
    std::string err;
};

// Runs `program` with `args`, each passed as one word, in `workingFolder`
// when one is given, in the current environment; standard output and error
// are kept apart, their line ends read as LF (the C runtime writes CR LF
// on Windows). `leakReports` false switches a sanitizer build's leak
// report off, for tests that look at what the program did, not at what it
// kept until its end.
ProgramRun runProgram(const std::string& program, const std::vector<std::string>& args,
                      const std::string& workingFolder = "", bool leakReports = true);

// A program of this build ("plexmoor"), with the extension the platform's
// programs carry.
std::string builtProgram(const std::string& name);

// Whether this is a POSIX system: shell scripts run as programs, and
// /proc is a folder no one may write in. Tests that stand such things in
// skip on Windows, saying so.
bool posixSystem();

// Runs a command line through the system's shell and gives its standard
// output and error together (for tools such as Ghostscript and pdfinfo).
std::string runCommand(const std::string& command, int* status = nullptr);

// The words of a command line written for a POSIX shell: blanks separate
// words, '…' and "…" quote, a backslash escapes one character.
std::vector<std::string> shellWords(const std::string& line);

} // namespace plxtest
