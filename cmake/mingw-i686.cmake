# Cross-compiling for Windows (i686) with MinGW-w64, posix thread model.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(ORV_MINGW_PREFIX i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
