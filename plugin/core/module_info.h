// Where the plug-in's own module file lies, found at activation.
#pragma once

// Full path of the plug-in module (at most 511 bytes), empty until found.
extern char gModulePath[512];

// Fills gModulePath from the loader's record of the module that holds this
// code. Returns false when the loader cannot tell. On macOS it then finds
// the plug-in's bundle too (setupXTPath, platform/mac/bundle.h).
bool findModulePath();

// The module as the system's loader knows it: on Windows its instance
// handle, which the resource calls take to find a template in it; elsewhere
// the address the dynamic loader mapped it at. Either lies inside the
// module, so a host may also look the module up by it.
void* moduleHandle();
