// The private folders Ghostscript works in: "plexhost-PID-XXXXXX" in the
// temporary folder, named after the process that made them, so that a
// later run can tell the folders of runs that died (killed, crashed)
// from those of runs still working, and remove them.
#pragma once

#include <string>

namespace plxhost {

// The temporary folder: $TMPDIR when it is an absolute path, else /tmp.
std::string temporaryFolder();

// A folder on a file system held in memory, for Ghostscript's own
// temporary files: "/dev/shm" where it is a folder this process may write
// with at least 256 MB free. Empty where there is none (Windows, macOS):
// those files then stay in the work folder.
std::string memoryFolder();

// Makes a new work folder in `parent` for this process. Empty with *error
// set when it cannot be made.
std::string makeWorkFolder(const std::string& parent, std::string* error);

// Removes the work folders in `parent` whose process no longer runs, with
// the files in them. Folders of running processes, and anything not named
// like a work folder, are left alone. Returns the number removed.
int removeDeadWorkFolders(const std::string& parent);

// Removes a work folder and the files in it.
void removeWorkFolder(const std::string& folder);

} // namespace plxhost
