# Cross-building the Windows x64 deliverables on Linux with mingw-w64.
# The posix-thread variant of the compiler is the one GoogleTest needs.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(PLX_MINGW_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${PLX_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${PLX_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${PLX_MINGW_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${PLX_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The C runtime's printf family in its standard form (%zu, %lld), and the
# POSIX localtime_r it offers beside its own functions.
set(CMAKE_C_FLAGS_INIT "-D__USE_MINGW_ANSI_STDIO=1 -D_POSIX_C_SOURCE=200809L")
set(CMAKE_CXX_FLAGS_INIT "-D__USE_MINGW_ANSI_STDIO=1 -D_POSIX_C_SOURCE=200809L")

# Every program and module carries its own runtime, so nothing but system
# DLLs (and the project's own) has to travel with it.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
# A DLL exports its own symbols only, never the runtime linked into it.
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static -Wl,--exclude-libs,ALL")
set(CMAKE_MODULE_LINKER_FLAGS_INIT "-static")

# Test programs run under Wine.
set(CMAKE_CROSSCOMPILING_EMULATOR wine)
