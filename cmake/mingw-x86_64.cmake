# Cross-compiling for Windows (x86_64) with MinGW-w64, posix thread model.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(ORV_MINGW_PREFIX x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
