# 32-bit Windows, the target the program ships for.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(QUENLOV_MINGW_TRIPLE i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
