# Cross-builds for 64-bit Windows with Debian's MinGW-w64, posix thread variant (std::thread
# needs it). RAVELLO_WINDOWS_DEPS names the folder of the third parties built for Windows
# (scripts/windows-third-parties); packages, headers and libraries are found only there and in
# MinGW's own tree, never in the build machine's /usr.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)

set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32 ${RAVELLO_WINDOWS_DEPS})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
# try_compile projects read this file again: they need the folder too.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES RAVELLO_WINDOWS_DEPS)

# pkg-config reads the third parties' own .pc files only.
if(RAVELLO_WINDOWS_DEPS)
    set(ENV{PKG_CONFIG_LIBDIR} "${RAVELLO_WINDOWS_DEPS}/lib/pkgconfig")
    set(ENV{PKG_CONFIG_PATH} "")
endif()

# The C and C++ runtimes and winpthreads go into each program: nothing to ship beside it.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
