# The macOS build on GNUstep. No Apple SDK exists on Linux; GNUstep's
# Foundation and AppKit stand in for Cocoa, so the plug-in's macOS layer
# (plugin/platform/mac/*.mm) and the stand-in host's Cocoa side compile as
# a macOS build compiles them: Objective-C++, manual retain and release.
#
# clang builds the Objective-C++ for the GCC runtime that Debian's GNUstep
# is built on (-fobjc-runtime=gcc, no ARC). GNUstep's headers come in as
# system headers, so the project's warning flags apply to our code only;
# the runtime's own headers (objc/) come from gcc's folder, after clang's.
enable_language(OBJCXX)
set(CMAKE_OBJCXX_STANDARD 17)
set(CMAKE_OBJCXX_STANDARD_REQUIRED ON)
set(CMAKE_OBJCXX_EXTENSIONS OFF)

find_path(PLX_GNUSTEP_INCLUDE Foundation/Foundation.h PATHS /usr/include/GNUstep
          NO_DEFAULT_PATH REQUIRED)
execute_process(COMMAND gcc -print-file-name=include OUTPUT_VARIABLE _plx_gcc_include
                OUTPUT_STRIP_TRAILING_WHITESPACE)
if(NOT EXISTS "${_plx_gcc_include}/objc/objc.h")
  message(FATAL_ERROR "The GNU Objective-C runtime headers are missing: run scripts/setup.sh mac")
endif()

add_library(plx_gnustep INTERFACE)
target_compile_definitions(plx_gnustep INTERFACE
  GNUSTEP GNU_RUNTIME=1 GNUSTEP_BASE_LIBRARY=1 _NATIVE_OBJC_EXCEPTIONS)
target_compile_options(plx_gnustep INTERFACE
  "$<$<COMPILE_LANGUAGE:OBJCXX>:-fobjc-runtime=gcc;-fconstant-string-class=NSConstantString;-fobjc-exceptions;-fexceptions;-isystem;${PLX_GNUSTEP_INCLUDE};-idirafter;${_plx_gcc_include}>")
target_link_libraries(plx_gnustep INTERFACE gnustep-gui gnustep-base objc)

# Host and plug-in of this build exchange the macOS platform code.
add_compile_definitions(PLX_PLATFORM_MAC=1)
