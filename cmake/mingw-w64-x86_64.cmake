# Cross-compiles the Win32 programs with Debian's mingw-w64 (POSIX threads flavour); the
# tests run through Wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Wine runs headless in a prefix of its own inside the build tree: no Mono or Gecko
# installer prompts, no debug chatter, and never longer than ten minutes. The tests that
# use it first have the prefix set up once (tests/win32_tests.cmake).
set(DRILL_WINE_PREFIX ${CMAKE_BINARY_DIR}/wine-prefix)
set(DRILL_WINE_ENVIRONMENT
    WINEPREFIX=${DRILL_WINE_PREFIX} WINEDEBUG=-all "WINEDLLOVERRIDES=mscoree,mshtml=")
set(CMAKE_CROSSCOMPILING_EMULATOR
    env ${DRILL_WINE_ENVIRONMENT} timeout --kill-after=10 600 wine)
