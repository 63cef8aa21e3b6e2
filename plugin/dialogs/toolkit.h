// Start-up of the dialog toolkit.
#pragma once

#include <cstdint>

// Activation step: registers the toolkit's window classes, creates its
// fonts, and lets the settings store show its messages in message boxes.
void startDialogToolkit();
