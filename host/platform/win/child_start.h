// Starting a helper program on Windows: the command line and environment
// block CreateProcessW takes, and the job every helper joins so that none
// outlives this program.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "host/process.h"

namespace plxhost {

// The words quoted the way the C runtime's command-line parser reads them
// back: backslashes are literal except before a quote.
std::wstring commandLine(const std::vector<std::string>& argv);

// This program's variables with the given ones replacing or adding to
// them, as CreateProcessW takes them; empty when none are given.
std::wstring environmentBlock(const Environment& extra);

// Starts argv[0] with the standard handles given (inheritable), no console
// window, inside the job that is closed, and every helper in it killed,
// when this program ends however it ends. False with GetLastError() set.
bool startChild(const std::vector<std::string>& argv, const Environment& environment,
                HANDLE input, HANDLE output, PROCESS_INFORMATION* child);

} // namespace plxhost
