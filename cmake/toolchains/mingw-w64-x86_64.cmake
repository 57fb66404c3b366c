# Cross-builds the Windows programs (x86_64) with Debian's mingw-w64 compilers:
#   cmake -S . -B build-win -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/toolchains/mingw-w64-x86_64.cmake
# The "posix" compilers are the ones whose C++ runtime has std::thread and std::mutex.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(GW_MINGW_PREFIX x86_64-w64-mingw32)

set(CMAKE_C_COMPILER ${GW_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${GW_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${GW_MINGW_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${GW_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# No Qt is packaged for mingw here: the Windows build holds the core, the scripted platform,
# gwscript, gwtool and their tests.
set(GW_WITH_QT OFF CACHE BOOL "Build the Qt window and its tests")

# CTest runs the Windows programs through wine (Debian keeps wine64 out of PATH when only the
# 64-bit package is installed).
find_program(GW_WINE NAMES wine64 wine PATHS /usr/lib/wine NO_CMAKE_FIND_ROOT_PATH)
if(GW_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${GW_WINE})
endif()
