# Cross-compiles TAVRO for 32-bit Windows with MinGW-w64 and runs what it builds under Wine.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(TAVRO_MINGW_PREFIX i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake)
