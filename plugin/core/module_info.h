// Where the plug-in's own module file lies, found at activation.
#pragma once

// Full path of the plug-in module (at most 511 bytes), empty until found.
extern char gModulePath[512];

// Fills gModulePath from the loader's record of the module that holds this
// code. Returns false when the loader cannot tell. On macOS it then finds
// the plug-in's bundle too (setupXTPath, platform/mac/bundle.h).
bool findModulePath();
