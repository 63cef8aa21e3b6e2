// The export dialog of Plexmoor.xnt, loaded by a stand-in host and worked
// by the runner: one line per failed check; the number of failures.
#pragma once

int checkExportDialog();
