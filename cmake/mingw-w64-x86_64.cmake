# Cross-compiles TAVRO for 64-bit Windows with MinGW-w64; a portability check only (the shipped
# program is the 32-bit build), run under 64-bit Wine.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(TAVRO_MINGW_PREFIX x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake)
