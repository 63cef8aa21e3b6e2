// The diagnostic log: a plain-text file written only while the preference
// "Logging" is on, started empty at every activation so that it describes
// the current run of the host.
//
// The file is $XDG_STATE_HOME/Korvane/Plexmoor.txt (default
// ~/.local/state/Korvane/Plexmoor.txt; on Windows the file Plexmoor.txt in
// Documents\Korvane; on macOS in Documents/Korvane). Each dprintf call
// appends one line: the local time "hh:mm:ss:mmm: " (not on macOS), the
// message (at most 7999 bytes, cut at
// a UTF-8 character boundary; it may hold line breaks of its own), and the
// platform's line end (kPlxLineEnd). The file is opened for appending and
// the whole line goes out in one write, so a line is never split by
// another writer's line, and the file is closed again, so the log survives
// a crash up to its last line. Logging never reports an error: a line
// that cannot be written is dropped.
#pragma once

#include <cstdint>

// Largest message dprintf writes, in bytes.
constexpr int kMaxLogMessage = 7999;

// Builds the log path from the state folder, `folder` (default "Korvane",
// created when missing) and `name` (default "Plexmoor") with the extension
// "txt"; deletes the file there, whatever the mode; sets the log mode.
// A path that does not fit leaves logging without a file (lines dropped).
void setupDump(int16_t mode, const char* folder, const char* name);

// Lines are written while mode > 0.
void setLogMode(int32_t mode);

// The log file's path; empty before setupDump.
const char* getLogPath();
// The log mode; lines are written while it is > 0.
int32_t getLogMode();

// Appends one formatted line when logging is on.
void dprintf(const char* format, ...) __attribute__((format(printf, 1, 2)));
