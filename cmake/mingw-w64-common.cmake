# Shared part of the MinGW-w64 toolchain files: the compilers for TAVRO_MINGW_PREFIX, a sysroot
# search limited to the cross libraries, and Wine as the emulator that runs what is built.
set(CMAKE_SYSTEM_NAME Windows)

find_program(TAVRO_MINGW_CXX NAMES ${TAVRO_MINGW_PREFIX}-g++-posix ${TAVRO_MINGW_PREFIX}-g++ REQUIRED)
find_program(TAVRO_MINGW_CC NAMES ${TAVRO_MINGW_PREFIX}-gcc-posix ${TAVRO_MINGW_PREFIX}-gcc REQUIRED)
set(CMAKE_CXX_COMPILER ${TAVRO_MINGW_CXX})
set(CMAKE_C_COMPILER ${TAVRO_MINGW_CC})
set(CMAKE_RC_COMPILER ${TAVRO_MINGW_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${TAVRO_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

# Test executables run through Wine (see scripts/wine-run for the prefix it uses).
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-run)
