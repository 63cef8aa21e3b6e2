// What the distiller and its kept Ghostscript processes say to each
// other, and the small helpers both halves of the distiller use
// (host/distiller.cpp: the jobs; host/distiller_processes.cpp: the
// processes' lives). Not for other users.
#pragma once

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

#include "host/file_open.h"

namespace plxhost::distiller_detail {

// A kept process's answers, one a line, all ending alike so that reading
// can wait for any of them.
const char* const kFailed = "PLX-FAILED";
const char* const kEnded = "PLX-DONE=PLX\n";
const char* const kClosed = "PLX-CLOSED=PLX\n";
const char* const kReady = "PLX-READY=PLX\n";
// How long a kept process may take to end after "quit".
constexpr double kQuitSeconds = 2;
// Jobs a kept process runs between two restores of its memory.
constexpr int kBatchJobs = 20;

inline std::string secondsText(double seconds) {
    char text[32];
    std::snprintf(text, sizeof text, "%.0f", seconds);
    return text;
}

// pdfwrite reads "%d" in an output file name as a page number.
inline std::string outputFileArgument(const std::string& path) {
    std::string out;
    for (char c : path) {
        out += c;
        if (c == '%') out += '%';
    }
    return out;
}

// "PLX-FAILED name in command" found at `at`: "name in command".
inline std::string failureOf(const std::string& said, size_t at) {
    size_t from = at + std::strlen(kFailed) + 1;
    size_t end = said.find('\n', at);
    return said.substr(std::min(from, said.size()),
                       end == std::string::npos || end < from ? std::string::npos : end - from);
}

// The job's PostScript for Ghostscript's eyes only: nothing need survive a
// crash, so it is written without the care given to the user's files.
inline bool writeScratch(const std::string& path, const std::string& text, std::string* error) {
    std::FILE* f = openFile(path, "wb");
    bool ok = f && std::fwrite(text.data(), 1, text.size(), f) == text.size();
    if (f && std::fclose(f) != 0) ok = false;
    if (!ok) *error = path + ": " + std::strerror(errno ? errno : EIO);
    return ok;
}

} // namespace plxhost::distiller_detail
