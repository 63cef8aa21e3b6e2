// The DLL's entry: the loader tells the plug-in which module it is, and the
// plug-in keeps that handle to find its own file later.
#include "plugin/platform/win/module_instance.h"

HINSTANCE gModuleInstance = nullptr;

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) gModuleInstance = instance;
    return TRUE;
}
