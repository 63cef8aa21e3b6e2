// The program's commands and what they share: parsed arguments, the
// session options they imply, and the exit codes.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "cli/session.h"

namespace plxcli {

enum ExitCode { kExitOk = 0, kExitFailed = 1, kExitUsage = 2 };

struct Arguments {
    std::string command;
    std::vector<std::string> positional;
    std::map<std::string, std::string> options; // "--lang" -> "de", "-o" -> path; flags map to ""
};

// The whole program: the arguments (UTF-8, argv[0] the program) in, the
// exit status out.
int runCommandLine(int argc, char** argv);

// Splits argv into the command, its options ("--name value" for options
// that take a value, "--name" alone for flags) and positional words.
// Returns false with *error set for an unknown option or a missing value.
bool parseArguments(int argc, char** argv, Arguments* out, std::string* error);

// Session options from the common options (--lang).
SessionOptions sessionOptions(const Arguments& args);

// Prints the message on standard error and returns the exit code.
int usageError(const std::string& message);
int failure(const std::string& message);

void printHelp();
int runInfo(const Arguments& args);
int runWindow(const Arguments& args);
int runMenu(const Arguments& args);
int runAbout(const Arguments& args);
int runPrefs(const Arguments& args);
int runStyle(const Arguments& args);

// "on" and "off" into *on; false for any other word.
bool parseOnOff(const std::string& word, bool* on);
int runExport(const Arguments& args);
int runStyles(const Arguments& args);

} // namespace plxcli
