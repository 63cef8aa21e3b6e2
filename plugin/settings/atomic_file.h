// Replacing a file so that readers, a crash or a full disk only ever see
// the old file or the new one whole.
#pragma once

#include <cstddef>

#include "plugin/settings/file_stamp.h"

// Writes `size` bytes to a new temporary file in the folder of the target,
// flushes it to disk, and renames it over the target. The target is `path`,
// or, when `path` is a symbolic link, the file the link points to (the
// link stays a link). An existing target's permission bits carry over to
// the new file. On success returns 0 and, when `stamp` is not null, the
// written file's stamp. On failure the target is untouched, the temporary
// file is removed, and the result is the system's error number.
int replaceFileAtomically(const char* path, const char* data, size_t size, PlxFileStamp* stamp);

// Removes the temporary files ("NAME.tmp-PID-N") that replaceFileAtomically
// left beside the file at `path` (or the file a link there points to) in
// processes that no longer run: a crash in the middle of a save. Files of
// running processes, of this process and every other name stay. Returns
// how many were removed.
int removeStaleTemporaries(const char* path);
