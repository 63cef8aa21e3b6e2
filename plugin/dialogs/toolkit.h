// Start-up of the dialog toolkit and the host's window requests.
#pragma once

#include <cstdint>

// Activation step: registers the toolkit's window classes, creates its
// fonts, and lets the settings store show its messages in message boxes.
void startDialogToolkit();

// The callback for xt/xtwindows.h's window request: builds the named
// window (a window description: "Prefs", "Progress", "Export", the
// templates "MYDIALOG", "MSGBOX", "25051", "25052", "25053") as a dialog
// would be built before it runs, and hands it to the host. Names compare
// without regard to case. Always returns 0.
int32_t windowRequestCallback(void* cbRecord);
