# Cross builds run their tests through Wine, headless, in a prefix of their own inside the
# build tree: no Mono or Gecko installer prompts, no debug chatter, and never longer than ten
# minutes. The prefix is set up once before the first test (win32_tests.cmake).
if(NOT CMAKE_CROSSCOMPILING)
    return()
endif()
set(DRILL_WINE_PREFIX ${CMAKE_BINARY_DIR}/wine-prefix)
set(DRILL_WINE_ENVIRONMENT
    WINEPREFIX=${DRILL_WINE_PREFIX} WINEDEBUG=-all "WINEDLLOVERRIDES=mscoree,mshtml=")
set(CMAKE_CROSSCOMPILING_EMULATOR
    env ${DRILL_WINE_ENVIRONMENT} timeout --kill-after=10 600 wine)
