// The export dialog of Plexmoor.xnt, loaded by a stand-in host and worked
// by the runner: one line per failed check; the number of failures. The
// pictures of the dialog, English and German, go to the folder `pictures`
// (a Windows path; none when empty).
#pragma once

#include <string>

int checkExportDialog(const std::string& pictures);
