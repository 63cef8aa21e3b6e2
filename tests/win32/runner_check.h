// The script runner on the plug-in's Win32 dialogs: one line per failed
// check; the number of failures.
#pragma once

int checkRunner();
