// The host's window request (xt/xtwindows.h): the plug-in's windows built
// and filled as they open, for a person to look at without running them.
#pragma once

#include <cstdint>

// Builds the named window (the descriptions "Prefs", "Progress", "Export",
// the templates "MYDIALOG", "MSGBOX", "25051", "25052", "25053"; names
// compare without regard to case) as a dialog is built before it runs,
// gives it the title the running window shows and sets its controls as
// the window's own set-up does, and hands it to the host. Always returns 0.
int32_t windowRequestCallback(void* cbRecord);
