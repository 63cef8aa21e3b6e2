// The plug-in DLL's own instance handle, kept by DllMain.
#pragma once

#include <windows.h>

extern HINSTANCE gModuleInstance;
