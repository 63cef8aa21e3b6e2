// The two things the log needs from the platform: the local time stamp at
// the head of each line and appending one line to the file.
#pragma once

#include <cstddef>

// Length of the stamp "hh:mm:ss:mmm: ", the longest one a platform writes.
constexpr size_t kLogStampLen = 14;

// Writes the local time as "hh:mm:ss:mmm: " into dst (kLogStampLen + 1
// bytes, terminator included). The macOS build writes an empty stamp: its
// formatted lines carry no time.
void formatLogStamp(char* dst);

// Appends `len` bytes at the end of the file at `path` (UTF-8), creating
// it when missing, in one write so that the line lands whole even when
// another process appends too. A line that cannot be written is dropped.
void appendLogLine(const char* path, const char* bytes, size_t len);
